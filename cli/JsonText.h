#pragma once
// Reading the JSON text that `load` is given. The JSON library reports every problem by
// exception; here each becomes a message that says where the text went wrong.

#include <optional>
#include <string>

#include "cli/JsonSchema.h"

namespace velmora::cli {

// A dump nests four levels deep; nothing that loads nests deeper than this.
inline constexpr int kMaxJsonDepth = 16;
// The widest object of the schema, the header, has 14 keys: an object with more is
// refused as its keys are met, so no lookup in it grows with the input.
inline constexpr size_t kMaxJsonObjectKeys = 14;
// A dump of a full database holds under 300 000 values.
inline constexpr size_t kMaxJsonValues = size_t{1} << 20;

// Parses `text` into `doc`. nullopt on success, else the message, naming `source` for a
// text that is no JSON and the field for a number out of range, nesting too deep, a key
// given twice in one object or an object with too many keys.
std::optional<std::string> ParseJsonText(const std::string& text, const std::string& source,
                                         Json& doc);

}  // namespace velmora::cli
