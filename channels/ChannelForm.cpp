#include "channels/ChannelForm.h"

#include <algorithm>

#include "database/NameLists.h"
#include "text/Translate.h"

namespace velmora {

std::vector<std::string> SatelliteRows(const Database& db) {
    std::vector<std::string> rows;
    rows.reserve(db.sat_count());
    for (int s = 0; s < db.sat_count(); ++s)
        rows.push_back(std::to_string(s + 1) + "-" + db.satellites[s].name());
    return rows;
}

std::string TransponderRow(const Transponder& tp) {
    return std::to_string(tp.frequency()) + "/" +
           std::string(NameOr(kPolarisationNames, tp.polarisation())) + "/" +
           std::to_string(tp.symbol_rate()) + "/" + std::string(NameOr(kFecNames, tp.fec()));
}

namespace {

bool KeyInUse(const Database& db, uint32_t key) {
    for (bool radio_table : {false, true}) {
        const auto& table = db.channels(radio_table);
        for (int i = 0; i < db.channel_count(radio_table); ++i)
            if (table[i].key() == key) return true;
    }
    return false;
}

}  // namespace

int NextServiceNumber(const Database& db, int tp_id) {
    int highest = 0;
    for (bool radio_table : {false, true}) {
        const auto& table = db.channels(radio_table);
        for (int i = 0; i < db.channel_count(radio_table); ++i) {
            if (table[i].tp_id() == tp_id)
                highest = std::max<int>(highest, table[i].service_number());
        }
    }
    if (highest < 0xFFFF) return highest + 1;
    // max + 1 would wrap to 0, the value that asks for a number: take the lowest free one.
    return LowestFreeServiceNumber(db, tp_id);
}

int LowestFreeServiceNumber(const Database& db, int tp_id) {
    std::vector<bool> used(0x10000, false);
    for (bool radio_table : {false, true}) {
        const auto& table = db.channels(radio_table);
        for (int i = 0; i < db.channel_count(radio_table); ++i) {
            if (table[i].tp_id() == tp_id) used[table[i].service_number()] = true;
        }
    }
    int n = 1;
    while (n < 0xFFFF && used[n]) ++n;
    return n;
}

ChannelForm::ChannelForm(const Database& database, const Channel& working_copy, int no,
                         bool radio_channel, bool may_change_transponder)
    : db(&database),
      record(working_copy),
      number(no),
      radio(radio_channel),
      change_transponder(may_change_transponder) {
    name = record.name();
    pcr_pid = std::to_string(record.pcr_pid());
    video_pid = std::to_string(record.video_pid());
    ttx_pid = std::to_string(record.ttx_pid());
    for (int g = 0; g < 8; ++g) fav[g] = record.fav(g);
    lock = record.locked() != 0;
    scramble = record.fta() == 0;
    audio_mode = record.audio_mode() <= 2 ? static_cast<int>(record.audio_mode()) : -1;
    audio = ReadAudioEntries(record);
    satellite_rows = SatelliteRows(*db);
    const int satellite = db->SatelliteOfTransponder(record.tp_id());
    SelectSatellite(satellite < db->sat_count() ? satellite : -1);
}

void ChannelForm::SelectSatellite(int row) {
    satellite_row = row >= 0 && row < int(satellite_rows.size()) ? row : -1;
    FillTransponderRows(satellite_row);
}

void ChannelForm::FillTransponderRows(int satellite) {
    transponder_rows.clear();
    transponder_ids.clear();
    transponder_row = -1;
    if (satellite < 0) return;
    for (int i = 0; i < db->tp_count(); ++i) {
        const Transponder& tp = db->transponders[i];
        if (tp.satellite() != satellite) continue;
        if (tp.tp_id() == record.tp_id() && transponder_row < 0)
            transponder_row = static_cast<int>(transponder_rows.size());
        transponder_rows.push_back(TransponderRow(tp));
        transponder_ids.push_back(tp.tp_id());
    }
    if (transponder_row < 0 && !transponder_rows.empty()) transponder_row = 0;
}

std::optional<FieldRefusal> ChannelForm::CheckFields() const {
    if (int(name.size()) > kMaxNameLength)
        return FieldRefusal{kIdChannelName, TooLongMessage(kMaxNameLength)};
    int value = 0;
    const std::array<std::pair<const std::string*, int>, 3> pids = {
        {{&pcr_pid, kIdPcrPid}, {&ttx_pid, kIdTtxPid}, {&video_pid, kIdVideoPid}}};
    // Every PID must be a number before any range is judged.
    for (const auto& [text, control] : pids) {
        if (auto failure = CheckIntegerField(control, *text, value)) return failure;
    }
    for (const auto& [text, control] : pids) {
        if (auto failure = CheckIntegerField(control, *text, value, 1, kNoVideoPid)) return failure;
    }
    return std::nullopt;
}

std::optional<FieldRefusal> ChannelForm::Validate() const {
    if (auto failure = CheckFields()) return failure;
    // Checked before anything is stored, so a refused list leaves the dialog as it was.
    if (auto problem = AudioListProblem(audio)) return FieldRefusal{kIdAudioPidList, *problem};
    // Like any other refused field: the dialog stays open and nothing typed is lost.
    if (transponder_row < 0 || transponder_row >= int(transponder_ids.size()))
        return FieldRefusal{kIdTransponderList, VT_TR("channels", "Do not find the transponder"),
                            Icon::Error, VT_TR_NOOP("database", "Error")};
    return std::nullopt;
}

void ChannelForm::ApplyTo(Channel& target) const {
    target.set_name(FilterNameBytes(name));
    const int video = *ParseInteger(video_pid);
    target.set_video_pid(static_cast<uint16_t>(video));
    target.set_ttx_pid(static_cast<uint16_t>(*ParseInteger(ttx_pid)));
    target.set_pcr_pid(static_cast<uint16_t>(*ParseInteger(pcr_pid)));
    for (int g = 0; g < 8; ++g) target.set_fav(g, fav[g]);
    target.set_audio_mode(static_cast<uint32_t>(audio_mode) & 3u);
    target.set_locked(lock ? 1u : 0u);
    target.set_fta(scramble ? 0u : 1u);

    const uint16_t old_tp_id = target.tp_id();
    target.set_tp_id(static_cast<uint16_t>(transponder_ids[transponder_row]));
    // A channel moved onto a transponder where its number is taken would share its
    // channel key, and with it its favourite entries: it takes a new number there.
    if (target.service_number() == 0 ||
        (target.tp_id() != old_tp_id && KeyInUse(*db, target.key())))
        target.set_service_number(static_cast<uint16_t>(NextServiceNumber(*db, target.tp_id())));
    WriteAudioEntries(audio, target);
    target.set_radio_flag(video == kNoVideoPid ? 1u : 0u);
}

}  // namespace velmora
