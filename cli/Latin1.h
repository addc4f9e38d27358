#pragma once
// Names are raw bytes shown as ISO-8859-1; JSON carries them as UTF-8 text.

#include <optional>
#include <string>
#include <string_view>

namespace velmora::cli {

// Each byte becomes the character of the same code point, encoded as UTF-8.
std::string Latin1ToUtf8(std::string_view bytes);

// The reverse: nullopt when `text` holds a character above U+00FF or is not valid UTF-8.
std::optional<std::string> Utf8ToLatin1(std::string_view text);

}  // namespace velmora::cli
