#include "satxml/SatXmlForms.h"

#include <algorithm>
#include <cctype>

#include "database/NameLists.h"
#include "satellites/TransponderOps.h"
#include "satxml/SatXmlMapping.h"
#include "text/Translate.h"

namespace velmora {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::string TransponderText(const Transponder& tp) {
    return std::to_string(tp.frequency()) + " " +
           std::string(kPolarisationNames[tp.polarisation()]) + " " +
           std::to_string(tp.symbol_rate()) + " " + std::string(FecText(tp.fec()));
}

// "%1 satellite" for one, "%1 satellites" otherwise, translated.
std::string Counted(int n, const char* one, const char* many) {
    return Fill(Translate("satxml", n == 1 ? one : many), {std::to_string(n)});
}

}  // namespace

SatXmlLoadForm SatXmlLoadForm::Load(const Database& db, const std::vector<XmlSatellite>& sats) {
    SatXmlLoadForm form;
    for (const XmlSatellite& sat : sats) {
        int skipped = 0;
        form.rows.push_back({PositionText(sat.position), sat.name, RecordSatelliteName(sat.name),
                             IsCBand(sat) ? "C" : "Ku",
                             static_cast<int>(UsableTransponders(sat, 0, skipped).size())});
    }
    form.free_satellites = kMaxSatellites - db.sat_count();
    form.free_transponders = kMaxTransponders - db.tp_count();
    return form;
}

bool SatXmlLoadForm::Shows(int i) const {
    if (filter.empty()) return true;
    const std::string wanted = Lower(filter);
    const SatXmlLoadRow& row = rows[static_cast<size_t>(i)];
    return Lower(row.position).find(wanted) != std::string::npos ||
           Lower(row.name).find(wanted) != std::string::npos;
}

std::vector<int> SatXmlLoadForm::Chosen() const {
    std::vector<int> chosen;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].checked) chosen.push_back(static_cast<int>(i));
    return chosen;
}

int SatXmlLoadForm::ChosenTransponders() const {
    int count = 0;
    for (const SatXmlLoadRow& row : rows)
        if (row.checked) count += row.transponders;
    return count;
}

std::string SatXmlLoadForm::Counts() const {
    const std::string satellites =
        Counted(static_cast<int>(Chosen().size()), VT_TR_NOOP("satxml", "%1 satellite"),
                VT_TR_NOOP("satxml", "%1 satellites"));
    const std::string transponders =
        Counted(ChosenTransponders(), VT_TR_NOOP("satxml", "%1 transponder"),
                VT_TR_NOOP("satxml", "%1 transponders"));
    //: "adds 2 satellites / 3 transponders of 61/1997 free"
    return Fill(VT_TR("satxml", "adds %1 / %2 of %3/%4 free"),
                {satellites, transponders, std::to_string(free_satellites),
                 std::to_string(free_transponders)});
}

bool SatXmlLoadForm::Fits() const {
    const int satellites = static_cast<int>(Chosen().size());
    return satellites > 0 && satellites <= free_satellites &&
           ChosenTransponders() <= free_transponders;
}

SatXmlUpdateForm SatXmlUpdateForm::Load(const Database& db, XmlUpdatePlan plan) {
    SatXmlUpdateForm form;
    for (const Transponder& tp : plan.added)
        form.rows.push_back({VT_TR("satxml", "Add"), db.satellites[tp.satellite()].name(),
                             TransponderText(tp), ""});
    for (const XmlTpUpdate& u : plan.updated)
        form.rows.push_back({VT_TR("satxml", "Change"), db.satellites[u.satellite].name(),
                             TransponderText(u.after),
                             Fill(VT_TR("satxml", "was %1"), {TransponderText(u.before)})});
    for (const XmlTpVanished& v : plan.vanished)
        form.rows.push_back({VT_TR("satxml", "Vanished"), db.satellites[v.satellite].name(),
                             TransponderText(db.transponders[v.index]),
                             Counted(v.channels, VT_TR_NOOP("satxml", "%1 channel"),
                                     VT_TR_NOOP("satxml", "%1 channels"))});
    form.plan = std::move(plan);
    return form;
}

std::string SatXmlUpdateForm::Summary() const {
    return Fill(VT_TR("satxml", "adds %1, changes %2, vanished %3 (%4 without channels)"),
                {std::to_string(plan.added.size()), std::to_string(plan.updated.size()),
                 std::to_string(plan.vanished.size()), std::to_string(plan.Removable())});
}

}  // namespace velmora
