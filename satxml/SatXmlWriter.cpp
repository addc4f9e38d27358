#include "satxml/SatXmlWriter.h"

#include <pugixml.hpp>
#include <sstream>

#include "database/Latin1.h"
#include "satxml/SatXmlMapping.h"

namespace velmora {

std::string SatellitesXml(const Database& db) {
    pugi::xml_document doc;
    pugi::xml_node declaration = doc.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node root = doc.append_child("satellites");
    for (int s = 0; s < db.sat_count(); ++s) {
        const Satellite& sat = db.satellites[s];
        const int position = PositionOf(sat);
        pugi::xml_node node = root.append_child("sat");
        const std::string name = PositionText(position) + " " + Latin1ToUtf8(sat.name());
        node.append_attribute("name") = name.c_str();
        node.append_attribute("flags") = "1";
        node.append_attribute("position") = position;
        for (int i = 0; i < db.tp_count(); ++i) {
            const Transponder& tp = db.transponders[i];
            if (tp.satellite() != s) continue;
            pugi::xml_node t = node.append_child("transponder");
            t.append_attribute("frequency") = static_cast<long long>(tp.frequency()) * 1000;
            t.append_attribute("symbol_rate") = static_cast<long long>(tp.symbol_rate()) * 1000;
            t.append_attribute("polarization") = static_cast<int>(tp.polarisation());
            t.append_attribute("fec_inner") = tp.fec() <= 5 ? static_cast<int>(tp.fec()) : 0;
            t.append_attribute("system") = 0;
            t.append_attribute("modulation") = 1;
        }
    }
    std::ostringstream out;
    doc.save(out, "\t", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

}  // namespace velmora
