#include "import/ListingFileName.h"

#include <filesystem>

#include "text/Translate.h"

namespace velmora {
namespace {

constexpr size_t kCBaseLength = 14;
constexpr size_t kKuBaseLength = 13;
constexpr uint16_t kCLnb = 5150;
constexpr uint16_t kKuLnbLow = 10600;
constexpr uint16_t kKuLnbHigh = 9750;
constexpr uint32_t kToneAuto = 2;

// Decodes `text` as UTF-8 into code points; false when it is not valid UTF-8.
template <typename Sink>
bool DecodeUtf8(std::string_view text, Sink&& sink) {
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<uint8_t>(text[i]);
        int extra = 0;
        uint32_t cp = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            cp = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            cp = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            cp = lead & 0x07u;
        } else {
            return false;
        }
        if (i + extra >= text.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<uint8_t>(text[i + k]);
            if ((next & 0xC0u) != 0x80u) return false;
            cp = (cp << 6) | (next & 0x3Fu);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        sink(cp);
        i += 1 + extra;
    }
    return true;
}

}  // namespace

std::optional<ListingName> ParseListingFileName(std::string_view file_name) {
    const size_t at = file_name.find(" at");
    if (at == std::string_view::npos || at == 0) return std::nullopt;

    ListingName name;
    name.base = std::string(file_name.substr(0, at));

    // Digits count wherever they stand; a byte from 0x80 up (the degree sign) ends them.
    uint32_t position = 0;
    size_t i = at + 3;
    for (; i < file_name.size(); ++i) {
        const auto c = static_cast<uint8_t>(file_name[i]);
        if (c >= 0x80) break;
        if (c >= '0' && c <= '9') position = position * 10 + (c - '0');
    }
    name.angle = static_cast<uint16_t>(position);

    // The direction only counts when it follows the degree sign.
    if (i < file_name.size()) {
        const size_t letter = file_name.find_first_of("EW", i);
        name.west = letter != std::string_view::npos && file_name[letter] == 'W';
    }
    return name;
}

Satellite MakeImportedSatellite(const ListingName& name, Band band) {
    Satellite sat;
    const bool c_band = band == Band::C;
    const std::string full = c_band ? "C_" + name.base.substr(0, kCBaseLength)
                                    : "Ku_" + name.base.substr(0, kKuBaseLength);
    sat.set_name(full);  // cut to 15 bytes, so the field keeps its terminator
    sat.set_lnb_low(c_band ? kCLnb : kKuLnbLow);
    sat.set_lnb_high(c_band ? kCLnb : kKuLnbHigh);
    sat.set_angle(name.angle);
    sat.set_tone_22k(kToneAuto);
    sat.set_universal(c_band ? 0 : 1);
    sat.set_west(name.west ? 1 : 0);
    return sat;
}

std::string FileNameToLatin1(std::string_view name) {
    std::string latin1;
    latin1.reserve(name.size());
    const bool utf8 = DecodeUtf8(name, [&](uint32_t cp) {
        if (cp <= 0xFF) latin1.push_back(static_cast<char>(cp));
    });
    return utf8 ? latin1 : std::string(name);
}

std::optional<std::string> ListingNameProblem(const std::string& path) {
    const std::string name = FileNameToLatin1(std::filesystem::path(path).filename().string());
    if (ParseListingFileName(name)) return std::nullopt;
    return Fill(VT_TR("import",
                      "No satellite was created: the file name does not name one. Save the page "
                      "under the satellite's name, \" at\" and its position, e.g. \"%1\"."),
                {"Example Sat 1 at 19.2\xB0"
                 "E.htm"});
}

}  // namespace velmora
