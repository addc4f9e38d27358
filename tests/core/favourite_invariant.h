#pragma once
// The rule between the channels' favourite marks and the groups' key lists: a key is in
// group g's list of a table exactly as often as channels of that table carrying mark g
// have it. A group that has been full (200 keys) may miss marked channels' keys, as the
// editor said when they were marked ("Favor are full"), but never holds a key without a
// mark.

#include <algorithm>
#include <string>
#include <vector>

#include "database/Database.h"

namespace velmora::testing {

// Bit g set: group g has been full.
inline unsigned FullGroups(const Database& db) {
    unsigned full = 0;
    const FavouriteGroups& f = db.favourites;
    for (int g = 0; g < FavouriteGroups::kGroups; ++g)
        if (f.key_count(g, false) + f.key_count(g, true) >= FavouriteGroups::kSlots)
            full |= 1u << g;
    return full;
}

// The first break of the rule, or empty. `been_full` is a FullGroups mask.
inline std::string FavouriteMismatch(const Database& db, unsigned been_full = 0) {
    const FavouriteGroups& f = db.favourites;
    for (bool radio : {false, true}) {
        for (int g = 0; g < FavouriteGroups::kGroups; ++g) {
            std::vector<uint32_t> marked, listed;
            for (int i = 0; i < db.channel_count(radio); ++i)
                if (db.channels(radio)[i].fav(g)) marked.push_back(db.channels(radio)[i].key());
            const int count = f.key_count(g, radio);
            if (count < 0 || count > FavouriteGroups::kSlots) return "bad key count";
            for (int k = 0; k < count; ++k) listed.push_back(f.entry(g, radio, k));
            std::sort(marked.begin(), marked.end());
            std::sort(listed.begin(), listed.end());
            const std::string where =
                std::string(radio ? "radio" : "TV") + " group " + std::to_string(g);
            if (!std::includes(marked.begin(), marked.end(), listed.begin(), listed.end()))
                return where + " holds a key no marked channel has";
            const bool full = (been_full | FullGroups(db)) & (1u << g);
            if (!full && marked != listed) return where + " misses a marked channel's key";
        }
    }
    return {};
}

}  // namespace velmora::testing
