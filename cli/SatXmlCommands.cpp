#include "cli/SatXmlCommands.h"

#include "cli/JsonSchema.h"
#include "cli/OpenSave.h"
#include "cli/StreamPrompter.h"
#include "satxml/SatXmlImport.h"
#include "satxml/SatXmlWriter.h"

namespace velmora::cli {
namespace {

constexpr const char* kCannotSave = "Can not save file!";

std::string NoMatchMessage(const std::string& name) {
    return "No satellite of the satellites.xml matches \"" + name + "\".";
}

std::string ImportedMessage(const XmlImportCounts& c) {
    return "Imported " + std::to_string(c.satellites) + " satellites with " +
           std::to_string(c.transponders) + " transponders (" + std::to_string(c.skipped) +
           " skipped)";
}

}  // namespace

int XmlImport(const std::string& sdx_path, const std::string& xml_path,
              const std::vector<std::string>& sats, std::ostream& err) {
    const auto db = OpenOrTell(sdx_path, FileAccess::ReadWrite, err);
    if (!db) return 1;
    const SatXmlRead read = ReadSatellitesXmlFile(xml_path);
    if (!read.ok()) {
        err << read.problem << '\n';
        return 1;
    }
    std::string unmatched;
    const auto chosen = MatchXmlSatellites(read.satellites, sats, unmatched);
    if (!chosen) {
        err << NoMatchMessage(unmatched) << '\n';
        return 1;
    }
    StreamPrompter prompter(err);
    XmlImportCounts counts;
    if (!ImportXmlSatellites(*db, read.satellites, *chosen, prompter, counts)) return 1;
    if (SaveOrTell(*db, sdx_path, err, Backup::KeepOld) != 0) return 1;
    err << ImportedMessage(counts) << '\n';
    return 0;
}

int XmlUpdate(const std::string& sdx_path, const std::string& xml_path, bool remove_vanished,
              std::ostream& out, std::ostream& err) {
    const auto db = OpenOrTell(sdx_path, FileAccess::ReadWrite, err);
    if (!db) return 1;
    const SatXmlRead read = ReadSatellitesXmlFile(xml_path);
    if (!read.ok()) {
        err << read.problem << '\n';
        return 1;
    }
    const XmlUpdatePlan plan = PlanXmlUpdate(*db, read.satellites);
    StreamPrompter prompter(err);
    const auto counts = ApplyXmlUpdate(*db, plan, remove_vanished, prompter);
    if (!counts) return 1;
    // As Save: a file that nothing changed is not written again.
    if (counts->changed() && SaveOrTell(*db, sdx_path, err, Backup::KeepOld) != 0) return 1;
    Json vanished = Json::array();
    for (const XmlTpVanished& v : plan.vanished)
        vanished.push_back(
            Json{{"satellite", v.satellite}, {"transponder", v.index}, {"channels", v.channels}});
    out << Json{{"added", counts->added},
                {"updated", counts->updated},
                {"vanished", std::move(vanished)},
                {"removed", counts->removed}}
               .dump(2)
        << '\n';
    return 0;
}

int ExportSatellitesXml(const std::string& sdx_path, const std::string& out_path, std::ostream& out,
                        std::ostream& err) {
    const auto db = OpenOrTell(sdx_path, FileAccess::ReadOnly, err);
    if (!db) return 1;
    const std::string text = SatellitesXml(*db);
    if (out_path.empty()) {
        out << text;
        return out ? 0 : 1;
    }
    if (!ReplaceFileAtomically(out_path, std::vector<uint8_t>(text.begin(), text.end()))) {
        err << kCannotSave << '\n';
        return 1;
    }
    return 0;
}

}  // namespace velmora::cli
