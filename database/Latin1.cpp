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
