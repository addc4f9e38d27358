#pragma once
// The channel dialogs' integer fields.

#include <optional>
#include <string_view>

#include "database/FieldChecks.h"

namespace velmora {

// A decimal integer with optional sign and surrounding blanks that fits an int.
std::optional<int> ParseInteger(std::string_view text);

}  // namespace velmora
