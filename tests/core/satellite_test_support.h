#pragma once
// Scripted dialogs and small databases for the satellite and transponder tests.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "database/Database.h"
#include "satellites/ModifiedTpList.h"
#include "satellites/SatelliteDialogs.h"
#include "satellites/SatelliteForm.h"
#include "satellites/TransponderForm.h"
#include "satellites/TreeEffect.h"
#include "satellites/TreeState.h"
#include "tests/support/ScriptedPrompter.h"

namespace velmora::testing {

// Each Run pops the next scripted step; a dialog the script did not expect fails the
// test and is cancelled.
class ScriptedSatelliteDialogs : public SatelliteDialogs {
public:
    std::deque<std::function<bool(SatelliteForm&)>> satellite;
    std::deque<std::function<bool(TransponderForm&)>> transponder;
    std::deque<std::function<void(ModifiedTpList&)>> modify;
    std::deque<std::function<bool(int, int&)>> move;
    std::vector<int> proposed_to;  // the To each Move dialog opened with

    bool RunSatellite(SatelliteForm& form) override { return Pop(satellite, "satellite", form); }
    bool RunTransponder(TransponderForm& form) override {
        return Pop(transponder, "transponder", form);
    }
    void RunModifyTransponders(ModifiedTpList& list) override {
        if (modify.empty()) {
            ADD_FAILURE() << "unexpected Modified TP dialog";
            return;
        }
        auto step = modify.front();
        modify.pop_front();
        step(list);
    }
    bool RunMove(int from, int& to) override {
        proposed_to.push_back(to);
        if (move.empty()) {
            ADD_FAILURE() << "unexpected Move dialog";
            return false;
        }
        auto step = move.front();
        move.pop_front();
        return step(from, to);
    }

private:
    template <typename Form>
    static bool Pop(std::deque<std::function<bool(Form&)>>& steps, const char* what, Form& form) {
        if (steps.empty()) {
            ADD_FAILURE() << "unexpected " << what << " dialog";
            return false;
        }
        auto step = steps.front();
        steps.pop_front();
        return step(form);
    }
};

// Dialog steps: press OK (true when the form accepted it) or Cancel.
inline bool PressOk(SatelliteForm& f) {
    return !ValidateAndApply(f, f.record);
}
inline bool PressOk(TransponderForm& f) {
    return !ValidateAndApply(f, f.record);
}
inline auto OkWith(std::function<void(TransponderForm&)> edit) {
    return [edit](TransponderForm& f) {
        edit(f);
        return !ValidateAndApply(f, f.record);
    };
}
inline auto MoveTo(int to) {
    return [to](int, int& t) {
        t = to;
        return true;
    };
}

struct TpRow {
    int satellite;
    int frequency;
    int symbol_rate = 27500;
    int polarisation = 0;
    int fec = 0;
    int tp_id = -1;  // -1: the next id in order
};

// An open database with satellites "S0".."S<n-1>", the given transponders in table
// order, and channels given by the tp_id they belong to.
inline std::unique_ptr<Database> MakeDatabase(int satellites, const std::vector<TpRow>& tps = {},
                                              const std::vector<int>& tv_tp_ids = {},
                                              const std::vector<int>& radio_tp_ids = {}) {
    auto db = std::make_unique<Database>();
    db->database_open = true;
    for (int s = 0; s < satellites; ++s) {
        db->satellites[s] = NewSatelliteTemplate();
        db->satellites[s].set_name("S" + std::to_string(s));
    }
    db->set_sat_count(satellites);
    int next_id = 0;
    for (size_t i = 0; i < tps.size(); ++i) {
        Transponder tp;
        tp.set_satellite(static_cast<uint8_t>(tps[i].satellite));
        tp.set_frequency(static_cast<uint16_t>(tps[i].frequency));
        tp.set_symbol_rate(static_cast<uint16_t>(tps[i].symbol_rate));
        tp.set_polarisation(static_cast<uint8_t>(tps[i].polarisation));
        tp.set_fec(static_cast<uint8_t>(tps[i].fec));
        tp.set_tp_id(static_cast<uint16_t>(tps[i].tp_id >= 0 ? tps[i].tp_id : next_id));
        next_id = tp.tp_id() + 1;
        db->transponders[i] = tp;
    }
    db->set_tp_count(static_cast<int>(tps.size()));
    for (bool radio : {false, true}) {
        const auto& ids = radio ? radio_tp_ids : tv_tp_ids;
        for (size_t i = 0; i < ids.size(); ++i) {
            Channel& ch = db->channels(radio)[i];
            ch.set_tp_id(static_cast<uint16_t>(ids[i]));
            ch.set_service_number(static_cast<uint16_t>(i + 1));
        }
        db->set_channel_count(radio, static_cast<int>(ids.size()));
    }
    return db;
}

// The satellite byte of every transponder in use, in table order.
inline std::vector<int> TransponderSatellites(const Database& db) {
    std::vector<int> out;
    for (int i = 0; i < db.tp_count(); ++i) out.push_back(db.transponders[i].satellite());
    return out;
}

inline std::vector<std::string> SatelliteNames(const Database& db) {
    std::vector<std::string> out;
    for (int s = 0; s < db.sat_count(); ++s) out.push_back(db.satellites[s].name());
    return out;
}

inline std::vector<int> ChannelTpIds(const Database& db, bool radio) {
    std::vector<int> out;
    for (int i = 0; i < db.channel_count(radio); ++i) out.push_back(db.channels(radio)[i].tp_id());
    return out;
}

// The satellite and the transponder (tp_id) the list shows once the tree selects what
// `e` says; -1 for none.
inline int SelectedSatellite(const TreeEffect& e) {
    return e.select == TreeSelect::Nothing ? -1 : e.select_satellite;
}
inline int SelectedTpId(const Database& db, const TreeEffect& e) {
    if (e.select != TreeSelect::Transponder) return -1;
    NodeMap map;
    map.Build(db, e.select_satellite);
    const int i = map.TableIndex(e.select_satellite, e.select_position);
    return i < 0 ? -1 : db.transponders[i].tp_id();
}

}  // namespace velmora::testing
