#include "compare/DatabaseDiff.h"

#include <algorithm>

namespace velmora {
namespace {

template <typename T>
void Note(std::vector<std::string>& fields, const char* name, const T& a, const T& b) {
    if (!(a == b)) fields.emplace_back(name);
}

// The audio list as the dump shows it: the entries up to audio_count.
std::vector<AudioEntry> AudioList(const Channel& ch) {
    std::vector<AudioEntry> list;
    const int count = std::min<int>(ch.audio_count(), Channel::kPackedAudioMax);
    for (int k = 0; k < count; ++k) list.push_back(ch.audio_entry(k));
    return list;
}

// The password as the dump shows it: up to the first NUL.
std::string Password(const SettingsBlock& s) {
    const std::string p = s.password();
    return p.substr(0, p.find('\0'));
}

// Whether parent `pa` in A and `pb` in B are the same record: paired with each other, or
// both missing.
bool SameParent(const TablePairing& parents, int pa, int pb) {
    const bool has_a = pa >= 0 && pa < static_cast<int>(parents.a_to_b.size());
    const bool has_b = pb >= 0 && pb < static_cast<int>(parents.b_to_a.size());
    if (!has_a || !has_b) return has_a == has_b;
    return parents.a_to_b[pa] == pb;
}

template <typename Compare>
SectionDiff DiffSection(const TablePairing& p, Compare fields_of) {
    SectionDiff d;
    int last_b = -1;
    for (int i = 0; i < static_cast<int>(p.a_to_b.size()); ++i) {
        const int j = p.a_to_b[i];
        if (j == kUnpaired) {
            d.only_a.push_back(i);
            continue;
        }
        if (j < last_b) d.same_order = false;
        last_b = j;
        auto fields = fields_of(i, j);
        if (!fields.empty()) d.changed.push_back({i, j, std::move(fields)});
    }
    for (int j = 0; j < static_cast<int>(p.b_to_a.size()); ++j) {
        if (p.b_to_a[j] == kUnpaired) d.only_b.push_back(j);
    }
    return d;
}

}  // namespace

bool DatabaseDiff::empty() const {
    return satellites.empty() && transponders.empty() && tv.empty() && radio.empty() &&
           settings_changed.empty() && favourite_names_changed.empty();
}

std::vector<std::string> SatelliteDifferences(const Satellite& a, const Satellite& b) {
    std::vector<std::string> f;
    Note(f, "name", a.name(), b.name());
    Note(f, "lnb_low", a.lnb_low(), b.lnb_low());
    Note(f, "lnb_high", a.lnb_high(), b.lnb_high());
    Note(f, "angle", a.angle(), b.angle());
    Note(f, "sat_flags", a.sat_flags(), b.sat_flags());
    return f;
}

std::vector<std::string> TransponderDifferences(const Database& a, const Database& b,
                                                const DatabasePairing& pairing, int i, int j) {
    const Transponder& ta = a.transponders[i];
    const Transponder& tb = b.transponders[j];
    std::vector<std::string> f;
    Note(f, "frequency", ta.frequency(), tb.frequency());
    Note(f, "symbol_rate", ta.symbol_rate(), tb.symbol_rate());
    Note(f, "tp_flags", ta.tp_flags(), tb.tp_flags());
    if (!SameParent(pairing.satellites, ta.satellite(), tb.satellite()))
        f.emplace_back(kFieldSatellite);
    return f;
}

std::vector<std::string> ChannelDifferences(const Channel& a, const Channel& b,
                                            const DatabasePairing& pairing,
                                            const std::vector<int>& tp_of_a,
                                            const std::vector<int>& tp_of_b) {
    std::vector<std::string> f;
    Note(f, "name", a.name(), b.name());
    Note(f, "pcr_pid", a.pcr_pid(), b.pcr_pid());
    Note(f, "video_pid", a.video_pid(), b.video_pid());
    Note(f, "ttx_pid", a.ttx_pid(), b.ttx_pid());
    Note(f, "service_number", a.service_number(), b.service_number());
    Note(f, "ch_flags", a.ch_flags(), b.ch_flags());
    Note(f, "audio", AudioList(a), AudioList(b));
    if (!SameParent(pairing.transponders, tp_of_a[a.tp_id()], tp_of_b[b.tp_id()]))
        f.emplace_back(kFieldTransponder);
    return f;
}

std::vector<std::string> SettingsDifferences(const SettingsBlock& a, const SettingsBlock& b) {
    std::vector<std::string> f;
    Note(f, "menu_color", a.menu_color(), b.menu_color());
    Note(f, "transparency", a.transparency(), b.transparency());
    Note(f, "rf_channel", a.rf_channel(), b.rf_channel());
    Note(f, "rf_system", a.rf_system(), b.rf_system());
    Note(f, "menu_language", a.menu_language(), b.menu_language());
    Note(f, "password", Password(a), Password(b));
    Note(f, "lock_flags", a.lock_flags(), b.lock_flags());
    Note(f, "time_offset", a.time_offset(), b.time_offset());
    Note(f, "audio_language", a.audio_language(), b.audio_language());
    Note(f, "tv_flags", a.tv_flags(), b.tv_flags());
    return f;
}

DatabaseDiff DiffDatabases(const Database& a, const Database& b) {
    DatabaseDiff d;
    d.pairing = PairDatabases(a, b);
    const DatabasePairing& p = d.pairing;
    d.satellites = DiffSection(p.satellites, [&](int i, int j) {
        return SatelliteDifferences(a.satellites[i], b.satellites[j]);
    });
    d.transponders = DiffSection(
        p.transponders, [&](int i, int j) { return TransponderDifferences(a, b, p, i, j); });
    const std::vector<int> tp_of_a = TransponderIndexById(a);
    const std::vector<int> tp_of_b = TransponderIndexById(b);
    for (bool radio : {false, true}) {
        (radio ? d.radio : d.tv) = DiffSection(p.channels(radio), [&](int i, int j) {
            return ChannelDifferences(a.channels(radio)[i], b.channels(radio)[j], p, tp_of_a,
                                      tp_of_b);
        });
    }
    d.settings_changed = SettingsDifferences(a.settings, b.settings);
    for (int g = 0; g < FavouriteGroups::kGroups; ++g) {
        if (a.settings.fav_name(g) != b.settings.fav_name(g))
            d.favourite_names_changed.push_back(g);
    }
    return d;
}

}  // namespace velmora
