#pragma once
// The column choice of the "Show Channel information" dialog as a plain value: one box
// per optional column, "Default", and what OK does to the list.

#include <array>

#include "channels/ChannelList.h"
#include "database/Database.h"
#include "text/Translate.h"

namespace velmora {

inline constexpr int kShowInfoDialogId = 139;
inline constexpr int kShowInfoDefaultButton = 1002;

struct ShowInfoBox {
    int control_id;
    const char* text;  // English: translated ("channels") where the box is made
    int column;
};

// The fourteen check boxes in dialog order, with the column each one shows.
inline constexpr std::array<ShowInfoBox, 14> kShowInfoBoxes = {{
    {1061, VT_TR_NOOP("channels", "FTA/CAS"), kColFtaCas},
    {1038, VT_TR_NOOP("channels", "LOCK"), kColLock},
    {1041, VT_TR_NOOP("channels", "Video PID"), kColVideoPid},
    {1062, VT_TR_NOOP("channels", "Audio PID"), kColAudioPid},
    {1043, VT_TR_NOOP("channels", "PCR PID"), kColPcrPid},
    {1044, VT_TR_NOOP("channels", "Tele PID"), kColTxtPid},
    {1046, "FAV1", kColFav1 + 0},
    {1047, "FAV2", kColFav1 + 1},
    {1048, "FAV3", kColFav1 + 2},
    {1049, "FAV4", kColFav1 + 3},
    {1050, "FAV5", kColFav1 + 4},
    {1051, "FAV6", kColFav1 + 5},
    {1024, "FAV7", kColFav1 + 6},
    {1025, "FAV8", kColFav1 + 7},
}};

struct ShowInfoForm {
    // Indexed by column; Index and Name are always shown and have no box.
    std::array<bool, kColumnCount> checked{};

    void Load(const ChannelList& list) { checked = list.column_visible; }
    // "Default": every column but TXT PID and FAV5..FAV8.
    void SetDefault() {
        ChannelList defaults;
        defaults.SetDefaultColumns();
        checked = defaults.column_visible;
    }
    void Apply(ChannelList& list) const {
        for (const auto& box : kShowInfoBoxes)
            list.column_visible[box.column] = checked[box.column];
    }
};

// Runs the dialog; true on OK with `form` holding the boxes as the user left them.
class ShowInfoDialogHost {
public:
    virtual ~ShowInfoDialogHost() = default;
    virtual bool RunShowInfo(ShowInfoForm& form) = 0;
};

// Show Channel info: on OK the list takes the chosen columns (true: the view lists
// again); on Cancel nothing changes.
inline bool ShowChannelInfo(ChannelList& list, ShowInfoDialogHost& host) {
    ShowInfoForm form;
    form.Load(list);
    if (!host.RunShowInfo(form)) return false;
    form.Apply(list);
    return true;
}

}  // namespace velmora
