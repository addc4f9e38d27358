#pragma once
// Databases and scripted dialogs for the channel tests.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "channels/AudioForm.h"
#include "channels/ChannelCommands.h"
#include "channels/ChannelDialogs.h"
#include "channels/ChannelForm.h"
#include "channels/MoveForm.h"
#include "database/Upkeep.h"
#include "support/ScriptedPrompter.h"
#include "tests/core/TestDatabases.h"

namespace velmora::testing {

// An open, empty database.
inline std::unique_ptr<Database> OpenDatabase() {
    auto db = std::make_unique<Database>();
    ResetToNewDatabase(*db);
    db->database_open = true;
    return db;
}

inline int AddSatellite(Database& db, const std::string& name) {
    const int s = db.sat_count();
    db.satellites[s].set_name(name);
    db.set_sat_count(s + 1);
    return s;
}

inline int AddTransponder(Database& db, int satellite, int tp_id, int frequency = 11000,
                          int polarisation = 0, int symbol_rate = 27500, int fec = 3) {
    const int i = db.tp_count();
    Transponder& tp = db.transponders[i];
    tp.set_satellite(static_cast<uint8_t>(satellite));
    tp.set_tp_id(static_cast<uint16_t>(tp_id));
    tp.set_frequency(static_cast<uint16_t>(frequency));
    tp.set_polarisation(static_cast<uint8_t>(polarisation));
    tp.set_symbol_rate(static_cast<uint16_t>(symbol_rate));
    tp.set_fec(static_cast<uint8_t>(fec));
    db.set_tp_count(i + 1);
    return i;
}

inline int Append(Database& db, bool radio, const Channel& ch) {
    const int n = db.channel_count(radio);
    db.channels(radio)[n] = ch;
    db.set_channel_count(radio, n + 1);
    return n;
}

inline std::vector<std::string> Names(const Database& db, bool radio = false) {
    std::vector<std::string> names;
    for (int i = 0; i < db.channel_count(radio); ++i) names.push_back(db.channels(radio)[i].name());
    return names;
}

inline std::vector<uint32_t> GroupKeys(const Database& db, int g, bool radio = false) {
    std::vector<uint32_t> keys;
    for (int i = 0; i < db.favourites.key_count(g, radio); ++i)
        keys.push_back(db.favourites.entry(g, radio, i));
    return keys;
}

// Answers each dialog from a queue of scripted steps; a dialog with no step left fails
// the test and is cancelled.
class ScriptedChannelDialogs : public ChannelDialogs {
public:
    std::deque<std::function<bool(ChannelForm&)>> channel;
    std::deque<std::function<bool(AudioForm&)>> audio;
    std::deque<std::function<bool(MoveForm&)>> move;
    std::vector<MoveForm> moves_offered;
    int channel_runs = 0;
    int audio_runs = 0;

    bool RunChannel(ChannelForm& form) override {
        ++channel_runs;
        return Next(channel, form, "channel");
    }
    bool RunAudio(AudioForm& form) override {
        ++audio_runs;
        return Next(audio, form, "audio");
    }
    bool RunMove(MoveForm& form) override {
        moves_offered.push_back(form);
        return Next(move, form, "move");
    }

private:
    template <typename Form>
    static bool Next(std::deque<std::function<bool(Form&)>>& steps, Form& form, const char* what) {
        if (steps.empty()) {
            ADD_FAILURE() << "unexpected " << what << " dialog";
            return false;
        }
        auto step = steps.front();
        steps.pop_front();
        return step(form);
    }
};

// A channel dialog step: changes the fields, then presses OK as the dialog does.
inline std::function<bool(ChannelForm&)> ConfirmChannel(Prompter& prompter,
                                                        std::function<void(ChannelForm&)> edit) {
    return [&prompter, edit](ChannelForm& form) {
        if (edit) edit(form);
        return PressOk(form, form.record, prompter).end == DialogEnd::Ok;
    };
}

inline std::function<bool(MoveForm&)> MoveTo(std::string to) {
    return [to](MoveForm& form) {
        form.to_text = to;
        return !ValidateAndApply(form, form.to);
    };
}

inline std::function<bool(AudioForm&)> ConfirmAudio(int pid, int language, bool is_default) {
    return [=](AudioForm& form) {
        form.pid_text = std::to_string(pid);
        form.language = language;
        form.is_default = is_default;
        return !ValidateAndApply(form, form.entry);
    };
}

template <typename Form>
std::function<bool(Form&)> Cancel() {
    return [](Form&) { return false; };
}

}  // namespace velmora::testing
