#include "channels/ChannelBlockMove.h"

#include <algorithm>

namespace velmora {

std::vector<int> MoveRowsAsBlock(Database& db, ChannelList& list, std::vector<int> rows,
                                 int target_row) {
    const int n = list.row_count();
    if (!db.database_open || n == 0) return {};
    std::erase_if(rows, [n](int r) { return r < 0 || r >= n; });
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty()) return {};
    const int count = static_cast<int>(rows.size());
    const int target = std::clamp(target_row, 0, n - 1);
    const int start = target < rows.front() ? target : std::clamp(target - count + 1, 0, n - count);

    // The new row order: the rows that stay, with the block inserted at `start`.
    std::vector<int> order;
    order.reserve(static_cast<size_t>(n));
    std::vector<bool> moved(static_cast<size_t>(n), false);
    for (int r : rows) moved[static_cast<size_t>(r)] = true;
    for (int r = 0; r < n; ++r) {
        if (!moved[static_cast<size_t>(r)]) order.push_back(r);
    }
    order.insert(order.begin() + start, rows.begin(), rows.end());

    bool same = true;
    for (int r = 0; r < n && same; ++r) same = order[static_cast<size_t>(r)] == r;
    std::vector<int> placed(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) placed[static_cast<size_t>(i)] = start + i;
    if (same) return {};

    auto& table = db.channels(list.radio_shown());
    const std::vector<int>& rm = list.row_map();
    std::vector<Channel> records;
    records.reserve(static_cast<size_t>(n));
    for (int r : order) records.push_back(table[rm[static_cast<size_t>(r)]]);
    for (int r = 0; r < n; ++r) table[rm[static_cast<size_t>(r)]] = records[static_cast<size_t>(r)];

    // The next Move Channel offers the row after the block, as after a move there.
    list.set_last_move_target(start + count);
    return placed;
}

std::vector<int> MoveRowsByOne(Database& db, ChannelList& list, std::vector<int> rows, int step) {
    const int n = list.row_count();
    if (!db.database_open || n == 0 || (step != -1 && step != 1)) return {};
    std::erase_if(rows, [n](int r) { return r < 0 || r >= n; });
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::vector<bool> selected(static_cast<size_t>(n), false);
    for (int r : rows) selected[static_cast<size_t>(r)] = true;

    auto& table = db.channels(list.radio_shown());
    const std::vector<int>& rm = list.row_map();
    bool moved = false;
    // Nearest the end moved towards first, so each row steps into a place just left.
    const int count = static_cast<int>(rows.size());
    for (int i = 0; i < count; ++i) {
        int& r = rows[static_cast<size_t>(step < 0 ? i : count - 1 - i)];
        const int next = r + step;
        if (next < 0 || next >= n || selected[static_cast<size_t>(next)]) continue;
        std::swap(table[rm[static_cast<size_t>(r)]], table[rm[static_cast<size_t>(next)]]);
        selected[static_cast<size_t>(r)] = false;
        selected[static_cast<size_t>(next)] = true;
        r = next;
        moved = true;
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

}  // namespace velmora
