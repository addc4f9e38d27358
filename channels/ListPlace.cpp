#include "channels/ListPlace.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace velmora {
namespace {

using Record = std::array<uint8_t, Channel::kSize>;

ListPlace::Mark MarkOf(const Database& db, const ChannelList& list, int row) {
    ListPlace::Mark mark;
    if (row < 0 || row >= list.row_count()) return mark;
    mark.position = list.row_map[static_cast<size_t>(row)];
    mark.record = db.channels(list.radio_mode != 0)[mark.position].bytes;
    return mark;
}

}  // namespace

ListPlace TakeListPlace(const Database& db, const ChannelList& list,
                        const std::vector<int>& selected_rows, int current_row) {
    ListPlace place;
    place.radio = list.radio_mode != 0;
    std::vector<int> rows = selected_rows;
    std::sort(rows.begin(), rows.end());
    for (int r : rows) {
        const ListPlace::Mark mark = MarkOf(db, list, r);
        if (mark.position >= 0) place.selected.push_back(mark);
    }
    place.current = MarkOf(db, list, current_row);
    place.current_row = place.current.position >= 0 ? current_row : -1;
    place.first_row = !rows.empty() && rows.front() >= 0 ? rows.front() : place.current_row;
    return place;
}

ListRows FindListPlace(const ListPlace& place, const Database& db, const ChannelList& list,
                       bool edited) {
    ListRows found;
    if (place.radio != (list.radio_mode != 0)) return found;
    const auto& table = db.channels(place.radio);
    // Listed rows by record and by position. Equal records are told apart by taking the
    // first row not taken yet, nearest to where the channel was.
    std::map<Record, std::vector<int>> rows_of_record;
    std::map<int, int> row_of_position;
    for (int r = 0; r < list.row_count(); ++r) {
        const int p = list.row_map[static_cast<size_t>(r)];
        rows_of_record[table[p].bytes].push_back(r);
        row_of_position[p] = r;
    }
    std::vector<bool> taken(static_cast<size_t>(list.row_count()), false);
    auto find = [&](const ListPlace::Mark& mark, bool take) {
        if (mark.position < 0) return -1;
        if (const auto it = rows_of_record.find(mark.record); it != rows_of_record.end()) {
            int best = -1;
            for (int r : it->second) {
                if (taken[static_cast<size_t>(r)]) continue;
                const int p = list.row_map[static_cast<size_t>(r)];
                if (best < 0 ||
                    std::abs(p - mark.position) <
                        std::abs(list.row_map[static_cast<size_t>(best)] - mark.position))
                    best = r;
            }
            if (best >= 0) {
                if (take) taken[static_cast<size_t>(best)] = true;
                return best;
            }
        }
        if (edited) {
            if (const auto it = row_of_position.find(mark.position); it != row_of_position.end())
                return it->second;
        }
        return -1;
    };
    for (const ListPlace::Mark& mark : place.selected) {
        const int r = find(mark, true);
        if (r >= 0) found.selected.push_back(r);
    }
    std::sort(found.selected.begin(), found.selected.end());
    found.selected.erase(std::unique(found.selected.begin(), found.selected.end()),
                         found.selected.end());
    // The current channel is among the selected ones more often than not; it may take a
    // row they took.
    std::fill(taken.begin(), taken.end(), false);
    found.current = find(place.current, false);

    if (found.selected.empty() && found.current < 0 && place.first_row >= 0 &&
        list.row_count() > 0) {
        // Nothing of it is left: the row that follows what was there.
        const int next = std::min(place.first_row, list.row_count() - 1);
        found.selected = {next};
        found.current = next;
    }
    if (found.current < 0 && !found.selected.empty()) found.current = found.selected.back();
    return found;
}

}  // namespace velmora
