#pragma once
// A plain list of channel names, one per line, as `export --format names` writes it and
// Apply Order From reads it: a line "[TV]" or "[Radio]" (any case) starts the names of
// that table; names before any section stand for both tables.

#include <optional>
#include <string>
#include <string_view>

#include "database/Database.h"

namespace velmora {

// Whether `line` (already trimmed) opens a section: false for "[TV]", true for "[Radio]".
std::optional<bool> NameListSection(std::string_view line);

// The TV names under "[TV]", then the radio names under "[Radio]", each in table order,
// as UTF-8 with LF line ends.
std::string ChannelNameList(const Database& db);

}  // namespace velmora
