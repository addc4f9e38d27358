#include "database/Upkeep.h"

#include <algorithm>
#include <array>
#include <vector>

#include "database/NameLists.h"

namespace velmora {
namespace {

bool BadGroup(int g) {
    return g < 0 || g >= FavouriteGroups::kGroups;
}

int KeysInGroup(const FavouriteGroups& f, int g) {
    return f.tv_key_count(g) + f.radio_key_count(g);
}

}  // namespace

int FindFavouriteKey(Database& db, int g, uint32_t key, bool radio) {
    if (BadGroup(g)) return kBadGroup;
    const FavouriteGroups& f = db.favourites;
    const int count = std::clamp<int>(f.key_count(g, radio), 0, FavouriteGroups::kSlots);
    for (int i = 0; i < count; ++i) {
        if (f.entry(g, radio, i) == key) return i;
    }
    return kCannotDo;
}

int AddFavouriteKey(Database& db, int g, uint32_t key, bool radio) {
    if (BadGroup(g)) return kBadGroup;
    FavouriteGroups& f = db.favourites;
    if (KeysInGroup(f, g) > FavouriteGroups::kSlots - 1) return kCannotDo;
    const int count = f.key_count(g, radio);
    if (count < 0) return kCannotDo;
    f.set_entry(g, radio, count, key);
    f.set_key_count(g, radio, static_cast<int16_t>(count + 1));
    f.set_changed(g, 1);
    return 1;
}

int RemoveFavouriteKey(Database& db, int g, uint32_t key, bool radio) {
    if (BadGroup(g)) return kBadGroup;
    const int p = FindFavouriteKey(db, g, key, radio);
    if (p < 0) return kCannotDo;
    FavouriteGroups& f = db.favourites;
    const int count = f.key_count(g, radio);
    for (int i = p; i < count - 1; ++i) f.set_entry(g, radio, i, f.entry(g, radio, i + 1));
    f.set_entry(g, radio, count - 1, 0xFFFFFFFFu);
    f.set_key_count(g, radio, static_cast<int16_t>(count - 1));
    f.set_changed(g, 1);
    return 1;
}

int ReplaceFavouriteKey(Database& db, int g, uint32_t old_key, uint32_t new_key, bool radio,
                        int occurrence) {
    if (BadGroup(g)) return kBadGroup;
    FavouriteGroups& f = db.favourites;
    const int count = std::clamp<int>(f.key_count(g, radio), 0, FavouriteGroups::kSlots);
    for (int i = 0, seen = 0; i < count; ++i) {
        if (f.entry(g, radio, i) != old_key || seen++ < occurrence) continue;
        f.set_entry(g, radio, i, new_key);
        f.set_changed(g, 1);
        return 1;
    }
    return AddFavouriteKey(db, g, new_key, radio);
}

int PurgeFavouriteGroup(Database& db, int g, bool radio) {
    if (BadGroup(g)) return kBadGroup;
    FavouriteGroups& f = db.favourites;
    // A full group is purged too: refusing it would keep deleted channels' keys in it
    // for good, and the group could never take a new member.
    const int count = f.key_count(g, radio);
    if (count <= 0) return 0;

    std::vector<uint32_t> members;
    const auto& table = db.channels(radio);
    for (int i = 0; i < db.channel_count(radio); ++i) {
        if (table[i].fav(g)) members.push_back(table[i].key());
    }
    std::sort(members.begin(), members.end());

    int kept = 0;
    for (int i = 0; i < count; ++i) {
        const uint32_t key = f.entry(g, radio, i);
        if (std::binary_search(members.begin(), members.end(), key))
            f.set_entry(g, radio, kept++, key);
    }
    const int dropped = count - kept;
    if (dropped > 0) {
        f.set_key_count(g, radio, static_cast<int16_t>(kept));
        f.set_changed(g, 1);
    }
    return dropped;
}

void RebuildFavouriteGroups(Database& db) {
    for (int g = 0; g < FavouriteGroups::kGroups; ++g) {
        for (bool radio : {false, true}) {
            const auto& table = db.channels(radio);
            for (int i = 0; i < db.channel_count(radio); ++i) {
                if (!table[i].fav(g)) continue;
                if (AddFavouriteKey(db, g, table[i].key(), radio) != 1) break;
            }
        }
    }
}

void CleanChannelNames(Database& db) {
    for (bool radio : {false, true}) {
        auto& table = db.channels(radio);
        for (int i = 0; i < db.channel_count(radio); ++i) {
            uint8_t* field = table[i].name_field();
            int kept = 0;
            for (size_t k = 0; k < Channel::kNameSize && field[k] != 0; ++k) {
                // At most 15 kept bytes, so the terminator stays inside the field.
                if (IsKeptNameByte(field[k]) && kept < int(Channel::kNameSize) - 1)
                    field[kept++] = field[k];
            }
            field[kept] = 0;
        }
    }
}

namespace {

// Orders the records at `positions` (ascending table positions) by frequency; equal
// frequencies keep their order, as in the receiver's bubble sort.
void SortTransponderPositions(Database& db, const int* positions, size_t n,
                              std::vector<Transponder>& scratch) {
    if (n < 2) return;
    scratch.clear();
    for (size_t k = 0; k < n; ++k) scratch.push_back(db.transponders[positions[k]]);
    std::stable_sort(
        scratch.begin(), scratch.end(),
        [](const Transponder& a, const Transponder& b) { return a.frequency() < b.frequency(); });
    for (size_t k = 0; k < n; ++k) db.transponders[positions[k]] = scratch[k];
}

}  // namespace

void SortSatelliteTransponders(Database& db, int s) {
    std::vector<int> positions;
    for (int i = 0; i < db.tp_count(); ++i) {
        if (db.transponders[i].satellite() == s) positions.push_back(i);
    }
    std::vector<Transponder> scratch;
    SortTransponderPositions(db, positions.data(), positions.size(), scratch);
}

void SortAllSatelliteTransponders(Database& db) {
    // One pass groups the positions by satellite (in table order) instead of one scan of
    // the table per satellite.
    constexpr int kIndexes = 256;
    std::array<int, kIndexes + 1> start{};
    const int count = std::max(0, db.tp_count());
    for (int i = 0; i < count; ++i) ++start[db.transponders[i].satellite() + 1];
    for (int s = 0; s < kIndexes; ++s) start[s + 1] += start[s];
    std::vector<int> positions(count);
    std::array<int, kIndexes> next{};
    std::copy_n(start.begin(), kIndexes, next.begin());
    for (int i = 0; i < count; ++i) positions[next[db.transponders[i].satellite()]++] = i;

    std::vector<Transponder> scratch;
    scratch.reserve(count);
    for (int s = 0; s < std::min(db.sat_count(), kIndexes); ++s)
        SortTransponderPositions(db, positions.data() + start[s], start[s + 1] - start[s], scratch);
}

int DeleteTransponderChannels(Database& db, int tp_id) {
    int deleted = 0;
    for (bool radio : {false, true}) {
        auto& table = db.channels(radio);
        const int count = db.channel_count(radio);
        if (count <= 0) continue;
        int kept = 0;
        for (int i = 0; i < count; ++i) {
            if (table[i].tp_id() == tp_id) {
                // The key leaves the groups with its channel, so no stale key is saved.
                for (int g = 0; g < FavouriteGroups::kGroups; ++g) {
                    if (table[i].fav(g)) RemoveFavouriteKey(db, g, table[i].key(), radio);
                }
                continue;
            }
            if (kept != i) table[kept] = table[i];
            ++kept;
        }
        db.set_channel_count(radio, kept);
        deleted += count - kept;
    }
    return deleted;
}

int DeleteChannelsAt(Database& db, bool radio, const std::vector<bool>& doomed) {
    auto& table = db.channels(radio);
    const int count = db.channel_count(radio);
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        if (static_cast<size_t>(i) < doomed.size() && doomed[static_cast<size_t>(i)]) {
            for (int g = 0; g < FavouriteGroups::kGroups; ++g) {
                if (table[i].fav(g)) RemoveFavouriteKey(db, g, table[i].key(), radio);
            }
            continue;
        }
        if (kept != i) table[kept] = table[i];
        ++kept;
    }
    if (count > 0) db.set_channel_count(radio, kept);
    return std::max(count, 0) - kept;
}

int DeleteTransponderAt(Database& db, int index) {
    const int count = db.tp_count();
    if (index < 0 || index >= count) return 0;
    std::copy(db.transponders.begin() + index + 1, db.transponders.begin() + count,
              db.transponders.begin() + index);
    db.set_tp_count(count - 1);
    return 1;
}

void RunAfterOpenSteps(Database& db) {
    db.favourites.bytes.fill(0);
    RebuildFavouriteGroups(db);
    CleanChannelNames(db);
    SortAllSatelliteTransponders(db);
}

void ResetToNewDatabase(Database& db) {
    SdxHeader& h = db.header;
    h.bytes.fill(0);
    h.set_sat_size(Satellite::kSize);
    h.set_tp_size(Transponder::kSize);
    h.set_ch_size(Channel::kSize);
    h.set_settings_size(SettingsBlock::kSize);
    h.set_extra_size(ExtraBlock::kSize);
    h.set_fav_a(FavouriteGroups::kGroups);
    h.set_fav_b(FavouriteGroups::kGroupSize);
    h.set_signature(kNewDatabaseSignature);

    SettingsBlock& s = db.settings;
    s.bytes.fill(0);
    for (int g = 0; g < FavouriteGroups::kGroups; ++g) s.set_fav_name(g, kDefaultFavouriteNames[g]);
    s.set_transparency(5);
    s.set_rf_channel(38);
    s.set_rf_system(1);
    s.bytes[2] = 40;
    s.set_password("4826");
    s.set_lock_flags(0);

    db.satellites.fill(Satellite{});
    db.transponders.fill(Transponder{});
    db.tv.fill(Channel{});
    db.radio.fill(Channel{});
    // A new database starts with empty groups, not with the keys of the last one opened.
    db.favourites.bytes.fill(0);
}

}  // namespace velmora
