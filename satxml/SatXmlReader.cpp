#include "satxml/SatXmlReader.h"

#include <algorithm>
#include <charconv>
#include <pugixml.hpp>

#include "database/DatabaseFile.h"
#include "text/Translate.h"

namespace velmora {
namespace {

constexpr const char* kCannotOpen = VT_TR_NOOP("satxml", "Can't not open the file!");
//: %2 is the XML parser's own English description of the fault.
constexpr const char* kNotXml = VT_TR_NOOP("satxml", "This file is not XML: line %1: %2.");
constexpr const char* kNotSatellitesXml = VT_TR_NOOP(
    "satxml", "This file is not a satellites.xml: its root element is not <satellites>.");
constexpr const char* kTooDeep = VT_TR_NOOP("satxml",
                                            "This file is not a satellites.xml: line %1 nests "
                                            "elements deeper than %2 levels.");
//: %2 and %3 are the file's element and attribute names.
constexpr const char* kBadNumber = VT_TR_NOOP(
    "satxml",
    "This file is not a correct satellites.xml: line %1: <%2> has no whole number as %3.");

// The first element of the document nested deeper than kMaxXmlDepth, or an empty node.
// pugixml walks the tree without recursion, so the walk itself is safe on any depth.
class DepthWalker : public pugi::xml_tree_walker {
public:
    pugi::xml_node too_deep;
    bool for_each(pugi::xml_node& node) override {
        if (depth() >= kMaxXmlDepth) {
            too_deep = node;
            return false;
        }
        return true;
    }
};

std::optional<int64_t> WholeNumber(const pugi::xml_node& node, const char* name) {
    const pugi::xml_attribute attr = node.attribute(name);
    if (!attr) return std::nullopt;
    std::string_view text = attr.value();
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

// Lines of offsets met in increasing order, counted once over the text.
class LineCounter {
public:
    explicit LineCounter(std::string_view bytes) : bytes_(bytes) {}
    int At(std::ptrdiff_t offset) {
        const auto end = static_cast<size_t>(std::clamp<std::ptrdiff_t>(offset, 0, bytes_.size()));
        if (end < done_) return LineAt(bytes_, offset);
        line_ += static_cast<int>(std::count(bytes_.begin() + done_, bytes_.begin() + end, '\n'));
        done_ = end;
        return line_;
    }

private:
    std::string_view bytes_;
    size_t done_ = 0;
    int line_ = 1;
};

}  // namespace

int LineAt(std::string_view bytes, std::ptrdiff_t offset) {
    auto end = static_cast<size_t>(std::clamp<std::ptrdiff_t>(offset, 0, bytes.size()));
    // A fault found at the end of the text belongs to its last line, not the empty one
    // after the final line break.
    if (end == bytes.size() && end > 0 && bytes.back() == '\n') --end;
    return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + end, '\n'));
}

SatXmlRead ParseSatellitesXml(std::string_view bytes) {
    SatXmlRead read;
    pugi::xml_document doc;
    // No parse_doctype: a DOCTYPE is skipped whole and its entities are never expanded.
    const pugi::xml_parse_result parsed =
        doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_auto);
    if (!parsed) {
        read.problem = Fill(Translate("satxml", kNotXml),
                            {std::to_string(LineAt(bytes, parsed.offset)), parsed.description()});
        return read;
    }
    DepthWalker walker;
    doc.traverse(walker);
    if (walker.too_deep) {
        read.problem = Fill(Translate("satxml", kTooDeep),
                            {std::to_string(LineAt(bytes, walker.too_deep.offset_debug())),
                             std::to_string(kMaxXmlDepth)});
        return read;
    }
    const pugi::xml_node root = doc.document_element();
    if (std::string_view(root.name()) != "satellites") {
        read.problem = Translate("satxml", kNotSatellitesXml);
        return read;
    }
    LineCounter lines(bytes);
    for (const pugi::xml_node sat : root.children("sat")) {
        XmlSatellite s;
        s.line = lines.At(sat.offset_debug());
        const auto position = WholeNumber(sat, "position");
        if (!position || *position < -1800 || *position > 1800) {
            read.problem =
                Fill(Translate("satxml", kBadNumber), {std::to_string(s.line), "sat", "position"});
            read.satellites.clear();
            return read;
        }
        s.position = static_cast<int>(*position);
        s.name = sat.attribute("name").value();
        for (const pugi::xml_node tp : sat.children("transponder")) {
            XmlTransponder t;
            t.line = lines.At(tp.offset_debug());
            const auto frequency = WholeNumber(tp, "frequency");
            const auto symbol_rate = WholeNumber(tp, "symbol_rate");
            const auto polarization = WholeNumber(tp, "polarization");
            const auto fec = tp.attribute("fec_inner") ? WholeNumber(tp, "fec_inner") : 0;
            const char* bad = !frequency     ? "frequency"
                              : !symbol_rate ? "symbol_rate"
                              : !polarization || *polarization < 0 || *polarization > 3
                                  ? "polarization"
                              : !fec ? "fec_inner"
                                     : nullptr;
            if (bad) {
                read.problem = Fill(Translate("satxml", kBadNumber),
                                    {std::to_string(t.line), "transponder", bad});
                read.satellites.clear();
                return read;
            }
            t.frequency_khz = *frequency;
            t.symbol_rate = *symbol_rate;
            t.polarization = static_cast<int>(*polarization);
            t.fec_inner = static_cast<int>(std::clamp<int64_t>(*fec, -1, 1000));
            s.transponders.push_back(t);
        }
        read.satellites.push_back(std::move(s));
    }
    return read;
}

SatXmlRead ReadSatellitesXmlFile(const std::string& path) {
    const std::optional<std::string> bytes = ReadInputFile(path);
    if (!bytes) {
        SatXmlRead read;
        read.problem = Translate("satxml", kCannotOpen);
        return read;
    }
    return ParseSatellitesXml(*bytes);
}

}  // namespace velmora
