#pragma once
// The channel editing commands of the "&Edit" menu, the toolbar and the list's pop-up
// menu. Each works on the table the list shows (TV or radio), through the list's rows and
// row map; each change relists.

#include <string>
#include <string_view>
#include <vector>

#include "channels/ChannelDialogs.h"
#include "channels/ChannelList.h"
#include "database/Database.h"
#include "database/Interaction.h"
#include "text/Translate.h"

namespace velmora {

// In English; shown through Translate("channels", ...).
inline constexpr std::string_view kChannelsFullMessage =
    VT_TR_NOOP("channels", "Channels are full,can't append");
inline constexpr std::string_view kChannelsFullCaption = VT_TR_NOOP("channels", "Infomation");
inline constexpr std::string_view kFavouriteFullMessage =
    VT_TR_NOOP("channels", "Favor are full,can not store more favor");

// What every command works with. `selected` holds the selected rows in any order.
struct ChannelCommandContext {
    Database& db;
    ChannelList& list;
    std::vector<int> selected;
    Prompter& prompter;
    ChannelDialogs& dialogs;
    // Set by a command whose result the user might not expect, for the status bar.
    std::string note = {};
};

inline constexpr std::string_view kStoredAsRadioNote =
    VT_TR_NOOP("channels", "Video PID 8191: the channel was stored as a radio channel.");

// Each returns 1 when it changed the database (list relisted), else 0.
// With no database open every command does nothing.

// Refuses at 4000 channels ("Channels are full,can't append"); otherwise runs the channel
// dialog on a new template and appends the result to the radio table when its video PID
// is 8191, else to the TV table, entering its key in every group it is marked for. A
// channel that lands in the radio table while TV is shown leaves kStoredAsRadioNote.
int AddChannel(ChannelCommandContext& c);
// Runs the channel dialog on the last selected row's record and stores the result,
// bringing all eight favourite groups in step with the changed marks and key.
int EditChannel(ChannelCommandContext& c);
// After "Are you sure to delete channel ?" removes every selected row's record, and its
// key from the groups it was marked for.
int DeleteChannels(ChannelCommandContext& c);
// Swap and Move count From and To in the listing as it is without the find text, so
// both show and take a channel's real position while a find narrows the rows.
// Exchanges the last selected row's record with the record at the position the Move
// dialog names ("Out of Range" outside the listing).
int SwapChannel(ChannelCommandContext& c);
// Moves the last selected row's record to the position the Move dialog names, shifting
// the ones between; offers the position after the last move's target when that lies above.
int MoveChannel(ChannelCommandContext& c);
// Sorts the listed rows by name among their own positions.
int SortChannelsByName(ChannelCommandContext& c, bool descending);
int SortChannelsByTransponder(ChannelCommandContext& c);
int SortChannelsBySatellite(ChannelCommandContext& c);

}  // namespace velmora
