#pragma once
// Names a spreadsheet changed on its own: opened with its default import, a channel CSV
// comes back with `007` as `7`, `3/4` as a date, `1E5` as `1.00E+05` and `=1+1` as `2`.

#include <string_view>

namespace velmora {

// Whether `new_name` looks like what a spreadsheet makes of `old_name` (both UTF-8): the
// same number written otherwise (leading zeros dropped, scientific form, decimal comma), a
// formula's result, or a date made of a name like `3/4`, `1-2` or `3.4.`.
bool LooksConvertedBySpreadsheet(std::string_view old_name, std::string_view new_name);

}  // namespace velmora
