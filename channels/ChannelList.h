#pragma once
// What the channel list shows: which table (radio mode), which filter (list mode), the
// row map from rows to table positions, and the column choice. The Qt view only paints
// what this holds; the channel commands work through its rows and row map.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "database/Database.h"

namespace velmora {

enum ListMode { kListAll = 0, kListSatellite = 1, kListTransponder = 2, kListFavourite = 3 };

inline constexpr int kColumnCount = 16;
enum Column {
    kColIndex = 0,
    kColName,
    kColFtaCas,
    kColLock,
    kColVideoPid,
    kColAudioPid,
    kColPcrPid,
    kColTxtPid,
    kColFav1  // kColFav1 + g for group g
};

// Which table the list shows.
enum class ChannelTable { Tv, Radio };

class ChannelList {
public:
    std::array<bool, kColumnCount> column_visible;

    // Called after every listing and clear, so a view can repaint.
    std::function<void()> changed;

    ChannelList() { column_visible.fill(true); }

    ChannelTable shown_table() const { return table_; }
    bool radio_shown() const { return table_ == ChannelTable::Radio; }
    ListMode list_mode() const { return mode_; }
    // Row -> position in the shown table.
    const std::vector<int>& row_map() const { return row_map_; }
    int row_count() const { return static_cast<int>(row_map_.size()); }
    // The 1-based To of the last Move Channel (or block move), which the next Move offers.
    int last_move_target() const { return last_move_target_; }
    void set_last_move_target(int to) { last_move_target_ = to; }
    // Rows the listing had before the find text narrowed it.
    int unfiltered_count() const { return unfiltered_count_; }
    // Row -> position for the listing as it is without the find text: Move and Swap count
    // positions there, so a find does not hide where a channel really stands.
    const std::vector<int>& unfiltered_map() const {
        return filter_.empty() ? row_map_ : unfiltered_map_;
    }
    // Whether the list shows a listing (false after ClearList, before any fill).
    bool listed() const { return listed_; }

    // Find: only channels whose name contains `text` (ISO-8859-1 bytes), ignoring case,
    // stay in every listing from now on. Relists the current listing at once.
    void SetFilter(const Database& db, const std::string& text);
    const std::string& filter() const { return filter_; }

    // Each listing sets the current satellite and transponder: the satellite or
    // transponder listed, else -1. The listing never changes a table.
    void FillAllChannels(const Database& db);
    void FillSatelliteChannels(const Database& db, int satellite);
    void FillTransponderChannels(const Database& db, int tp_id);
    // Lists the channels marked for group g in table order.
    void FillFavouriteChannels(const Database& db, int g);
    // Shows `table` and relists for the current list mode (a favourite group is listed
    // again too).
    void ShowTable(const Database& db, ChannelTable table);
    // Lists again what the list shows, after a command changed the table.
    void Relist(const Database& db) { ShowTable(db, table_); }
    // No listing: no current satellite or transponder either.
    void ClearList();

    // The satellite (index) and transponder (tp_id) the list shows, else -1: where Add
    // Channel puts a new channel. Kept here only, as what the tree selected.
    int current_satellite() const { return satellite_; }
    int current_tp_id() const { return tp_id_; }

    // The shown columns in column order (Index and Name are always shown).
    std::vector<int> ShownColumns() const;
    void SetDefaultColumns();

    // Headers and cells are UTF-8 text: words in the user's language, names turned from
    // their record bytes.
    static std::string ColumnHeader(const Database& db, int column);
    static int ColumnWidth(int column);
    // Cell text of `column` for `row` of the current listing.
    std::string CellText(const Database& db, int row, int column) const;
    static std::string CellText(const Channel& ch, int row, int column);

    const Channel& RowChannel(const Database& db, int row) const {
        return db.channels(radio_shown())[row_map_[row]];
    }

private:
    template <typename Pass>
    void List(const Database& db, ListMode mode, Pass pass);
    void ApplyFilter(const Database& db);

    ChannelTable table_ = ChannelTable::Tv;
    ListMode mode_ = kListAll;
    std::vector<int> row_map_;
    std::vector<int> unfiltered_map_;  // while a find narrows the rows
    int last_move_target_ = 0;
    std::string filter_;        // as typed
    std::string filter_upper_;  // upper-cased once, compared per row
    int unfiltered_count_ = 0;
    bool listed_ = false;
    int favourite_group_ = 0;
    int satellite_ = -1;
    int tp_id_ = -1;
};

}  // namespace velmora
