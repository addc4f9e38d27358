#include "compare/CopyAcross.h"

#include <algorithm>
#include <set>
#include <unordered_set>

#include "channels/ChannelCommands.h"
#include "channels/ChannelForm.h"
#include "compare/DatabaseDiff.h"
#include "compare/Pairing.h"
#include "database/Upkeep.h"
#include "satellites/SatelliteOps.h"
#include "satellites/TransponderOps.h"
#include "text/Translate.h"

namespace velmora {
namespace {

constexpr uint16_t kNoTransponder = 0xFFFF;

// The chosen positions that are valid and unpaired, ascending.
std::set<int> OnlyThere(const std::vector<int>& chosen, const std::vector<int>& b_to_a) {
    std::set<int> out;
    for (int j : chosen) {
        if (j >= 0 && j < static_cast<int>(b_to_a.size()) && b_to_a[j] == kUnpaired) out.insert(j);
    }
    return out;
}

// Position here of a transponder already on satellite `s` with the same frequency,
// symbol rate and polarisation as `t`, or -1.
int ExistingTransponder(const Database& here, int s, const Transponder& t) {
    for (int i = 0; i < here.tp_count(); ++i) {
        const Transponder& h = here.transponders[i];
        if (h.satellite() == s && h.frequency() == t.frequency() &&
            h.symbol_rate() == t.symbol_rate() && h.polarisation() == t.polarisation())
            return i;
    }
    return -1;
}

// The chosen satellites' channels there that no channel here is paired with.
void AddSatelliteChannels(const Database& there, const DatabasePairing& pairing,
                          const std::set<int>& satellites, const std::vector<int>& tp_of_there,
                          std::set<int> (&channels)[2]) {
    for (bool radio : {false, true}) {
        for (int c = 0; c < there.channel_count(radio); ++c) {
            const int t = tp_of_there[there.channels(radio)[c].tp_id()];
            if (t != kUnpaired && satellites.count(there.transponders[t].satellite()) &&
                pairing.channels(radio).b_to_a[c] == kUnpaired)
                channels[radio].insert(c);
        }
    }
}

template <typename Record>
void CopyBytes(Record& to, const Record& from, size_t offset, size_t size) {
    std::copy_n(from.bytes.begin() + static_cast<long>(offset), size,
                to.bytes.begin() + static_cast<long>(offset));
}

bool TakeSatelliteField(Satellite& h, const Satellite& t, std::string_view f) {
    if (f == "name")
        CopyBytes(h, t, 0, Satellite::kNameSize);
    else if (f == "lnb_low")
        h.set_lnb_low(t.lnb_low());
    else if (f == "lnb_high")
        h.set_lnb_high(t.lnb_high());
    else if (f == "angle")
        h.set_angle(t.angle());
    else if (f == "sat_flags")
        h.set_sat_flags(t.sat_flags());
    else
        return false;
    return true;
}

bool TakeTransponderField(Transponder& h, const Transponder& t, std::string_view f) {
    if (f == "frequency")
        h.set_frequency(t.frequency());
    else if (f == "symbol_rate")
        h.set_symbol_rate(t.symbol_rate());
    else if (f == "tp_flags")
        h.set_tp_flags(t.tp_flags());
    else
        return false;
    return true;
}

// The audio area (PIDs and languages) lies between the PIDs and the name.
constexpr size_t kAudioOffset = 8;
constexpr size_t kAudioSize = Channel::kNameOffset - kAudioOffset;

bool TakeChannelField(Channel& h, const Channel& t, std::string_view f) {
    if (f == "name")
        CopyBytes(h, t, Channel::kNameOffset, Channel::kNameSize);
    else if (f == "pcr_pid")
        h.set_pcr_pid(t.pcr_pid());
    else if (f == "video_pid")
        h.set_video_pid(t.video_pid());
    else if (f == "ttx_pid")
        h.set_ttx_pid(t.ttx_pid());
    else if (f == "service_number")
        h.set_service_number(t.service_number());
    else if (f == "ch_flags") {
        // The audio count belongs to the audio.
        const uint32_t count = h.audio_count();
        h.set_ch_flags(t.ch_flags());
        h.set_audio_count(count);
    } else if (f == "audio") {
        CopyBytes(h, t, kAudioOffset, kAudioSize);
        h.set_audio_count(t.audio_count());
    } else {
        return false;
    }
    return true;
}

bool TakeSetting(SettingsBlock& h, const SettingsBlock& t, std::string_view f, int group) {
    if (f.starts_with("fav_names")) {
        if (group < 0 || group >= FavouriteGroups::kGroups) return false;
        CopyBytes(h, t, SettingsBlock::kFavNameOffset + SettingsBlock::kFavNameSize * group,
                  SettingsBlock::kFavNameSize);
    } else if (f == "menu_color")
        h.set_menu_color(t.menu_color());
    else if (f == "transparency")
        h.set_transparency(t.transparency());
    else if (f == "rf_channel")
        h.set_rf_channel(t.rf_channel());
    else if (f == "rf_system")
        h.set_rf_system(t.rf_system());
    else if (f == "menu_language")
        h.set_menu_language(t.menu_language());
    else if (f == "password")
        CopyBytes(h, t, 8, 4);
    else if (f == "lock_flags")
        h.set_lock_flags(t.lock_flags());
    else if (f == "time_offset")
        h.set_time_offset(t.time_offset());
    else if (f == "audio_language")
        h.set_audio_language(t.audio_language());
    else if (f == "tv_flags")
        h.set_tv_flags(t.tv_flags());
    else
        return false;
    return true;
}

bool KeyTaken(const Database& db, uint32_t key) {
    for (bool radio : {false, true}) {
        for (int i = 0; i < db.channel_count(radio); ++i)
            if (db.channels(radio)[i].key() == key) return true;
    }
    return false;
}

// Channel `i` of a table here takes fields of channel `j` there; its favourite groups
// follow its marks and key. False when nothing was taken.
bool TakeChannelFields(Database& here, const Database& there, bool radio, int i, int j,
                       const std::vector<std::string>& fields, Prompter& prompter, bool& told_taken,
                       bool& told_full) {
    const Channel before = here.channels(radio)[i];
    Channel after = before;
    for (const std::string& f : fields) TakeChannelField(after, there.channels(radio)[j], f);
    if (after.key() != before.key() && KeyTaken(here, after.key())) {
        if (!told_taken) prompter.Tell(Translate("compare", kServiceNumberTakenMessage.data()));
        told_taken = true;
        after.set_service_number(before.service_number());
    }
    if (after.bytes == before.bytes) return false;
    for (int g = 0; g < FavouriteGroups::kGroups; ++g) {
        const bool was = before.fav(g);
        const bool is = after.fav(g);
        int done = 1;
        if (was && !is)
            RemoveFavouriteKey(here, g, before.key(), radio);
        else if (!was && is)
            done = AddFavouriteKey(here, g, after.key(), radio);
        else if (was && is && before.key() != after.key())
            done = ReplaceFavouriteKey(here, g, before.key(), after.key(), radio);
        if (done == kCannotDo && !told_full) {
            prompter.Tell(kFavouriteFullMessage);
            told_full = true;
        }
    }
    here.channels(radio)[i] = after;
    return true;
}

// Whether positions `i` here and `j` there are still paired.
bool Paired(const TablePairing& p, int i, int j) {
    return i >= 0 && i < static_cast<int>(p.a_to_b.size()) && j >= 0 && p.a_to_b[i] == j;
}

// The chosen fields of changed records and settings; how many records took any.
int TakeFields(Database& here, const Database& there, const DatabasePairing& pairing,
               const std::vector<FieldCopy>& copies, Prompter& prompter) {
    int taken = 0;
    bool told_taken = false;
    bool told_full = false;
    std::set<int> resort;  // satellites whose transponders changed frequency
    for (const FieldCopy& copy : copies) {
        bool any = false;
        switch (copy.section) {
            case CompareSection::Satellites:
                if (!Paired(pairing.satellites, copy.here, copy.there)) break;
                for (const std::string& f : copy.fields)
                    any |= TakeSatelliteField(here.satellites[copy.here],
                                              there.satellites[copy.there], f);
                break;
            case CompareSection::Transponders:
                if (!Paired(pairing.transponders, copy.here, copy.there)) break;
                for (const std::string& f : copy.fields)
                    any |= TakeTransponderField(here.transponders[copy.here],
                                                there.transponders[copy.there], f);
                if (any) resort.insert(here.transponders[copy.here].satellite());
                break;
            case CompareSection::Tv:
            case CompareSection::Radio: {
                const bool radio = copy.section == CompareSection::Radio;
                if (!Paired(pairing.channels(radio), copy.here, copy.there)) break;
                any = TakeChannelFields(here, there, radio, copy.here, copy.there, copy.fields,
                                        prompter, told_taken, told_full);
                break;
            }
            case CompareSection::Settings:
                for (const std::string& f : copy.fields)
                    any |= TakeSetting(here.settings, there.settings, f, copy.here);
                break;
        }
        taken += any ? 1 : 0;
    }
    for (int s : resort) SortSatelliteTransponders(here, s);
    return taken;
}

}  // namespace

bool IsCopyableField(std::string_view field) {
    return field != kFieldSatellite && field != kFieldTransponder;
}

std::optional<CopyCounts> CopyAcross(Database& here, const Database& there,
                                     const CopySelection& selection, Prompter& prompter) {
    const DatabasePairing pairing = PairDatabases(here, there);
    const std::vector<int> tp_of_there = TransponderIndexById(there);

    // The plan: which records of `there` become new records here.
    std::set<int> satellites = OnlyThere(selection.satellites, pairing.satellites.b_to_a);
    std::set<int> transponders = OnlyThere(selection.transponders, pairing.transponders.b_to_a);
    for (int t = 0; t < there.tp_count(); ++t) {
        if (pairing.transponders.b_to_a[t] == kUnpaired &&
            satellites.count(there.transponders[t].satellite()))
            transponders.insert(t);
    }
    std::set<int> channels[2];
    for (bool radio : {false, true}) {
        channels[radio] =
            OnlyThere(radio ? selection.radio : selection.tv, pairing.channels(radio).b_to_a);
        for (int c : channels[radio]) {
            const int t = tp_of_there[there.channels(radio)[c].tp_id()];
            if (t != kUnpaired && pairing.transponders.b_to_a[t] == kUnpaired)
                transponders.insert(t);
        }
    }
    // A chosen satellite brings its channels when the user wants them.
    std::set<int> satellite_channels[2];
    AddSatelliteChannels(there, pairing, satellites, tp_of_there, satellite_channels);
    if (!satellite_channels[0].empty() || !satellite_channels[1].empty()) {
        if (prompter.AskYes(Translate("compare", kCopySatelliteChannelsQuestion.data()))) {
            for (bool radio : {false, true})
                channels[radio].insert(satellite_channels[radio].begin(),
                                       satellite_channels[radio].end());
        }
    }
    // A transponder's satellite comes along when it is only there.
    for (int t : transponders) {
        const int s = there.transponders[t].satellite();
        if (s < there.sat_count() && pairing.satellites.b_to_a[s] == kUnpaired)
            satellites.insert(s);
    }
    // Transponders whose satellite is missing there have nowhere to go.
    std::erase_if(transponders,
                  [&](int t) { return there.transponders[t].satellite() >= there.sat_count(); });

    const size_t new_channels = channels[0].size() + channels[1].size();
    if (here.sat_count() + satellites.size() > size_t{kMaxSatellites}) {
        prompter.Tell(Translate("satellites", kSatellitesFullMessage.data()));
        return std::nullopt;
    }
    if (here.tp_count() + transponders.size() > size_t{kMaxTransponders}) {
        prompter.Tell(Translate("satellites", kTransponderFullMessage.data()), Icon::Stop,
                      Translate("satellites", kAddTransponderCaption.data()));
        return std::nullopt;
    }
    if (here.tv_count() + here.radio_count() + new_channels > size_t{kMaxChannels}) {
        prompter.Tell(Translate("channels", kChannelsFullMessage.data()), Icon::Stop,
                      Translate("channels", kChannelsFullCaption.data()));
        return std::nullopt;
    }

    CopyCounts counts;
    std::vector<int> satellite_here(there.sat_count(), kUnpaired);
    for (int s = 0; s < there.sat_count(); ++s) satellite_here[s] = pairing.satellites.b_to_a[s];
    for (int s : satellites) {
        satellite_here[s] = here.sat_count();
        here.satellites[here.sat_count()] = there.satellites[s];
        here.set_sat_count(here.sat_count() + 1);
        ++counts.satellites;
    }
    // tp_id here for each transponder position there.
    std::vector<int> tp_id_here(there.tp_count(), -1);
    for (int t = 0; t < there.tp_count(); ++t) {
        if (pairing.transponders.b_to_a[t] != kUnpaired)
            tp_id_here[t] = here.transponders[pairing.transponders.b_to_a[t]].tp_id();
    }
    for (int t : transponders) {
        Transponder tp = there.transponders[t];
        const int s = satellite_here[tp.satellite()];
        if (const int existing = ExistingTransponder(here, s, tp); existing >= 0) {
            tp_id_here[t] = here.transponders[existing].tp_id();
            continue;
        }
        tp.set_satellite(static_cast<uint8_t>(s));
        tp.set_tp_id(static_cast<uint16_t>(here.LowestFreeTpId()));
        tp_id_here[t] = tp.tp_id();
        here.transponders[here.tp_count()] = tp;
        here.set_tp_count(here.tp_count() + 1);
        ++counts.transponders;
    }

    std::unordered_set<uint32_t> keys;
    for (bool radio : {false, true}) {
        for (int i = 0; i < here.channel_count(radio); ++i)
            keys.insert(here.channels(radio)[i].key());
    }
    bool told_groups_full = false;
    for (bool radio : {false, true}) {
        for (int c : channels[radio]) {
            Channel ch = there.channels(radio)[c];
            const int t = tp_of_there[ch.tp_id()];
            ch.set_tp_id(t != kUnpaired && tp_id_here[t] >= 0 ? static_cast<uint16_t>(tp_id_here[t])
                                                              : kNoTransponder);
            if (ch.service_number() == 0 || keys.count(ch.key()))
                ch.set_service_number(static_cast<uint16_t>(NextServiceNumber(here, ch.tp_id())));
            keys.insert(ch.key());
            const int n = here.channel_count(radio);
            here.channels(radio)[n] = ch;
            here.set_channel_count(radio, n + 1);
            for (int g = 0; g < FavouriteGroups::kGroups; ++g) {
                if (ch.fav(g) && AddFavouriteKey(here, g, ch.key(), radio) == kCannotDo &&
                    !told_groups_full) {
                    prompter.Tell(Translate("channels", kFavouriteFullMessage.data()));
                    told_groups_full = true;
                }
            }
            ++(radio ? counts.radio : counts.tv);
        }
    }
    counts.fields = TakeFields(here, there, pairing, selection.fields, prompter);
    return counts;
}

}  // namespace velmora
