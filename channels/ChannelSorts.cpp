#include "channels/ChannelSorts.h"

#include <algorithm>
#include <numeric>

namespace velmora {
namespace {

// Writes `table[0..count)` anew in the order of a stable sort by `rank`.
template <typename Rank>
void StableReorderTable(Database& db, bool radio_table, Rank rank) {
    const auto& table = db.channels(radio_table);
    const int count = db.channel_count(radio_table);
    std::vector<int> ranks(count);
    for (int i = 0; i < count; ++i) ranks[i] = rank(table[i]);
    ReorderTableByRank(db, radio_table, ranks);
}

}  // namespace

void ReorderTableByRank(Database& db, bool radio_table, const std::vector<int>& ranks) {
    auto& table = db.channels(radio_table);
    const int count = std::min<int>(db.channel_count(radio_table), static_cast<int>(ranks.size()));
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return ranks[a] < ranks[b]; });
    std::vector<Channel> sorted;
    sorted.reserve(count);
    for (int i : order) sorted.push_back(table[i]);
    std::copy(sorted.begin(), sorted.end(), table.begin());
}

uint8_t UpperLatin1(uint8_t b) {
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) return b - 0x20;
    return b;
}

std::string UpperLatin1(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(UpperLatin1(static_cast<uint8_t>(c)));
    return upper;
}

int CompareNames(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int x = UpperLatin1(static_cast<uint8_t>(a[i]));
        const int y = UpperLatin1(static_cast<uint8_t>(b[i]));
        if (x != y) return x - y;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

void SortPositionsByName(Database& db, bool radio_table, const std::vector<int>& positions,
                         bool descending) {
    auto& table = db.channels(radio_table);
    const size_t n = positions.size();
    // One upper-cased copy per record instead of two per comparison.
    std::vector<std::string> keys(n);
    for (size_t i = 0; i < n; ++i) keys[i] = UpperLatin1(table[positions[i]].name());
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    // The upper-cased keys compare bytewise unsigned, as std::string does.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return descending ? keys[b] < keys[a] : keys[a] < keys[b];
    });
    std::vector<Channel> sorted;
    sorted.reserve(n);
    for (int i : order) sorted.push_back(table[positions[i]]);
    for (size_t i = 0; i < n; ++i) table[positions[i]] = sorted[i];
}

void SortTableByTransponder(Database& db, bool radio_table) {
    StableReorderTable(db, radio_table, [](const Channel& ch) {
        return std::min<int>(ch.tp_id(), kMaxTransponders);
    });
}

void SortTableBySatellite(Database& db, bool radio_table) {
    std::vector<int> satellite_of_id(0x10000, kMaxSatellites);
    for (int i = db.tp_count() - 1; i >= 0; --i) {
        const Transponder& tp = db.transponders[i];
        satellite_of_id[tp.tp_id()] = std::min<int>(tp.satellite(), kMaxSatellites);
    }
    StableReorderTable(db, radio_table,
                       [&](const Channel& ch) { return satellite_of_id[ch.tp_id()]; });
}

}  // namespace velmora
