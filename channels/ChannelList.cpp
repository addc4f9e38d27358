#include "channels/ChannelList.h"

#include <cstdio>
#include <vector>

#include "channels/ChannelSorts.h"
#include "database/Latin1.h"
#include "database/Upkeep.h"
#include "text/Translate.h"

namespace velmora {
namespace {

constexpr std::array<const char*, 8> kHeaders = {
    VT_TR_NOOP("channels", "Index"),     VT_TR_NOOP("channels", "Name"),
    VT_TR_NOOP("channels", "FTA/CAS"),   VT_TR_NOOP("channels", "Lock"),
    VT_TR_NOOP("channels", "Video PID"), VT_TR_NOOP("channels", "Audio PID"),
    VT_TR_NOOP("channels", "PCR PID"),   VT_TR_NOOP("channels", "TXT PID")};
constexpr std::array<int, 8> kWidths = {40, 100, 55, 50, 65, 60, 60, 60};

std::string Signed16(uint16_t v) {
    return std::to_string(static_cast<int16_t>(v));
}

}  // namespace

template <typename Pass>
void ChannelList::List(const Database& db, ListMode mode, Pass pass) {
    mode_ = mode;
    row_map_.clear();
    if (db.database_open) {
        const auto& table = db.channels(radio_shown());
        const int count = db.channel_count(radio_shown());
        row_map_.reserve(count);
        for (int i = 0; i < count; ++i) {
            if (pass(table[i])) row_map_.push_back(i);
        }
    }
    listed_ = true;
    unfiltered_count_ = row_count();
    ApplyFilter(db);
    if (changed) changed();
}

void ChannelList::ApplyFilter(const Database& db) {
    unfiltered_map_.clear();
    if (filter_upper_.empty() || !db.database_open) return;
    unfiltered_map_ = row_map_;
    const auto& table = db.channels(radio_shown());
    // Names are at most a few dozen bytes: an upper-cased copy per row is cheap enough
    // for 4000 rows per keystroke, and keeps the case rule in one place.
    std::erase_if(row_map_, [&](int position) {
        const std::string name = UpperLatin1(table[position].name());
        return name.find(filter_upper_) == std::string::npos;
    });
}

void ChannelList::SetFilter(const Database& db, const std::string& text) {
    if (text == filter_) return;
    filter_ = text;
    filter_upper_ = UpperLatin1(text);
    if (listed_) Relist(db);
}

void ChannelList::FillAllChannels(const Database& db) {
    satellite_ = -1;
    tp_id_ = -1;
    List(db, kListAll, [](const Channel&) { return true; });
}

void ChannelList::FillSatelliteChannels(const Database& db, int satellite) {
    satellite_ = satellite;
    tp_id_ = -1;
    // One lookup table instead of a transponder search per channel.
    std::vector<int> sat_of_id(65536, -1);
    for (int i = db.tp_count() - 1; i >= 0; --i)
        sat_of_id[db.transponders[i].tp_id()] = db.transponders[i].satellite();
    List(db, kListSatellite,
         [&](const Channel& ch) { return satellite >= 0 && sat_of_id[ch.tp_id()] == satellite; });
}

void ChannelList::FillTransponderChannels(const Database& db, int tp_id) {
    // The transponder's satellite is current too (-1 when none carries it).
    satellite_ = db.SatelliteOfTransponder(tp_id);
    tp_id_ = tp_id;
    List(db, kListTransponder, [tp_id](const Channel& ch) { return ch.tp_id() == tp_id; });
}

void ChannelList::FillFavouriteChannels(const Database& db, int g) {
    favourite_group_ = g;
    satellite_ = -1;
    tp_id_ = -1;
    List(db, kListFavourite, [g](const Channel& ch) { return g >= 0 && g < 8 && ch.fav(g); });
}

void ChannelList::ShowTable(const Database& db, ChannelTable table) {
    table_ = table;
    switch (mode_) {
        case kListSatellite:
            FillSatelliteChannels(db, satellite_);
            break;
        case kListTransponder:
            FillTransponderChannels(db, tp_id_);
            break;
        case kListFavourite:
            FillFavouriteChannels(db, favourite_group_);
            break;
        default:
            FillAllChannels(db);
            break;
    }
}

void ChannelList::ClearList() {
    satellite_ = -1;
    tp_id_ = -1;
    row_map_.clear();
    unfiltered_map_.clear();
    unfiltered_count_ = 0;
    listed_ = false;
    if (changed) changed();
}

std::vector<int> ChannelList::ShownColumns() const {
    std::vector<int> shown;
    for (int c = 0; c < kColumnCount; ++c) {
        if (c <= kColName || column_visible[c]) shown.push_back(c);
    }
    return shown;
}

void ChannelList::SetDefaultColumns() {
    column_visible.fill(true);
    column_visible[kColTxtPid] = false;
    for (int g = 4; g < 8; ++g) column_visible[kColFav1 + g] = false;
}

std::string ChannelList::ColumnHeader(const Database& db, int column) {
    if (column < kColFav1) return Translate("channels", kHeaders[column]);
    const int g = column - kColFav1;
    if (db.database_open) return Latin1ToUtf8(db.settings.fav_name(g));
    return "FAV" + std::to_string(g + 1);
}

int ChannelList::ColumnWidth(int column) {
    return column < kColFav1 ? kWidths[column] : 80;
}

std::string ChannelList::CellText(const Database& db, int row, int column) const {
    return CellText(RowChannel(db, row), row, column);
}

std::string ChannelList::CellText(const Channel& ch, int row, int column) {
    switch (column) {
        case kColIndex:
            return std::to_string(row + 1);
        case kColName:
            return Latin1ToUtf8(ch.name());
        case kColFtaCas:
            return ch.fta() ? "FTA" : "CAS";
        case kColLock:
            return ch.locked() ? VT_TR("channels", "Lock") : VT_TR("channels", "Unlock");
        case kColVideoPid:
            return Signed16(ch.video_pid());
        case kColAudioPid:
            return Signed16(ch.first_audio_pid());
        case kColPcrPid:
            return Signed16(ch.pcr_pid());
        case kColTxtPid:
            return Signed16(ch.ttx_pid());
        default:
            return ch.fav(column - kColFav1) ? VT_TR("channels", "Yes") : " ";
    }
}

}  // namespace velmora
