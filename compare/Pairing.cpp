#include "compare/Pairing.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

#include "channels/ChannelSorts.h"

namespace velmora {
namespace {

// One rule: the unpaired records of B under their key, each list in table order with a
// cursor past the ones taken, so a rule costs one pass over each table.
template <typename Key, typename KeyOfA, typename KeyOfB>
void PairByKey(TablePairing& p, KeyOfA key_of_a, KeyOfB key_of_b) {
    struct Candidates {
        std::vector<int> b;
        size_t next = 0;
    };
    std::unordered_map<Key, Candidates> by_key;
    by_key.reserve(p.b_to_a.size());
    for (int j = 0; j < static_cast<int>(p.b_to_a.size()); ++j) {
        if (p.b_to_a[j] != kUnpaired) continue;
        if (const auto key = key_of_b(j)) by_key[*key].b.push_back(j);
    }
    if (by_key.empty()) return;
    for (int i = 0; i < static_cast<int>(p.a_to_b.size()); ++i) {
        if (p.a_to_b[i] != kUnpaired) continue;
        const auto key = key_of_a(i);
        if (!key) continue;
        const auto it = by_key.find(*key);
        if (it == by_key.end() || it->second.next == it->second.b.size()) continue;
        p.Pair(i, it->second.b[it->second.next++]);
    }
}

std::string SatellitePosition(const Satellite& s) {
    return std::to_string(s.angle()) + (s.west() ? "W" : "E");
}

// The pairing of a record's parent (satellite of a transponder, transponder of a
// channel) as part of a key; nullopt when the parent is missing or unpaired.
std::optional<uint64_t> PairedParent(const TablePairing& parents, int parent) {
    if (parent < 0 || parent >= static_cast<int>(parents.a_to_b.size())) return std::nullopt;
    const int b = parents.a_to_b[parent];
    if (b == kUnpaired) return std::nullopt;
    return static_cast<uint64_t>(b);
}
std::optional<uint64_t> ParentInB(const TablePairing& parents, int parent) {
    if (parent < 0 || parent >= static_cast<int>(parents.b_to_a.size())) return std::nullopt;
    if (parents.b_to_a[parent] == kUnpaired) return std::nullopt;
    return static_cast<uint64_t>(parent);
}

}  // namespace

void TablePairing::Reset(int a_count, int b_count) {
    a_to_b.assign(std::max(a_count, 0), kUnpaired);
    b_to_a.assign(std::max(b_count, 0), kUnpaired);
}

int TablePairing::paired_count() const {
    return static_cast<int>(
        std::count_if(a_to_b.begin(), a_to_b.end(), [](int b) { return b != kUnpaired; }));
}

std::vector<int> TransponderIndexById(const Database& db) {
    std::vector<int> index(0x10000, kUnpaired);
    for (int i = db.tp_count() - 1; i >= 0; --i) index[db.transponders[i].tp_id()] = i;
    return index;
}

TablePairing PairSatellites(const Database& a, const Database& b) {
    TablePairing p;
    p.Reset(a.sat_count(), b.sat_count());
    using Key = std::optional<std::string>;
    const auto both = [](const Database& db) {
        return [&db](int i) -> Key {
            const Satellite& s = db.satellites[i];
            return SatellitePosition(s) + '\0' + s.name();
        };
    };
    const auto position = [](const Database& db) {
        return [&db](int i) -> Key { return SatellitePosition(db.satellites[i]); };
    };
    const auto name = [](const Database& db) {
        return [&db](int i) -> Key { return db.satellites[i].name(); };
    };
    PairByKey<std::string>(p, both(a), both(b));
    PairByKey<std::string>(p, position(a), position(b));
    PairByKey<std::string>(p, name(a), name(b));
    return p;
}

TablePairing PairTransponders(const Database& a, const Database& b,
                              const TablePairing& satellites) {
    TablePairing p;
    p.Reset(a.tp_count(), b.tp_count());
    using Key = std::optional<uint64_t>;
    // Satellite (in B's numbering) | frequency | polarisation | symbol rate.
    const auto key = [](uint64_t sat, const Transponder& t, bool with_rate) -> uint64_t {
        return sat << 40 | uint64_t{t.frequency()} << 24 | uint64_t{t.polarisation()} << 16 |
               (with_rate ? t.symbol_rate() : 0u);
    };
    for (bool with_rate : {true, false}) {
        PairByKey<uint64_t>(
            p,
            [&](int i) -> Key {
                const Transponder& t = a.transponders[i];
                const auto sat = PairedParent(satellites, t.satellite());
                return sat ? Key{key(*sat, t, with_rate)} : std::nullopt;
            },
            [&](int j) -> Key {
                const Transponder& t = b.transponders[j];
                const auto sat = ParentInB(satellites, t.satellite());
                return sat ? Key{key(*sat, t, with_rate)} : std::nullopt;
            });
    }
    // Transponders whose satellite is missing pair with such transponders by the
    // satellite number they name, so that a file compared with itself differs in nothing.
    constexpr uint64_t kOrphan = uint64_t{1} << 63;
    for (bool with_rate : {true, false}) {
        const auto orphan_key = [&](const Database& db, int i) -> Key {
            const Transponder& t = db.transponders[i];
            if (t.satellite() < db.sat_count()) return std::nullopt;
            return Key{kOrphan | key(t.satellite(), t, with_rate)};
        };
        PairByKey<uint64_t>(
            p, [&](int i) { return orphan_key(a, i); }, [&](int j) { return orphan_key(b, j); });
    }
    return p;
}

TablePairing PairChannels(const Database& a, const Database& b, const TablePairing& transponders,
                          bool radio_table) {
    TablePairing p;
    p.Reset(a.channel_count(radio_table), b.channel_count(radio_table));
    const auto& ta = a.channels(radio_table);
    const auto& tb = b.channels(radio_table);
    const std::vector<int> tp_of_a = TransponderIndexById(a);
    const std::vector<int> tp_of_b = TransponderIndexById(b);
    // The channel's transponder in B's numbering, when it is paired.
    const auto tp_a = [&](int i) { return PairedParent(transponders, tp_of_a[ta[i].tp_id()]); };
    const auto tp_b = [&](int j) { return ParentInB(transponders, tp_of_b[tb[j].tp_id()]); };

    using NameKey = std::optional<std::string>;
    // Names upper-cased once per record, as the sorts compare them.
    std::vector<std::string> names_a(p.a_to_b.size()), names_b(p.b_to_a.size());
    for (size_t i = 0; i < names_a.size(); ++i) names_a[i] = UpperLatin1(ta[i].name());
    for (size_t j = 0; j < names_b.size(); ++j) names_b[j] = UpperLatin1(tb[j].name());

    // Same PIDs on paired transponders. Where several channels of a transponder share
    // their PIDs, the one with the same name and service number is taken first, so a
    // reordered copy pairs each channel with itself.
    const auto pids = [](uint64_t tp, const Channel& ch) {
        return std::to_string(tp << 48 | uint64_t{ch.video_pid()} << 32 |
                              uint64_t{ch.pcr_pid()} << 16 | ch.first_audio_pid());
    };
    for (bool exact : {true, false}) {
        const auto identity = [&](uint64_t tp, const Channel& ch, const std::string& name) {
            return exact ? pids(tp, ch) + '\0' + name + '\0' + std::to_string(ch.service_number())
                         : pids(tp, ch);
        };
        PairByKey<std::string>(
            p,
            [&](int i) -> NameKey {
                const auto tp = tp_a(i);
                return tp ? NameKey{identity(*tp, ta[i], names_a[i])} : std::nullopt;
            },
            [&](int j) -> NameKey {
                const auto tp = tp_b(j);
                return tp ? NameKey{identity(*tp, tb[j], names_b[j])} : std::nullopt;
            });
    }

    PairByKey<std::string>(
        p,
        [&](int i) -> NameKey {
            const auto tp = tp_a(i);
            return tp ? NameKey{std::to_string(*tp) + '\0' + names_a[i]} : std::nullopt;
        },
        [&](int j) -> NameKey {
            const auto tp = tp_b(j);
            return tp ? NameKey{std::to_string(*tp) + '\0' + names_b[j]} : std::nullopt;
        });
    PairByKey<std::string>(
        p, [&](int i) -> NameKey { return names_a[i]; },
        [&](int j) -> NameKey { return names_b[j]; });
    return p;
}

DatabasePairing PairDatabases(const Database& a, const Database& b) {
    DatabasePairing p;
    p.satellites = PairSatellites(a, b);
    p.transponders = PairTransponders(a, b, p.satellites);
    p.tv = PairChannels(a, b, p.transponders, false);
    p.radio = PairChannels(a, b, p.transponders, true);
    return p;
}

}  // namespace velmora
