#include "satellites/SatelliteOps.h"

#include <algorithm>
#include <limits>
#include <string>

#include "database/Latin1.h"
#include "satellites/SatelliteForm.h"
#include "satellites/TransponderOps.h"
#include "text/Translate.h"

namespace velmora {
namespace {

bool IsSatellite(const Database& db, int n) {
    return n >= 0 && n < db.sat_count();
}

// The end of Move, Swap and Delete: the satellite nodes are rebuilt and satellite
// `select` (or none when -1) is selected, which makes the channel list show it.
TreeEffect RebuildAndSelect(int select) {
    TreeEffect effect;
    effect.change = TreeChange::RebuildSatellites;
    effect.select = select >= 0 ? TreeSelect::Satellite : TreeSelect::Nothing;
    effect.select_satellite = select;
    effect.refill_channels = true;
    return effect;
}

}  // namespace

bool CanAddSatellite(Database& db, Prompter& prompter, const Satellite& sat) {
    const int count = db.sat_count();
    if (count >= kMaxSatellites) {
        prompter.Tell(Translate("satellites", kSatellitesFullMessage.data()));
        return false;
    }
    db.satellites[count] = sat;
    db.set_sat_count(count + 1);
    return true;
}

bool HasRoomFor(const Database& db, Prompter& prompter, int satellites, int transponders) {
    if (db.sat_count() + satellites > kMaxSatellites) {
        prompter.Tell(Translate("satellites", kSatellitesFullMessage.data()));
        return false;
    }
    if (db.tp_count() + transponders > kMaxTransponders) {
        prompter.Tell(Translate("satellites", kTransponderFullMessage.data()), Icon::Stop,
                      Translate("satellites", kAddTransponderCaption.data()));
        return false;
    }
    return true;
}

TreeEffect AddSatellite(Database& db, Prompter& prompter, SatelliteDialogs& dialogs) {
    const int count = db.sat_count();
    if (count >= kMaxSatellites) {
        prompter.Tell(Translate("satellites", kSatellitesFullMessage.data()));
        return {};
    }
    SatelliteForm form = SatelliteForm::Load(db, count, NewSatelliteTemplate());
    if (!dialogs.RunSatellite(form)) return {};
    if (!CanAddSatellite(db, prompter, form.record)) return {};
    TreeEffect effect;
    effect.change = TreeChange::AddSatelliteNode;
    effect.satellite = count;
    return effect;
}

TreeEffect EditSatellite(Database& db, SatelliteDialogs& dialogs, int n) {
    if (!IsSatellite(db, n)) return {};
    SatelliteForm form = SatelliteForm::Load(db, n, db.satellites[n]);
    if (!dialogs.RunSatellite(form)) return {};
    db.satellites[n] = form.record;
    TreeEffect effect;
    effect.change = TreeChange::RelabelSatellite;
    effect.satellite = n;
    return effect;
}

TreeEffect MoveSatellite(Database& db, Prompter& prompter, SatelliteDialogs& dialogs,
                         SatelliteTreeState& state, int n) {
    const int count = db.sat_count();
    if (!IsSatellite(db, n)) return {};
    // A remembered place that no longer exists (or never did, after a refused To below 1)
    // is not proposed again.
    if (state.last_move_target > count || state.last_move_target < 1) state.last_move_target = 1;
    int to = state.last_move_target;
    if (!dialogs.RunMove(n + 1, to)) return {};
    // The next Move proposes the place after this one, even when this one is refused.
    state.last_move_target = to < std::numeric_limits<int>::max() ? to + 1 : to;
    const int f = n;
    const int t = to - 1;
    if (to < 1 || t >= count) {
        prompter.Tell(Translate("satellites", kOutOfRangeMessage.data()));
        return {};
    }

    const Satellite moved = db.satellites[f];
    if (f < t) {
        std::copy(db.satellites.begin() + f + 1, db.satellites.begin() + t + 1,
                  db.satellites.begin() + f);
    } else if (t < f) {
        std::copy_backward(db.satellites.begin() + t, db.satellites.begin() + f,
                           db.satellites.begin() + f + 1);
    }
    db.satellites[t] = moved;

    for (int i = 0; i < db.tp_count(); ++i) {
        Transponder& tp = db.transponders[i];
        const int s = tp.satellite();
        if (s == f) {
            tp.set_satellite(static_cast<uint8_t>(t));
        } else if (f < t && s > f && s <= t) {
            tp.set_satellite(static_cast<uint8_t>(s - 1));
        } else if (t < f && s >= t && s < f) {
            tp.set_satellite(static_cast<uint8_t>(s + 1));
        }
    }
    return RebuildAndSelect(n);
}

TreeEffect SwapSatellite(Database& db, Prompter& prompter, SatelliteDialogs& dialogs, int n) {
    if (!IsSatellite(db, n)) return {};
    int to = 1;
    if (!dialogs.RunMove(n + 1, to)) return {};
    const int a = n;
    const int b = to - 1;
    if (to < 1 || b >= db.sat_count()) {
        prompter.Tell(Translate("satellites", kOutOfRangeMessage.data()));
        return {};
    }
    std::swap(db.satellites[a], db.satellites[b]);
    for (int i = 0; i < db.tp_count(); ++i) {
        Transponder& tp = db.transponders[i];
        if (tp.satellite() == a) {
            tp.set_satellite(static_cast<uint8_t>(b));
        } else if (tp.satellite() == b) {
            tp.set_satellite(static_cast<uint8_t>(a));
        }
    }
    return RebuildAndSelect(n);
}

TreeEffect DeleteSatellite(Database& db, Prompter& prompter, int n) {
    if (!IsSatellite(db, n)) return {};
    const std::string question = Fill(VT_TR("satellites", "Are you sure to delete (%1) satellite?"),
                                      {Latin1ToUtf8(db.satellites[n].name())});
    if (!prompter.AskYes(question)) return {};

    for (int i = 0; i < db.tp_count();) {
        if (db.transponders[i].satellite() == n) {
            RemoveTransponderWithChannels(db, i);  // the next record is now at i
        } else {
            ++i;
        }
    }
    const int count = db.sat_count();
    std::copy(db.satellites.begin() + n + 1, db.satellites.begin() + count,
              db.satellites.begin() + n);
    db.set_sat_count(count - 1);
    for (int i = 0; i < db.tp_count(); ++i) {
        Transponder& tp = db.transponders[i];
        if (tp.satellite() >= n) tp.set_satellite(static_cast<uint8_t>(tp.satellite() - 1));
    }

    const int left = db.sat_count();
    return RebuildAndSelect(left == 0 ? -1 : (n < left ? n : 0));
}

}  // namespace velmora
