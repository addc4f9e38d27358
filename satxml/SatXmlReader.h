#pragma once
// Reading satellites.xml, the satellite and transponder list that set-top boxes of the
// enigma2 family share: <satellites> of <sat name position> of <transponder .../>.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// One <transponder> as the file gives it; attributes the records cannot hold are dropped.
struct XmlTransponder {
    int64_t frequency_khz = 0;
    int64_t symbol_rate = 0;  // symbols per second
    int polarization = 0;     // 0 horizontal, 1 vertical, 2 circular left, 3 circular right
    int fec_inner = 0;        // 0 auto (also when the attribute is missing)
    int line = 0;             // where it stands in the file
};

// One <sat>. `name` is the file's text as UTF-8.
struct XmlSatellite {
    std::string name;
    int position = 0;  // tenths of a degree, East positive, West negative
    std::vector<XmlTransponder> transponders;
    int line = 0;
};

struct SatXmlRead {
    std::vector<XmlSatellite> satellites;
    std::string problem;  // empty when the file was read
    bool ok() const { return problem.empty(); }
};

// A satellites.xml nests three levels; anything much deeper is no such file.
inline constexpr int kMaxXmlDepth = 16;

// Parses `bytes` as satellites.xml (pugixml: no DTD, no entities but the five predefined
// ones and character references). Refuses, with a message naming the line, a text that
// is not XML, a root other than <satellites>, elements nested deeper than kMaxXmlDepth,
// and a <sat> or <transponder> whose numbers are missing or are not whole numbers.
// Unknown elements and attributes are ignored.
SatXmlRead ParseSatellitesXml(std::string_view bytes);

// Reads the file at `path` through the file layer's bounded input read (a regular file
// of at most kMaxInputFileSize bytes) and parses it; "Can't not open the file!" when it
// cannot be read.
SatXmlRead ReadSatellitesXmlFile(const std::string& path);

// Line (from 1) of byte `offset` of `bytes`.
int LineAt(std::string_view bytes, std::ptrdiff_t offset);

}  // namespace velmora
