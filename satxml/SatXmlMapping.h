#pragma once
// How satellites.xml entries become the receiver's records, and back.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/Records.h"
#include "satxml/SatXmlReader.h"

namespace velmora {

// The record ranges a transponder must fit.
inline constexpr int kMinTpFrequency = 1;
inline constexpr int kMaxTpFrequency = 20000;  // MHz
inline constexpr int kMinTpSymbolRate = 2000;  // kS/s
inline constexpr int kMaxTpSymbolRate = 45000;
inline constexpr int kCBandTopMhz = 5000;  // every frequency below: a C-band <sat>
inline constexpr uint16_t kCBandOscillator = 5150;

// "19.2E", "30.0W", "0.0E" for a position in tenths of a degree.
std::string PositionText(int position);
// The reverse, for "19.2E", "19E", "30.0W" (a letter E or W, either case); nullopt for
// anything else.
std::optional<int> ParsePositionText(std::string_view text);
// The position (tenths, West negative) of a satellite record: angle / 10, rounded.
int PositionOf(const Satellite& sat);

// The record name of a <sat> name (UTF-8): the leading position ("19.2E ") dropped,
// characters outside ISO-8859-1 and bytes the name filter refuses dropped, then, when
// longer than 15 characters, cut at the last space, '/', '-', ',' or '(' that leaves at
// most 15, without the separators it would end on; a name without such a place is cut
// hard after 15. "30.0W Hispasat 30W-5/30W-6" gives "Hispasat 30W-5".
std::string RecordSatelliteName(std::string_view xml_name);

// True when the <sat> is C-band: it has transponders and every one is below 5000 MHz.
bool IsCBand(const XmlSatellite& sat);

// The new satellite of a <sat>: Add Antenna's template with the name, angle
// (|position| x 10), direction, and a single 5150 MHz oscillator for C-band.
Satellite MakeXmlSatellite(const XmlSatellite& sat);

// The transponder of a <transponder> (frequency and symbol rate rounded to MHz and kS/s,
// polarisation 0/2 horizontal, 1/3 vertical, FEC 1-5 kept and the rest "Auto") on
// satellite `satellite`; nullopt when it falls outside the record's ranges.
std::optional<Transponder> MakeXmlTransponder(const XmlTransponder& tp, int satellite);

// The transponders of `sat` as records, in file order, without those outside the ranges
// and without repeats (same frequency, polarisation and symbol rate); `skipped` counts
// what was left out.
std::vector<Transponder> UsableTransponders(const XmlSatellite& sat, int satellite, int& skipped);

}  // namespace velmora
