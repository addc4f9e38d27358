#include "satellites/TransponderOps.h"

#include <cstdio>

#include "database/NameLists.h"
#include "database/Upkeep.h"
#include "satellites/ModifiedTpList.h"
#include "satellites/TransponderForm.h"
#include "text/Translate.h"

namespace velmora {

std::vector<int> SatelliteTransponderIndices(const Database& db, int s) {
    std::vector<int> indices;
    for (int i = 0; i < db.tp_count(); ++i) {
        if (db.transponders[i].satellite() == s) indices.push_back(i);
    }
    return indices;
}

int TransponderIndexAt(const Database& db, int s, int k) {
    if (k < 0) return -1;
    for (int i = 0; i < db.tp_count(); ++i) {
        if (db.transponders[i].satellite() == s && k-- == 0) return i;
    }
    return -1;
}

std::string_view FecText(unsigned fec) {
    return NameOr(kFecNames, fec, "?");
}

bool CanAddTransponder(Database& db, Prompter& prompter, Transponder& r) {
    if (db.tp_count() >= kMaxTransponders) {
        prompter.Tell(Translate("satellites", kTransponderFullMessage.data()), Icon::Stop,
                      Translate("satellites", kAddTransponderCaption.data()));
        return false;
    }
    for (int i = 0; i < db.tp_count(); ++i) {
        const Transponder& tp = db.transponders[i];
        if (tp.satellite() == r.satellite() && tp.frequency() == r.frequency() &&
            tp.symbol_rate() == r.symbol_rate() && tp.polarisation() == r.polarisation()) {
            prompter.Tell(Translate("satellites", kTransponderExistsMessage.data()), Icon::Stop,
                          Translate("satellites", kAddTransponderCaption.data()));
            return false;
        }
    }
    r.set_tp_id(static_cast<uint16_t>(db.LowestFreeTpId()));
    db.transponders[db.tp_count()] = r;
    db.set_tp_count(db.tp_count() + 1);
    return true;
}

bool CanStoreEditedTransponder(const Database& db, Prompter& prompter, const Transponder& r) {
    for (int i = 0; i < db.tp_count(); ++i) {
        const Transponder& tp = db.transponders[i];
        if (tp.satellite() == r.satellite() && tp.frequency() == r.frequency() &&
            tp.symbol_rate() == r.symbol_rate() && tp.tp_flags() == r.tp_flags()) {
            prompter.Tell(Translate("satellites", kTransponderExistsMessage.data()), Icon::Stop,
                          Translate("satellites", kEditTransponderCaption.data()));
            return false;
        }
    }
    return true;
}

void RemoveTransponderWithChannels(Database& db, int index) {
    DeleteTransponderChannels(db, db.transponders[index].tp_id());
    DeleteTransponderAt(db, index);
}

TreeEffect AddTransponder(Database& db, Prompter& prompter, SatelliteDialogs& dialogs, int s) {
    if (s < 0 || s >= db.sat_count()) return {};
    TransponderForm form = TransponderForm::Load(NewTransponderTemplate(s));
    if (!dialogs.RunTransponder(form)) return {};
    if (!CanAddTransponder(db, prompter, form.record)) return {};
    TreeEffect effect;
    effect.change = TreeChange::AppendTransponderNode;
    effect.satellite = s;
    effect.tp_index = db.tp_count() - 1;
    effect.position = static_cast<int>(SatelliteTransponderIndices(db, s).size()) - 1;
    return effect;
}

TreeEffect EditTransponder(Database& db, Prompter& prompter, SatelliteDialogs& dialogs, int s,
                           int k) {
    const int i = TransponderIndexAt(db, s, k);
    if (i < 0) return {};
    TransponderForm form = TransponderForm::Load(db.transponders[i]);
    if (!dialogs.RunTransponder(form)) return {};
    if (!CanStoreEditedTransponder(db, prompter, form.record)) return {};
    db.transponders[i] = form.record;
    TreeEffect effect;
    effect.change = TreeChange::RelabelTransponder;
    effect.satellite = s;
    effect.position = k;
    effect.tp_index = i;
    return effect;
}

TreeEffect DeleteTransponder(Database& db, Prompter& prompter, int s, int k) {
    const int i = TransponderIndexAt(db, s, k);
    if (i < 0) return {};
    const Transponder& tp = db.transponders[i];
    char row[96];
    std::snprintf(row, sizeof row, "%d | %d | %s | %d | %s", k + 1, tp.frequency(),
                  kPolarisationNames[tp.polarisation()].data(), tp.symbol_rate(),
                  FecText(tp.fec()).data());
    if (!prompter.AskYes(
            Fill(VT_TR("satellites", "Are you sure to delete this transponder ?\n%1"), {row})))
        return {};
    RemoveTransponderWithChannels(db, i);

    TreeEffect effect;
    effect.change = TreeChange::RemoveTransponderNode;
    effect.satellite = s;
    effect.position = k;
    effect.tp_index = i;
    // The selected node now stands for the next transponder; when the deleted one was
    // the last, its neighbour before it (or the satellite) takes the selection.
    const int remaining = static_cast<int>(SatelliteTransponderIndices(db, s).size());
    effect.select_satellite = s;
    if (remaining > 0) {
        effect.select = TreeSelect::Transponder;
        effect.select_position = k < remaining ? k : remaining - 1;
    } else {
        effect.select = TreeSelect::Satellite;
    }
    effect.refill_channels = true;
    return effect;
}

TreeEffect ModifyTransponders(Database& db, Prompter& prompter, SatelliteDialogs& dialogs, int n) {
    if (n < 0 || n >= db.sat_count()) return {};
    ModifiedTpList list(db, prompter, dialogs, n);
    dialogs.RunModifyTransponders(list);
    if (!list.modified()) return {};
    TreeEffect effect;
    effect.change = TreeChange::RebuildSatellites;
    effect.select = TreeSelect::Satellite;
    effect.select_satellite = n < db.sat_count() ? n : 0;
    effect.refill_channels = true;
    return effect;
}

}  // namespace velmora
