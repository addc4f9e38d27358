#pragma once
// The "Channel Parameters" dialog's fields over a working copy of one channel record:
// what the dialog shows when it opens, the satellite and transponder rows it offers, and
// what OK checks and stores. Nothing in the database changes here; the caller copies
// `record` back when the dialog ends with OK.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "channels/AudioEntries.h"
#include "channels/FieldChecks.h"
#include "database/Database.h"
#include "database/Interaction.h"

namespace velmora {

inline constexpr int kChannelDialogId = 136;
inline constexpr int kIdChannelNumber = 1039;  // "No.", always disabled
inline constexpr int kIdChannelName = 1040;
inline constexpr int kIdVideoPid = 1041;
inline constexpr int kIdPcrPid = 1043;
inline constexpr int kIdTtxPid = 1044;
inline constexpr int kIdSatelliteList = 1045;
inline constexpr int kIdTransponderList = 1016;
inline constexpr int kIdAudioPidList = 1066;
inline constexpr int kIdAudioAdd = 1032;
inline constexpr int kIdAudioEdit = 1034;
inline constexpr int kIdAudioDelete = 1035;
inline constexpr int kIdLock = 1038;
inline constexpr int kIdScramble = 1037;
inline constexpr std::array<int, 8> kIdFavourite = {1046, 1047, 1048, 1049, 1050, 1051, 1024, 1025};
inline constexpr std::array<int, 3> kIdAudioMode = {1053, 1054, 1055};  // Stereo, Left, Right

inline constexpr int kMaxNameLength = 15;
inline constexpr int kNoVideoPid = 8191;

class ChannelForm {
public:
    // Opens the form on `record`: fields, audio list, satellite rows and the transponder
    // rows of the channel's satellite. `number` is shown in "No."; `radio` disables the
    // video PID; a clear `change_transponder` disables both lists.
    ChannelForm(const Database& db, const Channel& record, int number, bool radio,
                bool change_transponder);

    // Inputs.
    const Database* db;
    Channel record;  // the working copy; holds the edited record after OK
    int number;
    bool radio;
    bool change_transponder;

    // Fields, as the dialog's controls hold them. `name` is bytes (ISO-8859-1).
    std::string name;
    std::string pcr_pid, video_pid, ttx_pid;
    std::array<bool, 8> fav{};
    bool lock = false;
    bool scramble = false;
    int audio_mode = -1;  // 0 Stereo, 1 Left, 2 Right, -1 none set
    AudioList audio;

    std::vector<std::string> satellite_rows;
    int satellite_row = -1;
    std::vector<std::string> transponder_rows;
    std::vector<int> transponder_ids;  // tp_id of each transponder row
    int transponder_row = -1;

    bool video_enabled() const { return !radio; }
    bool lists_enabled() const { return change_transponder; }

    // Selects satellite row `row` (-1 for none) and refills the transponder rows, selecting
    // the row of the record's transponder, or row 0 when it is not among them.
    void SelectSatellite(int row);

    // OK's field checks in their order: name length, then PCR, teletext and video PID.
    std::optional<FieldRefusal> CheckFields() const;

    // OK's checks: the field checks, the audio list, then a transponder must be chosen
    // ("Do not find the transponder" on the transponder list).
    std::optional<FieldRefusal> Validate() const;
    // Stores the fields in `target`; a channel moved where its number is taken gets a new
    // one.
    void ApplyTo(Channel& target) const;

private:
    void FillTransponderRows(int satellite);
};

// Rows of the satellite list: "%d-%s" with the 1-based position and the name.
std::vector<std::string> SatelliteRows(const Database& db);
// Row text of a transponder: "%d/%s/%d/%s" with frequency, polarisation, symbol rate, FEC.
std::string TransponderRow(const Transponder& tp);
// One more than the largest service_number among the TV and radio channels on `tp_id`
// (1 when there is none). When that would not fit 16 bits, the lowest free number from 1.
int NextServiceNumber(const Database& db, int tp_id);
// The lowest service_number from 1 up that no TV or radio channel on `tp_id` carries.
int LowestFreeServiceNumber(const Database& db, int tp_id);

}  // namespace velmora
