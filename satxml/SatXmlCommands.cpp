#include "satxml/SatXmlCommands.h"

#include <algorithm>
#include <cctype>

#include "database/CVelmoraDoc.h"
#include "database/DatabaseFile.h"
#include "satxml/SatXmlForms.h"
#include "satxml/SatXmlWriter.h"

namespace velmora {
namespace {

constexpr const char* kLoadTitle = VT_TR_NOOP("satxml", "Load Satellites from satellites.xml");
constexpr const char* kUpdateTitle =
    VT_TR_NOOP("satxml", "Update Transponders from satellites.xml");
constexpr const char* kExportTitle = VT_TR_NOOP("satxml", "Export Satellites as satellites.xml");

// The file's satellites, or nullopt after telling the user why there are none.
std::optional<std::vector<XmlSatellite>> ChooseAndRead(FileChooser& files, Prompter& prompter,
                                                       const char* title) {
    const auto path = files.Choose(
        FileChoice{false, Translate("satxml", title), Translate("satxml", kSatXmlFilter)});
    if (!path) return std::nullopt;
    SatXmlRead read = ReadSatellitesXmlFile(*path);
    if (!read.ok()) {
        prompter.Tell(read.problem, Icon::Error);
        return std::nullopt;
    }
    return std::move(read.satellites);
}

bool EndsWithXml(const std::string& path) {
    if (path.size() < 4) return false;
    std::string tail = path.substr(path.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail == ".xml";
}

}  // namespace

std::vector<int> LoadSatellitesFromXml(Database& db, FileChooser& files, Prompter& prompter,
                                       SatXmlDialogs& dialogs) {
    if (!db.database_open) return {};
    const auto sats = ChooseAndRead(files, prompter, kLoadTitle);
    if (!sats) return {};
    SatXmlLoadForm form = SatXmlLoadForm::Load(db, *sats);
    if (!dialogs.RunSatXmlLoad(form)) return {};
    XmlImportCounts counts;
    const auto added = ImportXmlSatellites(db, *sats, form.Chosen(), prompter, counts);
    return added.value_or(std::vector<int>{});
}

bool UpdateTranspondersFromXml(Database& db, FileChooser& files, Prompter& prompter,
                               SatXmlDialogs& dialogs, int only) {
    if (!db.database_open) return false;
    const auto sats = ChooseAndRead(files, prompter, kUpdateTitle);
    if (!sats) return false;
    XmlUpdatePlan plan = PlanXmlUpdate(db, *sats, only);
    if (plan.added.empty() && plan.updated.empty() && plan.vanished.empty()) {
        prompter.Tell(Translate("satxml", kSatXmlUpToDate), Icon::Information);
        return false;
    }
    SatXmlUpdateForm form = SatXmlUpdateForm::Load(db, std::move(plan));
    if (!dialogs.RunSatXmlUpdate(form)) return false;
    const auto counts = ApplyXmlUpdate(db, form.plan, form.remove_vanished, prompter);
    return counts && counts->changed();
}

bool ExportSatellitesXmlFile(const Database& db, FileChooser& files, Prompter& prompter) {
    if (!db.database_open) return false;
    const auto chosen = files.Choose(
        FileChoice{true, Translate("satxml", kExportTitle), Translate("satxml", kSatXmlFilter)});
    if (!chosen) return false;
    const std::string path = EndsWithXml(*chosen) ? *chosen : *chosen + ".xml";
    const std::string text = SatellitesXml(db);
    if (!ReplaceFileAtomically(path, std::vector<uint8_t>(text.begin(), text.end()))) {
        prompter.Tell(Translate("database", kMsgCannotSave.data()), Icon::Error);
        return false;
    }
    return true;
}

}  // namespace velmora
