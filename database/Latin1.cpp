#include "database/Latin1.h"

#include <cstdint>

namespace velmora {

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto b = static_cast<uint8_t>(c);
        if (b < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0 | (b >> 6)));
            out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
        }
    }
    return out;
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::optional<std::string> Utf8ToLatin1(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<uint8_t>(text[i]);
        if (b < 0x80) {
            out.push_back(text[i]);
            continue;
        }
        // Only the two-byte forms of U+0080..U+00FF fit a byte.
        if ((b != 0xC2 && b != 0xC3) || i + 1 >= text.size()) return std::nullopt;
        const auto next = static_cast<uint8_t>(text[i + 1]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        out.push_back(static_cast<char>(((b & 0x1F) << 6) | (next & 0x3F)));
        ++i;
    }
    return out;
}

std::optional<std::string> Utf8ToLatin1Dropping(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<uint8_t>(text[i]);
        int extra = 0;
        uint32_t code = 0;
        if (b < 0x80) {
            out.push_back(text[i++]);
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            extra = 1;
            code = b & 0x1Fu;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2;
            code = b & 0x0Fu;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3;
            code = b & 0x07u;
        } else {
            return std::nullopt;
        }
        if (i + extra >= text.size()) return std::nullopt;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<uint8_t>(text[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            code = (code << 6) | (next & 0x3Fu);
        }
        // The shortest form only, no surrogates, nothing past U+10FFFF.
        static constexpr uint32_t kLowest[] = {0, 0x80, 0x800, 0x10000};
        if (code < kLowest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        if (code <= 0xFF) out.push_back(static_cast<char>(code));
        i += extra + 1;
    }
    return out;
}

}  // namespace velmora

namespace velmora {
namespace {

// The length of the UTF-8 sequence at the start of `text` and its code point; 0 when the
// bytes there are no valid sequence.
size_t Utf8Sequence(std::string_view text, uint32_t& code) {
    const auto b = static_cast<uint8_t>(text[0]);
    size_t length = b < 0x80           ? 1
                    : (b >> 5) == 0x6  ? 2
                    : (b >> 4) == 0xE  ? 3
                    : (b >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || length > text.size()) return 0;
    code = length == 1 ? b : b & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        const auto c = static_cast<uint8_t>(text[k]);
        if ((c & 0xC0) != 0x80) return 0;
        code = code << 6 | (c & 0x3F);
    }
    constexpr uint32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kShortest[length] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) return 0;
    return length;
}

void AppendEscaped(std::string& out, uint32_t value) {
    constexpr char kHex[] = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[value >> 4 & 0xF];
    out += kHex[value & 0xF];
}

}  // namespace

std::string EscapeControls(std::string_view text, bool keep_line_feeds) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        uint32_t code = 0;
        const size_t length = Utf8Sequence(text, code);
        if (length == 0) {
            AppendEscaped(out, static_cast<uint8_t>(text[0]));
            text.remove_prefix(1);
            continue;
        }
        const bool control = code < 0x20 || (code >= 0x7F && code < 0xA0);
        if (control && !(keep_line_feeds && code == '\n')) {
            AppendEscaped(out, code);
        } else {
            out.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    return out;
}

}  // namespace velmora
