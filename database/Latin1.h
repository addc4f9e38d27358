#pragma once
// Names are raw bytes shown as ISO-8859-1; JSON and CSV carry them as UTF-8 text, and so
// does every text the user reads (messages, labels, cells), where names join words in the
// user's language.

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Each byte becomes the character of the same code point, encoded as UTF-8.
std::string Latin1ToUtf8(std::string_view bytes);

// The characters of UTF-8 `text` (continuation bytes not counted): its width in a
// fixed-pitch line.
std::size_t Utf8Length(std::string_view text);

// The reverse of Latin1ToUtf8: nullopt when `text` holds a character above U+00FF or is not valid
// UTF-8.
std::optional<std::string> Utf8ToLatin1(std::string_view text);

// As the editor takes typed text: characters above U+00FF have no byte and are dropped.
// nullopt when `text` is not valid UTF-8 (overlong forms and surrogates included).
std::optional<std::string> Utf8ToLatin1Dropping(std::string_view text);

// UTF-8 text from an input made safe to print on a terminal: control characters (C0, DEL
// and C1) become \xNN, so that a file cannot send escape sequences; bytes that are no
// UTF-8 become \xNN too. Line feeds are kept when `keep_line_feeds` (a message of
// several lines), else escaped as well.
std::string EscapeControls(std::string_view text, bool keep_line_feeds = false);

}  // namespace velmora
