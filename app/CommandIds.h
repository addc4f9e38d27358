#pragma once
// Command ids of menu 128, the toolbar and the accelerators. The file commands' ids are
// in database/CVelmoraDoc.h, the channel commands' in channels/qt/ChannelCommandHooks.h.

#include "channels/ShowInfoForm.h"
#include "channels/qt/ChannelCommandHooks.h"
#include "database/CVelmoraDoc.h"

namespace velmora {

inline constexpr int kCmdPrintSetup = 57606;
inline constexpr int kCmdPrint = 57607;
inline constexpr int kCmdPrintPreview = 57609;
inline constexpr int kCmdRecentFile1 = 57616;  // and the next three ids
inline constexpr int kRecentFileCount = 4;
inline constexpr int kCmdAbout = 57664;
inline constexpr int kCmdExit = 57665;
inline constexpr int kCmdNextPane = 57680;
inline constexpr int kCmdPrevPane = 57681;
inline constexpr int kCmdEditUndo = 57643;
inline constexpr int kCmdEditRedo = 57644;
inline constexpr int kCmdEditFind = 57636;  // Ctrl+F: the find field above the list
inline constexpr int kCmdTvChannel = 32782;
inline constexpr int kCmdRadioChannel = 32783;

inline constexpr int kMainResourceId = 128;  // menu, toolbar, accelerators, icon
inline constexpr int kAboutDialogId = 100;

}  // namespace velmora
