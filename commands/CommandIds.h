#pragma once
// Every command id of the editor, in one place: menu 128, the toolbar, the accelerators,
// the list's pop-up menu and the tree's context menus, Enter, Delete and double-click.
// Actions carry these ids as their data(); the command table (commands/CommandTable.h)
// has one row per id.

namespace velmora {

// File menu.
inline constexpr int kCmdFileNew = 57600;
inline constexpr int kCmdFileOpen = 57601;
inline constexpr int kCmdFileClose = 32772;
inline constexpr int kCmdFileSave = 57603;
inline constexpr int kCmdFileSaveAs = 57604;
inline constexpr int kCmdPrintSetup = 57606;
inline constexpr int kCmdPrint = 57607;
inline constexpr int kCmdPrintPreview = 57609;
inline constexpr int kCmdRecentFile1 = 57616;  // and the next three ids
inline constexpr int kRecentFileCount = 4;
inline constexpr int kCmdExit = 57665;

// Edit menu.
inline constexpr int kCmdEditUndo = 57643;
inline constexpr int kCmdEditRedo = 57644;
inline constexpr int kCmdEditFind = 57636;  // Ctrl+F: the find field above the list
inline constexpr int kCmdAddChannel = 32789;
inline constexpr int kCmdEditChannel = 32790;
inline constexpr int kCmdDeleteChannel = 32791;
inline constexpr int kCmdSwapChannel = 32792;
inline constexpr int kCmdMoveChannel = 32793;
inline constexpr int kCmdSortAToZ = 32794;
inline constexpr int kCmdSortZToA = 32795;
inline constexpr int kCmdShowChannelInfo = 32796;
inline constexpr int kCmdSortByTransponder = 32801;
inline constexpr int kCmdSortBySatellite = 32802;
inline constexpr int kCmdMoveChannelUp = 32803;    // the selection up by one row
inline constexpr int kCmdMoveChannelDown = 32804;  // and down

// A second database: File > "Compare With...", Edit > Sort > "Apply Order From...", and
// the comparison window's copy button.
inline constexpr int kCmdCompareWith = 32900;
inline constexpr int kCmdApplyOrderFrom = 32901;
inline constexpr int kCmdCopyToThisDatabase = 32902;

// Tools menu: the health check, and its window's buttons.
inline constexpr int kCmdCheckDatabase = 32920;
inline constexpr int kCmdFixFindings = 32921;
inline constexpr int kCmdFixAllFindings = 32922;

// File > Export and File > "Apply CSV Edits...".
inline constexpr int kCmdExportCsv = 32940;
inline constexpr int kCmdExportHtml = 32941;
inline constexpr int kCmdApplyCsvEdits = 32942;
inline constexpr int kCmdExportSatXml = 32943;

// View and Help menus, pane keys.
inline constexpr int kCmdTvChannel = 32782;
inline constexpr int kCmdRadioChannel = 32783;
inline constexpr int kCmdAbout = 57664;
inline constexpr int kCmdNextPane = 57680;
inline constexpr int kCmdPrevPane = 57681;

// The tree's commands (its context menus: TreeMenu) and the list's drag and drop.
inline constexpr int kCmdAddAntenna = 32960;
inline constexpr int kCmdLoadListing = 32961;
inline constexpr int kCmdEditAntenna = 32962;
inline constexpr int kCmdMoveAntenna = 32963;
inline constexpr int kCmdSwapAntenna = 32964;
inline constexpr int kCmdDeleteAntenna = 32965;
inline constexpr int kCmdAddTransponder = 32966;
inline constexpr int kCmdModifyTransponders = 32967;
inline constexpr int kCmdEditTransponder = 32968;
inline constexpr int kCmdDeleteTransponder = 32969;
inline constexpr int kCmdRenameFavGroup = 32970;
inline constexpr int kCmdParentalControl = 32971;
inline constexpr int kCmdOtherSetting = 32972;
inline constexpr int kCmdDropChannels = 32973;
inline constexpr int kCmdLoadSatXml = 32974;
inline constexpr int kCmdUpdateSatXml = 32975;

inline constexpr int kMainResourceId = 128;  // menu, toolbar, accelerators, icon

}  // namespace velmora
