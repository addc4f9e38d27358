#include "channels/ChannelCommands.h"

#include <algorithm>

#include "channels/ChannelForm.h"
#include "channels/ChannelSorts.h"
#include "channels/MoveForm.h"
#include "database/Upkeep.h"

namespace velmora {
namespace {

bool RadioShown(const ChannelCommandContext& c) {
    return c.list.radio_shown();
}

// The row Edit, Swap and Move act on: the highest selected row, or -1.
int LastSelectedRow(const ChannelCommandContext& c) {
    int last = -1;
    for (int r : c.selected) {
        if (r >= 0 && r < c.list.row_count()) last = std::max(last, r);
    }
    return last;
}

void AddKey(ChannelCommandContext& c, int g, uint32_t key, bool radio_list) {
    if (AddFavouriteKey(c.db, g, key, radio_list) == kCannotDo)
        c.prompter.Tell(Translate("channels", kFavouriteFullMessage.data()));
}

// Brings group g's list in step with one channel going from `before` to `after`: the
// old key leaves with a cleared mark, the new key enters with a set mark, and a changed
// key of a kept mark takes the old key's place.
void ReconcileGroup(ChannelCommandContext& c, int g, const Channel& before, const Channel& after,
                    bool radio_list) {
    const bool was = before.fav(g);
    const bool is = after.fav(g);
    if (was && !is) {
        RemoveFavouriteKey(c.db, g, before.key(), radio_list);
    } else if (!was && is) {
        AddKey(c, g, after.key(), radio_list);
    } else if (was && is && before.key() != after.key()) {
        if (ReplaceFavouriteKey(c.db, g, before.key(), after.key(), radio_list) == kCannotDo)
            c.prompter.Tell(Translate("channels", kFavouriteFullMessage.data()));
    }
}

// Where Swap and Move count positions: the listing without the find text, so that From
// and To are the channel's real places even while a find shows only some rows.
const std::vector<int>& MovePositions(const ChannelCommandContext& c) {
    return c.list.unfiltered_map();
}
int MoveIndexOfRow(const ChannelCommandContext& c, int row) {
    const std::vector<int>& positions = MovePositions(c);
    const auto at = std::find(positions.begin(), positions.end(), c.list.row_map()[row]);
    return at == positions.end() ? -1 : static_cast<int>(at - positions.begin());
}

// The Move dialog with From = `from` + 1 and To = `to`; the 0-based target index in
// MovePositions, or nullopt after Cancel or "Out of Range".
std::optional<int> AskTarget(ChannelCommandContext& c, int from, int to, int* confirmed_to) {
    MoveForm form(from + 1, to);
    if (!c.dialogs.RunMove(form)) return std::nullopt;
    const int t = form.to - 1;
    if (t < 0 || t >= static_cast<int>(MovePositions(c).size())) {
        c.prompter.Tell(VT_TR("channels", "Out of Range"));
        return std::nullopt;
    }
    if (confirmed_to) *confirmed_to = form.to;
    return t;
}

}  // namespace

int AddChannel(ChannelCommandContext& c) {
    Database& db = c.db;
    if (!db.database_open) return 0;
    if (db.tv_count() + db.radio_count() >= kMaxChannels) {
        c.prompter.Tell(Translate("channels", kChannelsFullMessage.data()), Icon::Stop,
                        Translate("channels", kChannelsFullCaption.data()));
        return 0;
    }
    Channel tmpl;
    tmpl.set_fta(1);
    const int tp_id = c.list.current_tp_id();
    tmpl.set_tp_id(tp_id != -1 ? static_cast<uint16_t>(tp_id) : 0);
    tmpl.set_ttx_pid(kNoVideoPid);
    if (RadioShown(c)) tmpl.set_video_pid(kNoVideoPid);

    ChannelForm form(db, tmpl, db.channel_count(RadioShown(c)) + 1, RadioShown(c),
                     c.list.list_mode() != kListTransponder);
    if (!c.dialogs.RunChannel(form)) return 0;

    const Channel& added = form.record;
    const bool radio_table = added.video_pid() == kNoVideoPid;
    const int count = db.channel_count(radio_table);
    db.channels(radio_table)[count] = added;
    db.set_channel_count(radio_table, count + 1);
    for (int g = 0; g < FavouriteGroups::kGroups; ++g) {
        if (added.fav(g)) AddKey(c, g, added.key(), radio_table);
    }
    if (radio_table && !RadioShown(c)) c.note = Translate("channels", kStoredAsRadioNote.data());
    return 1;
}

int EditChannel(ChannelCommandContext& c) {
    if (!c.db.database_open) return 0;
    const int row = LastSelectedRow(c);
    if (row < 0) return 0;
    const int p = c.list.row_map()[row];
    Channel& stored = c.db.channels(RadioShown(c))[p];

    ChannelForm form(c.db, stored, p + 1, RadioShown(c), c.list.list_mode() != kListTransponder);
    if (!c.dialogs.RunChannel(form)) return 0;

    for (int g = 0; g < FavouriteGroups::kGroups; ++g)
        ReconcileGroup(c, g, stored, form.record, RadioShown(c));
    stored = form.record;
    return 1;
}

int DeleteChannels(ChannelCommandContext& c) {
    Database& db = c.db;
    if (!db.database_open) return 0;
    std::vector<int> rows;
    for (int r : c.selected) {
        if (r >= 0 && r < c.list.row_count()) rows.push_back(r);
    }
    if (rows.empty()) return 0;
    if (!c.prompter.AskYes(VT_TR("channels", "Are you sure to delete channel ?"))) return 0;

    const bool radio_table = RadioShown(c);
    std::vector<bool> doomed(db.channel_count(radio_table), false);
    for (int r : rows) doomed[c.list.row_map()[r]] = true;
    DeleteChannelsAt(db, radio_table, doomed);
    return 1;
}

int SwapChannel(ChannelCommandContext& c) {
    if (!c.db.database_open) return 0;
    const int row = LastSelectedRow(c);
    if (row < 0) return 0;
    const int f = MoveIndexOfRow(c, row);
    if (f < 0) return 0;
    const std::optional<int> t = AskTarget(c, f, 1, nullptr);
    if (!t) return 0;
    auto& table = c.db.channels(RadioShown(c));
    const std::vector<int>& positions = MovePositions(c);
    std::swap(table[positions[f]], table[positions[*t]]);
    return 1;
}

int MoveChannel(ChannelCommandContext& c) {
    if (!c.db.database_open) return 0;
    const int row = LastSelectedRow(c);
    if (row < 0) return 0;
    const int f = MoveIndexOfRow(c, row);
    if (f < 0) return 0;
    if (c.list.last_move_target() > f) c.list.set_last_move_target(0);
    int to = 0;
    const std::optional<int> target = AskTarget(c, f, c.list.last_move_target() + 1, &to);
    if (!target) return 0;
    const int t = *target;

    auto& table = c.db.channels(RadioShown(c));
    const std::vector<int>& rm = MovePositions(c);
    const Channel kept = table[rm[f]];
    if (f < t) {
        for (int k = f; k < t; ++k) table[rm[k]] = table[rm[k + 1]];
    } else {
        for (int k = f; k > t; --k) table[rm[k]] = table[rm[k - 1]];
    }
    table[rm[t]] = kept;
    c.list.set_last_move_target(to);
    return 1;
}

int SortChannelsByName(ChannelCommandContext& c, bool descending) {
    if (!c.db.database_open) return 0;
    SortPositionsByName(c.db, RadioShown(c), c.list.row_map(), descending);
    return 1;
}

int SortChannelsByTransponder(ChannelCommandContext& c) {
    if (!c.db.database_open) return 0;
    SortTableByTransponder(c.db, RadioShown(c));
    return 1;
}

int SortChannelsBySatellite(ChannelCommandContext& c) {
    if (!c.db.database_open) return 0;
    SortTableBySatellite(c.db, RadioShown(c));
    return 1;
}

}  // namespace velmora
