#include "cli/SatXmlCommands.h"

#include <optional>

#include "cli/JsonSchema.h"
#include "cli/OpenSave.h"
#include "cli/StreamPrompter.h"
#include "satxml/SatXmlImport.h"

namespace velmora::cli {
namespace {

std::string NoMatchMessage(const std::string& name) {
    return "No satellite of the satellites.xml matches \"" + name + "\".";
}

std::string ImportedMessage(const XmlImportCounts& c) {
    return "Imported " + std::to_string(c.satellites) + " satellites with " +
           std::to_string(c.transponders) + " transponders (" + std::to_string(c.skipped) +
           " skipped)";
}

// The satellites.xml, read before the database's lock is taken: it is input, not the file
// being edited. Null, with the reason told, when it cannot be read.
std::optional<SatXmlRead> ReadOrTell(const std::string& xml_path, std::ostream& err) {
    SatXmlRead read = ReadSatellitesXmlFile(xml_path);
    if (read.ok()) return read;
    Tell(err, read.problem);
    return std::nullopt;
}

}  // namespace

int XmlImport(const std::string& sdx_path, const std::string& xml_path,
              const std::vector<std::string>& sats, std::ostream& err) {
    const std::optional<SatXmlRead> read = ReadOrTell(xml_path, err);
    if (!read) return 1;
    XmlImportCounts counts;
    const int code = EditOrTell(
        sdx_path,
        [&](Database& db) {
            std::string unmatched;
            const auto chosen = MatchXmlSatellites(read->satellites, sats, unmatched);
            if (!chosen) {
                Tell(err, NoMatchMessage(unmatched));
                return EditChange::Refused;
            }
            StreamPrompter prompter(err);
            if (!ImportXmlSatellites(db, read->satellites, *chosen, prompter, counts))
                return EditChange::Refused;
            return counts.satellites > 0 ? EditChange::Made : EditChange::None;
        },
        err);
    if (code == 0) Tell(err, ImportedMessage(counts));
    return code;
}

int XmlUpdate(const std::string& sdx_path, const std::string& xml_path, bool remove_vanished,
              std::ostream& out, std::ostream& err) {
    Json vanished = Json::array();
    const std::optional<SatXmlRead> read = ReadOrTell(xml_path, err);
    if (!read) return 1;
    std::optional<XmlUpdateCounts> counts;
    const int code = EditOrTell(
        sdx_path,
        [&](Database& db) {
            const XmlUpdatePlan plan = PlanXmlUpdate(db, read->satellites);
            StreamPrompter prompter(err);
            counts = ApplyXmlUpdate(db, plan, remove_vanished, prompter);
            if (!counts) return EditChange::Refused;
            for (const XmlTpVanished& v : plan.vanished) {
                vanished.push_back(Json{{"satellite", v.satellite},
                                        {"transponder", v.index},
                                        {"channels", v.channels}});
            }
            // As Save: a file that nothing changed is not written again.
            return counts->changed() ? EditChange::Made : EditChange::None;
        },
        err);
    if (code != 0) return code;
    out << Json{{"added", counts->added},
                {"updated", counts->updated},
                {"vanished", std::move(vanished)},
                {"removed", counts->removed}}
               .dump(2)
        << '\n';
    return Finish(out, err, 0);
}

}  // namespace velmora::cli
