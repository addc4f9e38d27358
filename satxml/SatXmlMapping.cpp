#include "satxml/SatXmlMapping.h"

#include <cctype>
#include <cstdlib>

#include "database/Latin1.h"
#include "satellites/SatelliteForm.h"

namespace velmora {
namespace {

// Where a too long name may be cut, and what a cut name must not end on.
constexpr std::string_view kCutPlaces = " /-,(";
constexpr std::string_view kTrailing = " /-,(&+";

int64_t RoundedThousandth(int64_t value) {
    return value >= 0 ? (value + 500) / 1000 : -((-value + 500) / 1000);
}

// Length of a leading position such as "19.2E" or "0.8w", 0 when the text has none.
size_t LeadingPositionLength(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    if (i == 0) return 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    }
    if (i == text.size() || (std::toupper(static_cast<unsigned char>(text[i])) != 'E' &&
                             std::toupper(static_cast<unsigned char>(text[i])) != 'W'))
        return 0;
    ++i;
    // "19.2E" must end there: "1N/1P" or "13Ecast" is a name.
    if (i < text.size() && std::isalnum(static_cast<unsigned char>(text[i]))) return 0;
    return i;
}

}  // namespace

std::string PositionText(int position) {
    const int tenths = std::abs(position);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) +
           (position < 0 ? "W" : "E");
}

std::optional<int> ParsePositionText(std::string_view text) {
    if (text.empty() || LeadingPositionLength(text) != text.size()) return std::nullopt;
    int whole = 0;
    size_t i = 0;
    for (; std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        whole = whole * 10 + (text[i] - '0');
        if (whole > 180) return std::nullopt;
    }
    int tenth = 0;
    if (text[i] == '.') {
        ++i;
        // One decimal only: positions are given in tenths.
        if (std::isdigit(static_cast<unsigned char>(text[i]))) tenth = text[i++] - '0';
        if (std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    }
    const int tenths = whole * 10 + tenth;
    if (tenths > 1800) return std::nullopt;
    return std::toupper(static_cast<unsigned char>(text[i])) == 'W' ? -tenths : tenths;
}

int PositionOf(const Satellite& sat) {
    const int tenths = (sat.angle() + 5) / 10;
    return sat.west() ? -tenths : tenths;
}

std::string RecordSatelliteName(std::string_view xml_name) {
    std::string_view rest = xml_name;
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    const size_t position = LeadingPositionLength(rest);
    std::string_view named = rest.substr(position);
    while (!named.empty() && kCutPlaces.find(named.front()) != std::string_view::npos)
        named.remove_prefix(1);
    // A <sat> named by its position alone keeps it.
    if (named.empty()) named = rest;
    std::string name = FilterNameBytes(Utf8ToLatin1Dropping(named).value_or(std::string(named)));
    constexpr size_t kMax = kMaxSatelliteNameLength;
    if (name.size() <= kMax) return name;
    size_t cut = std::string::npos;
    for (size_t i = kMax; i > 0; --i) {
        if (kCutPlaces.find(name[i]) != std::string_view::npos) {
            cut = i;
            break;
        }
    }
    if (cut == std::string::npos) return name.substr(0, kMax);
    while (cut > 0 && kTrailing.find(name[cut - 1]) != std::string_view::npos) --cut;
    return cut == 0 ? name.substr(0, kMax) : name.substr(0, cut);
}

bool IsCBand(const XmlSatellite& sat) {
    if (sat.transponders.empty()) return false;
    for (const XmlTransponder& tp : sat.transponders)
        if (RoundedThousandth(tp.frequency_khz) >= kCBandTopMhz) return false;
    return true;
}

Satellite MakeXmlSatellite(const XmlSatellite& xml) {
    Satellite sat = NewSatelliteTemplate();
    sat.set_name(RecordSatelliteName(xml.name));
    sat.set_angle(static_cast<uint16_t>(std::abs(xml.position) * 10));
    sat.set_west(xml.position < 0 ? 1 : 0);
    if (IsCBand(xml)) {
        sat.set_lnb_low(kCBandOscillator);
        sat.set_lnb_high(kCBandOscillator);
        sat.set_universal(0);
    }
    return sat;
}

std::optional<Transponder> MakeXmlTransponder(const XmlTransponder& xml, int satellite) {
    const int64_t frequency = RoundedThousandth(xml.frequency_khz);
    const int64_t symbol_rate = RoundedThousandth(xml.symbol_rate);
    if (frequency < kMinTpFrequency || frequency > kMaxTpFrequency ||
        symbol_rate < kMinTpSymbolRate || symbol_rate > kMaxTpSymbolRate)
        return std::nullopt;
    Transponder tp;  // bytes 6..9 stay zero, as Add Transponder leaves them
    tp.set_frequency(static_cast<uint16_t>(frequency));
    tp.set_symbol_rate(static_cast<uint16_t>(symbol_rate));
    tp.set_polarisation(xml.polarization == 1 || xml.polarization == 3 ? 1 : 0);
    tp.set_fec(xml.fec_inner >= 1 && xml.fec_inner <= 5 ? static_cast<uint8_t>(xml.fec_inner) : 0);
    tp.set_satellite(static_cast<uint8_t>(satellite));
    return tp;
}

std::vector<Transponder> UsableTransponders(const XmlSatellite& sat, int satellite, int& skipped) {
    std::vector<Transponder> usable;
    for (const XmlTransponder& xml : sat.transponders) {
        const std::optional<Transponder> tp = MakeXmlTransponder(xml, satellite);
        bool repeat = false;
        for (const Transponder& kept : usable) {
            repeat = repeat || (tp && kept.frequency() == tp->frequency() &&
                                kept.polarisation() == tp->polarisation() &&
                                kept.symbol_rate() == tp->symbol_rate());
        }
        if (!tp || repeat) {
            ++skipped;
            continue;
        }
        usable.push_back(*tp);
    }
    return usable;
}

}  // namespace velmora
