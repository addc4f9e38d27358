#include "commands/CommandTable.h"

#include <algorithm>

#include "channels/ChannelBlockMove.h"
#include "channels/ChannelCommands.h"
#include "compare/CompareCommands.h"
#include "exchange/ExchangeCommands.h"
#include "health/Fixes.h"
#include "import/ListingImportCommand.h"
#include "satellites/SatelliteOps.h"
#include "satellites/TransponderOps.h"
#include "satellites/TreeLabels.h"
#include "satxml/SatXmlCommands.h"
#include "settings/SettingsOps.h"
#include "text/Translate.h"

namespace velmora {
namespace {

using Context = CommandContext;

// State rules.
CommandState WithoutDatabase(const CVelmoraDoc& doc, const ChannelList&) {
    return {!doc.IsOpen()};
}
CommandState WithDatabase(const CVelmoraDoc& doc, const ChannelList&) {
    return {doc.IsOpen()};
}
CommandState TvShown(const CVelmoraDoc&, const ChannelList& list) {
    return {true, list.shown_table() == ChannelTable::Tv};
}
CommandState RadioShown(const CVelmoraDoc&, const ChannelList& list) {
    return {true, list.shown_table() == ChannelTable::Radio};
}
CommandState CanUndo(const CVelmoraDoc& doc, const ChannelList&) {
    return {doc.IsOpen() && doc.history().CanUndo()};
}
CommandState CanRedo(const CVelmoraDoc& doc, const ChannelList&) {
    return {doc.IsOpen() && doc.history().CanRedo()};
}

// Runs a channel command over the list's table and selection; the list lists again
// when it changed the table.
template <int (*Command)(ChannelCommandContext&)>
ViewEffect Channels(Context& c) {
    ChannelCommandContext cc{c.db(), c.list, c.rows, c.prompter(), c.dialogs};
    ViewEffect e;
    e.relist = Command(cc) > 0;
    e.note = std::move(cc.note);
    return e;
}
int SortAToZ(ChannelCommandContext& cc) {
    return SortChannelsByName(cc, false);
}
int SortZToA(ChannelCommandContext& cc) {
    return SortChannelsByName(cc, true);
}

// Add Channel: the new channel is selected and shown when the list lists it.
ViewEffect AddChannelAndSelect(Context& c) {
    const int before = c.data().channel_count(c.list.radio_shown());
    ViewEffect e = Channels<AddChannel>(c);
    if (c.data().channel_count(c.list.radio_shown()) > before) e.select_position = before;
    return e;
}

template <int Step>
ViewEffect MoveByOne(Context& c) {
    ViewEffect e;
    std::vector<int> placed = MoveRowsByOne(c.db(), c.list, c.rows, Step);
    e.relist = !placed.empty();
    if (!placed.empty()) e.select_rows = std::move(placed);
    return e;
}

ViewEffect DropChannels(Context& c) {
    ViewEffect e;
    std::vector<int> placed = MoveRowsAsBlock(c.db(), c.list, c.rows, c.target_row);
    e.relist = !placed.empty();
    if (!placed.empty()) e.select_rows = std::move(placed);
    return e;
}

ViewEffect ShowInfo(Context& c) {
    ViewEffect e;
    e.relist = ShowChannelInfo(c.list, c.dialogs);  // the columns shown changed
    return e;
}

template <ChannelTable Table>
ViewEffect ShowTable(Context& c) {
    c.list.ShowTable(c.data(), Table);
    return {};
}

// Tree commands act on the selected node, and only while a database is open.
bool OnSatellite(const Context& c) {
    return c.data().database_open && c.node.kind == TreeNodeKind::Satellite;
}
bool OnTransponder(const Context& c) {
    return c.data().database_open && c.node.kind == TreeNodeKind::Transponder;
}
ViewEffect Tree(const TreeEffect& effect) {
    return {.tree = effect};
}

ViewEffect AddAntenna(Context& c) {
    const TreeNodeKind kind = c.node.kind;
    if (!c.data().database_open ||
        (kind != TreeNodeKind::Antenna && kind != TreeNodeKind::Satellite))
        return {};
    return Tree(AddSatellite(c.db(), c.prompter(), c.dialogs));
}
ViewEffect EditAntenna(Context& c) {
    return OnSatellite(c) ? Tree(EditSatellite(c.db(), c.dialogs, c.node.satellite)) : ViewEffect{};
}
ViewEffect MoveAntenna(Context& c) {
    if (!OnSatellite(c)) return {};
    return Tree(MoveSatellite(c.db(), c.prompter(), c.dialogs, c.tree_state, c.node.satellite));
}
ViewEffect SwapAntenna(Context& c) {
    if (!OnSatellite(c)) return {};
    return Tree(SwapSatellite(c.db(), c.prompter(), c.dialogs, c.node.satellite));
}
ViewEffect DeleteAntenna(Context& c) {
    return OnSatellite(c) ? Tree(DeleteSatellite(c.db(), c.prompter(), c.node.satellite))
                          : ViewEffect{};
}
ViewEffect AddTp(Context& c) {
    if (!OnSatellite(c) && !OnTransponder(c)) return {};
    return Tree(AddTransponder(c.db(), c.prompter(), c.dialogs, c.node.satellite));
}
ViewEffect ModifyTps(Context& c) {
    if (!OnSatellite(c)) return {};
    return Tree(ModifyTransponders(c.db(), c.prompter(), c.dialogs, c.node.satellite));
}
ViewEffect EditTp(Context& c) {
    if (!OnTransponder(c)) return {};
    return Tree(
        EditTransponder(c.db(), c.prompter(), c.dialogs, c.node.satellite, c.node.position));
}
ViewEffect DeleteTp(Context& c) {
    if (!OnTransponder(c)) return {};
    return Tree(DeleteTransponder(c.db(), c.prompter(), c.node.satellite, c.node.position));
}

ViewEffect LoadListing(Context& c) {
    if (!c.data().database_open) return {};
    ViewEffect e;
    e.added_satellites =
        RunListingImportCommand(c.db(), c.doc.chooser(), c.prompter()).new_satellites;
    return e;
}

ViewEffect LoadSatXml(Context& c) {
    if (!c.db().database_open || c.node.kind != TreeNodeKind::Antenna) return {};
    ViewEffect e;
    e.added_satellites = LoadSatellitesFromXml(c.db(), c.doc.chooser(), c.prompter(), c.dialogs);
    return e;
}
// On a satellite for that satellite, on "Antenna" for all of them.
ViewEffect UpdateSatXml(Context& c) {
    const bool all = c.node.kind == TreeNodeKind::Antenna;
    if (!c.db().database_open || (!all && !OnSatellite(c))) return {};
    const int only = all ? -1 : c.node.satellite;
    if (!UpdateTranspondersFromXml(c.db(), c.doc.chooser(), c.prompter(), c.dialogs, only))
        return {};
    TreeEffect effect;
    effect.change = TreeChange::RebuildSatellites;
    effect.refill_channels = true;
    if (!all) {
        effect.select = TreeSelect::Satellite;
        effect.select_satellite = only;
    }
    return Tree(effect);
}
ViewEffect ExportSatXml(Context& c) {
    ExportSatellitesXmlFile(c.data(), c.doc.chooser(), c.prompter());
    return {};
}

ViewEffect RenameGroup(Context& c) {
    if (!c.data().database_open || c.node.kind != TreeNodeKind::FavouriteGroup) return {};
    if (!RenameFavouriteGroup(c.db(), c.prompter(), c.dialogs, c.node.position)) return {};
    return {.relabel_group = c.node.position};
}
ViewEffect Parental(Context& c) {
    if (c.data().database_open) EditParentalControl(c.db(), c.prompter(), c.dialogs);
    return {};
}
ViewEffect OtherSettings(Context& c) {
    if (c.data().database_open) EditOtherSettings(c.db(), c.prompter(), c.dialogs);
    return {};
}

// Undo and Redo: any table may have changed, so the views show everything again, with
// the selection kept where it still exists.
// The header (with the counts), satellites and transponders: what the tree shows.
std::vector<uint8_t> TreeTables(const Database& db) {
    std::vector<uint8_t> bytes(db.header.bytes.begin(), db.header.bytes.end());
    for (const Satellite& s : db.satellites)
        bytes.insert(bytes.end(), s.bytes.begin(), s.bytes.end());
    for (const Transponder& t : db.transponders)
        bytes.insert(bytes.end(), t.bytes.begin(), t.bytes.end());
    return bytes;
}

// The views after any table may have changed, with the selection kept where it exists.
ViewEffect Restored(Context& c, const std::vector<uint8_t>& tree_before) {
    ViewEffect e;
    e.restore = true;
    e.restore_tree = TreeTables(c.data()) != tree_before;
    e.restore_node = NodeAfterRestore(c.data(), c.node);
    e.restore_moved = !(e.restore_node == c.node);
    e.select_rows = c.rows;
    return e;
}

template <bool Undo>
ViewEffect Restore(Context& c) {
    const std::vector<uint8_t> tree_before = TreeTables(c.data());
    if (!(Undo ? c.doc.Undo() : c.doc.Redo())) return {};
    return Restored(c, tree_before);
}

// The windows beside the editor: their commands may change any table, so the views
// show everything again as after Undo, with the status bar's word on what was done.
template <typename Change>
ViewEffect ChangedAnyTable(Context& c, Change change) {
    if (!c.data().database_open) return {};
    const std::vector<uint8_t> tree_before = TreeTables(c.data());
    std::string note;
    if (!change(note)) return {};
    ViewEffect e = Restored(c, tree_before);
    e.note = std::move(note);
    return e;
}

// "Copy to this database" over the comparison's chosen rows.
ViewEffect CopyToThisDatabase(Context& c) {
    if (!c.window.there) return {};
    return ChangedAnyTable(c, [&](std::string& note) {
        const auto counts = CopyAcross(c.db(), *c.window.there, c.window.copy, c.prompter());
        if (!counts || counts->total() == 0) return false;
        note = CopiedMessage(*counts);
        return true;
    });
}

std::string FixedMessage(int fixed, const std::vector<std::string>& notes) {
    std::string text = FixedText(fixed);
    for (const std::string& n : notes) text += "; " + n;
    return text;
}

// "Fix" over the check window's chosen findings, "Fix All" over every finding.
template <bool All>
ViewEffect Fix(Context& c) {
    return ChangedAnyTable(c, [&](std::string& note) {
        std::vector<std::string> notes;
        const int fixed =
            All ? FixAllFindings(c.db(), &notes) : FixFindings(c.db(), c.window.findings, &notes);
        if (fixed == 0) return false;
        note = FixedMessage(fixed, notes);
        return true;
    });
}

// Export and CSV edits work on the table the list shows, with its columns.
ExchangeContext Exchange(Context& c) {
    return {c.data(),     c.list.radio_shown(), c.list.ShownColumns(),
            c.prompter(), c.doc.chooser(),      &c.dialogs};
}
template <bool (*Export)(ExchangeContext&)>
ViewEffect ExportChannels(Context& c) {
    if (!c.data().database_open) return {};
    ExchangeContext e = Exchange(c);
    Export(e);
    return {.note = e.told};
}
ViewEffect ApplyCsvEdits(Context& c) {
    if (!c.data().database_open) return {};
    ExchangeContext x = Exchange(c);
    ViewEffect e;
    // Names, marks and order may all have changed: list the same selection again.
    e.relist = ApplyCsvEditsCommand(c.db(), x) && c.list.listed();
    e.note = x.told;
    return e;
}

ViewEffect ApplyOrderFrom(Context& c) {
    if (!c.data().database_open) return {};
    const auto counts = ApplyOrderFromChosenFile(c.db(), c.doc.chooser(), c.prompter());
    if (!counts) return {};
    ViewEffect e;
    e.relist = c.list.listed();
    e.note = OrderMessage(*counts);
    return e;
}

template <bool (CVelmoraDoc::*File)()>
ViewEffect FileCommand(Context& c) {
    (c.doc.*File)();
    return {};
}

template <void (FrameActions::*Action)()>
ViewEffect Frame(Context& c) {
    (c.frame.*Action)();
    return {};
}
template <bool Preview>
ViewEffect Print(Context& c) {
    c.frame.Print(Preview);
    return {};
}
ViewEffect RecentFile(Context& c) {
    c.frame.OpenRecentFile(c.id - kCmdRecentFile1);
    return {};
}

constexpr char kSortChannelMenu[] = VT_TR_NOOP("commands", "Sort Channel");

// clang-format off
constexpr CommandRow kRows[] = {
    // File menu.
    {.id = kCmdFileNew, .menu_text = VT_TR_NOOP("commands", "&New"), .shortcut = "Ctrl+N",
     .prompt = VT_TR_NOOP("commands", "Create a new document"),
     .short_text = VT_TR_NOOP("commands", "New"), .state = WithoutDatabase,
     .run = FileCommand<&CVelmoraDoc::OnFileNew>},
    {.id = kCmdFileOpen, .menu_text = VT_TR_NOOP("commands", "&Open..."), .shortcut = "Ctrl+O",
     .prompt = VT_TR_NOOP("commands", "Open an existing document"),
     .short_text = VT_TR_NOOP("commands", "Open"), .state = WithoutDatabase,
     .run = FileCommand<&CVelmoraDoc::OnFileOpen>},
    {.id = kCmdFileClose, .menu_text = VT_TR_NOOP("commands", "&Close"), .state = WithDatabase,
     .run = FileCommand<&CVelmoraDoc::OnFileClose>},
    {.id = kCmdFileSave, .menu_text = VT_TR_NOOP("commands", "&Save"), .shortcut = "Ctrl+S",
     .prompt = VT_TR_NOOP("commands", "Save the active document"),
     .short_text = VT_TR_NOOP("commands", "Save"), .state = WithDatabase,
     .run = FileCommand<&CVelmoraDoc::OnFileSave>},
    {.id = kCmdFileSaveAs, .menu_text = VT_TR_NOOP("commands", "Save &As..."),
     .prompt = VT_TR_NOOP("commands", "Save the active document with a new name"),
     .short_text = VT_TR_NOOP("commands", "Save As"), .state = WithDatabase,
     .run = FileCommand<&CVelmoraDoc::OnFileSaveAs>},
    {.id = kCmdExportCsv, .menu_text = VT_TR_NOOP("commands", "Channels as &CSV..."),
     .prompt = VT_TR_NOOP("commands", "Write the channel list to a CSV file for a spreadsheet"),
     .state = WithDatabase, .run = ExportChannels<ExportChannelsCsv>},
    {.id = kCmdExportHtml, .menu_text = VT_TR_NOOP("commands", "Channels as &HTML..."),
     .prompt = VT_TR_NOOP("commands", "Write the channel list to an HTML page"),
     .state = WithDatabase, .run = ExportChannels<ExportChannelsHtml>},
    {.id = kCmdExportSatXml, .menu_text = VT_TR_NOOP("commands", "&Satellites as satellites.xml..."),
     .prompt = VT_TR_NOOP("commands",
                          "Write the satellites and transponders as a satellites.xml file"),
     .state = WithDatabase, .run = ExportSatXml},
    {.id = kCmdApplyCsvEdits, .menu_text = VT_TR_NOOP("commands", "App&ly CSV Edits..."),
     .prompt = VT_TR_NOOP("commands",
                          "Apply names, PIDs, flags, marks and order edited in a CSV file"),
     .undo_label = VT_TR_NOOP("commands", "Apply CSV Edits"), .state = WithDatabase,
     .run = ApplyCsvEdits},
    {.id = kCmdCompareWith, .menu_text = VT_TR_NOOP("commands", "Compare &With..."),
     .prompt = VT_TR_NOOP("commands", "Compare this database with another one"),
     .short_text = VT_TR_NOOP("commands", "Compare"), .state = WithDatabase,
     .run = Frame<&FrameActions::CompareWith>},
    {.id = kCmdPrint, .menu_text = VT_TR_NOOP("commands", "&Print..."), .shortcut = "Ctrl+P",
     .prompt = VT_TR_NOOP("commands", "Print the active document"),
     .short_text = VT_TR_NOOP("commands", "Print"), .run = Print<false>},
    {.id = kCmdPrintPreview, .menu_text = VT_TR_NOOP("commands", "Print Pre&view"),
     .prompt = VT_TR_NOOP("commands", "Display full pages"),
     .short_text = VT_TR_NOOP("commands", "Print Preview"), .run = Print<true>},
    {.id = kCmdPrintSetup, .menu_text = VT_TR_NOOP("commands", "P&rint Setup..."),
     .prompt = VT_TR_NOOP("commands", "Change the printer and printing options"),
     .short_text = VT_TR_NOOP("commands", "Print Setup"), .run = Frame<&FrameActions::PrintSetup>},
    {.id = kCmdRecentFile1, .id_count = kRecentFileCount,
     .menu_text = VT_TR_NOOP("commands", "Recent File"),
     .prompt = VT_TR_NOOP("commands", "Open this document"), .run = RecentFile},
    {.id = kCmdExit, .menu_text = VT_TR_NOOP("commands", "E&xit"),
     .prompt = VT_TR_NOOP("commands", "Quit the application; prompts to save documents"),
     .short_text = VT_TR_NOOP("commands", "Exit"), .run = Frame<&FrameActions::Exit>},

    // Edit menu.
    {.id = kCmdEditUndo, .menu_text = VT_TR_NOOP("commands", "&Undo"), .shortcut = "Ctrl+Z",
     .prompt = VT_TR_NOOP("commands", "Undo the last action"),
     .short_text = VT_TR_NOOP("commands", "Undo"), .keep_place = KeepPlace::ByRecordOrPosition,
     .state = CanUndo, .run = Restore<true>},
    {.id = kCmdEditRedo, .menu_text = VT_TR_NOOP("commands", "&Redo"),
     .shortcut = "Ctrl+Y|Ctrl+Shift+Z",
     .prompt = VT_TR_NOOP("commands", "Redo the previously undone action"),
     .short_text = VT_TR_NOOP("commands", "Redo"), .keep_place = KeepPlace::ByRecordOrPosition,
     .state = CanRedo, .run = Restore<false>},
    {.id = kCmdAddChannel, .menu_text = VT_TR_NOOP("commands", "Add Channel"),
     .prompt = VT_TR_NOOP("commands", "Add a new Channel"),
     .short_text = VT_TR_NOOP("commands", "Add CH"), .undo_label = kUndoAsMenuText,
     .keep_place = KeepPlace::ByRecord, .run = AddChannelAndSelect},
    {.id = kCmdEditChannel, .menu_text = VT_TR_NOOP("commands", "Edit Channel"),
     .prompt = VT_TR_NOOP("commands", "Edit a channel"),
     .short_text = VT_TR_NOOP("commands", "Edit CH"), .undo_label = kUndoAsMenuText,
     .keep_place = KeepPlace::ByRecordOrPosition, .run = Channels<EditChannel>},
    {.id = kCmdDeleteChannel, .menu_text = VT_TR_NOOP("commands", "Delete Channel"),
     .shortcut = "Del", .list_shortcut = true,
     .prompt = VT_TR_NOOP("commands", "Detelte a channel"),
     .short_text = VT_TR_NOOP("commands", "Del CH"), .undo_label = kUndoAsMenuText,
     .keep_place = KeepPlace::ByRecord, .run = Channels<DeleteChannels>},
    {.id = kCmdSwapChannel, .menu_text = VT_TR_NOOP("commands", "Swap Channel"),
     .shortcut = "Ctrl+T", .list_shortcut = true, .prompt = VT_TR_NOOP("commands", "Swap channel"),
     .short_text = VT_TR_NOOP("commands", "Swap"), .undo_label = kUndoAsMenuText,
     .keep_place = KeepPlace::ByRecord, .run = Channels<SwapChannel>},
    {.id = kCmdMoveChannel, .menu_text = VT_TR_NOOP("commands", "Move Channel"),
     .shortcut = "Ctrl+M", .list_shortcut = true, .prompt = VT_TR_NOOP("commands", "Move channel"),
     .short_text = VT_TR_NOOP("commands", "Move"), .undo_label = kUndoAsMenuText,
     .keep_place = KeepPlace::ByRecord, .run = Channels<MoveChannel>},
    {.id = kCmdMoveChannelUp, .menu_text = VT_TR_NOOP("commands", "Move Up"), .shortcut = "Ctrl+Up",
     .list_shortcut = true,
     .prompt = VT_TR_NOOP("commands", "Move the selected channels up by one row"),
     .undo_label = kUndoAsMenuText, .run = MoveByOne<-1>},
    {.id = kCmdMoveChannelDown, .menu_text = VT_TR_NOOP("commands", "Move Down"),
     .shortcut = "Ctrl+Down", .list_shortcut = true,
     .prompt = VT_TR_NOOP("commands", "Move the selected channels down by one row"),
     .undo_label = kUndoAsMenuText, .run = MoveByOne<1>},
    {.id = kCmdSortAToZ, .menu_text = VT_TR_NOOP("commands", "A--->Z"),
     .prompt = VT_TR_NOOP("commands", "Sort Channels from A to Z"),
     .short_text = VT_TR_NOOP("commands", "AZ"),
     .undo_label = VT_TR_NOOP("commands", "Sort A--->Z"), .keep_place = KeepPlace::ByRecord,
     .run = Channels<SortAToZ>},
    {.id = kCmdSortZToA, .menu_text = VT_TR_NOOP("commands", "Z--->A"),
     .prompt = VT_TR_NOOP("commands", "Sort Channels from Z to AZ"),
     .short_text = VT_TR_NOOP("commands", "ZA"),
     .undo_label = VT_TR_NOOP("commands", "Sort Z--->A"), .keep_place = KeepPlace::ByRecord,
     .run = Channels<SortZToA>},
    {.id = kCmdSortByTransponder, .menu_text = VT_TR_NOOP("commands", "Transponder"),
     .prompt = VT_TR_NOOP("commands", "Sort Channels by Transponer"),
     .short_text = VT_TR_NOOP("commands", "Transponder Sort"),
     .undo_label = VT_TR_NOOP("commands", "Sort by Transponder"), .keep_place = KeepPlace::ByRecord,
     .run = Channels<SortChannelsByTransponder>},
    {.id = kCmdSortBySatellite, .menu_text = VT_TR_NOOP("commands", "Satellite"),
     .prompt = VT_TR_NOOP("commands", "Sort Channels by Satellite"),
     .short_text = VT_TR_NOOP("commands", "Satellite Sort"),
     .undo_label = VT_TR_NOOP("commands", "Sort by Satellite"), .keep_place = KeepPlace::ByRecord,
     .run = Channels<SortChannelsBySatellite>},
    {.id = kCmdApplyOrderFrom, .menu_text = VT_TR_NOOP("commands", "Apply Order From..."),
     .prompt = VT_TR_NOOP("commands", "Order the channels as another database or list orders them"),
     .short_text = VT_TR_NOOP("commands", "Apply Order"),
     .undo_label = VT_TR_NOOP("commands", "Apply Order"), .state = WithDatabase,
     .run = ApplyOrderFrom},
    {.id = kCmdShowChannelInfo, .menu_text = VT_TR_NOOP("commands", "Show Channel info..."),
     .prompt = VT_TR_NOOP("commands", "Select the information of channel to show"),
     .run = ShowInfo},
    {.id = kCmdEditFind, .menu_text = VT_TR_NOOP("commands", "Find"), .shortcut = "Ctrl+F",
     .prompt = VT_TR_NOOP("commands", "Find channels by name"),
     .run = Frame<&FrameActions::FocusFind>},
    // Rows dragged onto another row: one step under Move Channel's name (see RunCommand).
    {.id = kCmdDropChannels, .run = DropChannels},

    // View and Help menus, pane keys.
    {.id = kCmdTvChannel, .menu_text = VT_TR_NOOP("commands", "&TV Channel"),
     .prompt = VT_TR_NOOP("commands", "Show the TV channels"),
     .short_text = VT_TR_NOOP("commands", "TV"), .checkable = true, .state = TvShown,
     .run = ShowTable<ChannelTable::Tv>},
    {.id = kCmdRadioChannel, .menu_text = VT_TR_NOOP("commands", "&Radio Channel"),
     .prompt = VT_TR_NOOP("commands", "Show the Radio channels"),
     .short_text = VT_TR_NOOP("commands", "Radio"), .checkable = true, .state = RadioShown,
     .run = ShowTable<ChannelTable::Radio>},
    {.id = kCmdCheckDatabase, .menu_text = VT_TR_NOOP("commands", "&Check Database..."),
     .shortcut = "Ctrl+K",
     .prompt = VT_TR_NOOP("commands", "Find duplicates, key collisions and orphans"),
     .short_text = VT_TR_NOOP("commands", "Check"), .state = WithDatabase,
     .run = Frame<&FrameActions::ShowCheckWindow>},

    // The buttons of the windows beside the editor, over their selection.
    {.id = kCmdCopyToThisDatabase, .menu_text = VT_TR_NOOP("commands", "Copy to this database"),
     .prompt = VT_TR_NOOP("commands", "Copy the selected differences from the other database"),
     .undo_label = kUndoAsMenuText, .keep_place = KeepPlace::ByRecordOrPosition,
     .state = WithDatabase, .run = CopyToThisDatabase},
    {.id = kCmdFixFindings, .menu_text = VT_TR_NOOP("commands", "Fix"),
     .prompt = VT_TR_NOOP("commands", "Mend the selected findings"),
     .undo_label = kUndoAsMenuText, .keep_place = KeepPlace::ByRecordOrPosition,
     .state = WithDatabase, .run = Fix<false>},
    {.id = kCmdFixAllFindings, .menu_text = VT_TR_NOOP("commands", "Fix All"),
     .prompt = VT_TR_NOOP("commands", "Mend every finding that can be"),
     .undo_label = kUndoAsMenuText, .keep_place = KeepPlace::ByRecordOrPosition,
     .state = WithDatabase, .run = Fix<true>},
    {.id = kCmdAbout, .menu_text = VT_TR_NOOP("commands", "&About Velmora..."),
     .prompt = VT_TR_NOOP("commands", "Display program information, version number and copyright"),
     .short_text = VT_TR_NOOP("commands", "About"), .run = Frame<&FrameActions::ShowAbout>},
    {.id = kCmdNextPane, .menu_text = VT_TR_NOOP("commands", "Next Pane"), .shortcut = "F6",
     .run = Frame<&FrameActions::SwitchPane>},
    {.id = kCmdPrevPane, .menu_text = VT_TR_NOOP("commands", "Previous Pane"),
     .shortcut = "Shift+F6", .run = Frame<&FrameActions::SwitchPane>},

    // The tree's commands.
    {.id = kCmdAddAntenna, .menu_text = VT_TR_NOOP("commands", "Add Antenna"),
     .undo_label = kUndoAsMenuText, .run = AddAntenna},
    {.id = kCmdLoadListing,
     .menu_text = VT_TR_NOOP("commands", "Load Satellite from html file of %1..."),
     .undo_label = VT_TR_NOOP("commands", "Load Satellite"), .run = LoadListing},
    {.id = kCmdLoadSatXml,
     .menu_text = VT_TR_NOOP("commands", "Load Satellites from satellites.xml..."),
     .undo_label = VT_TR_NOOP("commands", "Load Satellites"), .run = LoadSatXml},
    {.id = kCmdUpdateSatXml,
     .menu_text = VT_TR_NOOP("commands", "Update Transponders from satellites.xml..."),
     .undo_label = VT_TR_NOOP("commands", "Update Transponders"), .run = UpdateSatXml},
    {.id = kCmdEditAntenna, .menu_text = VT_TR_NOOP("commands", "Edit Antenna"),
     .undo_label = kUndoAsMenuText, .run = EditAntenna},
    {.id = kCmdMoveAntenna, .menu_text = VT_TR_NOOP("commands", "Move Antenna"),
     .undo_label = kUndoAsMenuText, .run = MoveAntenna},
    {.id = kCmdSwapAntenna, .menu_text = VT_TR_NOOP("commands", "Swap Antenna"),
     .undo_label = kUndoAsMenuText, .run = SwapAntenna},
    {.id = kCmdDeleteAntenna, .menu_text = VT_TR_NOOP("commands", "Delete Antenna"),
     .undo_label = kUndoAsMenuText, .run = DeleteAntenna},
    {.id = kCmdAddTransponder, .menu_text = VT_TR_NOOP("commands", "Add Transponder"),
     .undo_label = kUndoAsMenuText, .run = AddTp},
    {.id = kCmdModifyTransponders, .menu_text = VT_TR_NOOP("commands", "Modify Transponders"),
     .undo_label = kUndoAsMenuText, .run = ModifyTps},
    {.id = kCmdEditTransponder, .menu_text = VT_TR_NOOP("commands", "Edit Transponder"),
     .undo_label = kUndoAsMenuText, .run = EditTp},
    {.id = kCmdDeleteTransponder, .menu_text = VT_TR_NOOP("commands", "Delete Transponder"),
     .undo_label = kUndoAsMenuText, .run = DeleteTp},
    {.id = kCmdRenameFavGroup, .menu_text = VT_TR_NOOP("commands", "Rename FAV Group Name"),
     .undo_label = kUndoAsMenuText, .run = RenameGroup},
    // Enter or double-click on the root nodes; the step takes the node's name.
    {.id = kCmdParentalControl, .undo_label = kTreeRootLabels[4], .run = Parental},
    {.id = kCmdOtherSetting, .undo_label = kTreeRootLabels[5], .run = OtherSettings},
};

constexpr MenuItem kMainMenu[] = {
    Menu(VT_TR_NOOP("commands", "&File")),
        Cmd(kCmdFileNew), Cmd(kCmdFileOpen), Cmd(kCmdFileClose), Sep(),
        Cmd(kCmdFileSave), Cmd(kCmdFileSaveAs), Sep(),
        Menu(VT_TR_NOOP("commands", "&Export")),
            Cmd(kCmdExportCsv), Cmd(kCmdExportHtml), Cmd(kCmdExportSatXml),
        End(),
        Cmd(kCmdApplyCsvEdits), Cmd(kCmdCompareWith), Sep(),
        Cmd(kCmdPrint), Cmd(kCmdPrintPreview), Cmd(kCmdPrintSetup), Sep(),
        Cmd(kCmdRecentFile1), Sep(),
        Cmd(kCmdExit),
    End(),
    Menu(VT_TR_NOOP("commands", "&Edit")),
        Cmd(kCmdEditUndo), Cmd(kCmdEditRedo), Sep(),
        Cmd(kCmdAddChannel), Cmd(kCmdEditChannel), Cmd(kCmdDeleteChannel),
        Cmd(kCmdSwapChannel), Cmd(kCmdMoveChannel), Cmd(kCmdMoveChannelUp),
        Cmd(kCmdMoveChannelDown), Sep(),
        Menu(kSortChannelMenu),
            Cmd(kCmdSortAToZ), Cmd(kCmdSortZToA), Sep(),
            Cmd(kCmdSortByTransponder), Cmd(kCmdSortBySatellite), Sep(),
            Cmd(kCmdApplyOrderFrom),
        End(),
        Sep(),
        Cmd(kCmdShowChannelInfo),
    End(),
    Menu(VT_TR_NOOP("commands", "&View")),
        Cmd(kCmdTvChannel), Cmd(kCmdRadioChannel),
    End(),
    Menu(VT_TR_NOOP("commands", "&Tools")),
        Cmd(kCmdCheckDatabase),
    End(),
    Menu(VT_TR_NOOP("commands", "&Help")),
        Cmd(kCmdAbout),
    End(),
};

constexpr MenuItem kChannelPopup[] = {
    Cmd(kCmdAddChannel), Cmd(kCmdEditChannel), Cmd(kCmdDeleteChannel),
    Cmd(kCmdSwapChannel), Cmd(kCmdMoveChannel), Sep(),
    Menu(kSortChannelMenu),
        Cmd(kCmdSortAToZ), Cmd(kCmdSortZToA), Sep(),
        Cmd(kCmdSortByTransponder), Cmd(kCmdSortBySatellite),
    End(),
    Sep(),
    Cmd(kCmdShowChannelInfo),
};

constexpr int kToolbar[] = {
    kCmdFileNew, kCmdFileOpen, kCmdFileSave, 0, kCmdAddChannel, 0, kCmdEditChannel, 0,
    kCmdMoveChannel, 0, kCmdDeleteChannel, 0, kCmdAbout, 0, kCmdSortAToZ, kCmdSortZToA, 0,
    kCmdTvChannel, kCmdRadioChannel, 0, kCmdEditUndo, kCmdEditRedo};

constexpr int kWindowKeys[] = {kCmdNextPane, kCmdPrevPane, kCmdEditFind};

// The tree's context menus.
constexpr int kAntennaMenu[] = {kCmdAddAntenna, kCmdLoadListing, kCmdLoadSatXml,
                                kCmdUpdateSatXml};
constexpr int kSatelliteMenu[] = {kCmdAddAntenna,    kCmdEditAntenna,   kCmdMoveAntenna,
                                  kCmdSwapAntenna,   kCmdDeleteAntenna, 0,
                                  kCmdAddTransponder, 0,                kCmdModifyTransponders,
                                  kCmdUpdateSatXml};
constexpr int kTransponderMenu[] = {kCmdAddTransponder, kCmdEditTransponder,
                                    kCmdDeleteTransponder};
constexpr int kGroupMenu[] = {kCmdRenameFavGroup};
// clang-format on

}  // namespace

std::span<const CommandRow> CommandRows() {
    return kRows;
}

const CommandRow* FindCommand(int id) {
    for (const CommandRow& row : kRows) {
        if (id >= row.id && id < row.id + row.id_count) return &row;
    }
    return nullptr;
}

std::string UndoLabel(const CommandRow& row) {
    if (!row.undo_label) return {};
    // The step keeps its name in the language it was taken in.
    if (*row.undo_label) return Translate("commands", row.undo_label);
    std::string text = Translate("commands", row.menu_text);
    std::erase(text, '&');
    return text;
}

CommandState StateOf(const CommandRow& row, const CVelmoraDoc& doc, const ChannelList& list) {
    return row.state ? row.state(doc, list) : CommandState{};
}

ViewEffect RunCommand(int id, CommandContext& c) {
    const CommandRow* row = FindCommand(id);
    if (!row || !row->run) return {};
    c.id = id;
    // A drop moves rows as Move Channel does, under its name.
    const CommandRow* named = id == kCmdDropChannels ? FindCommand(kCmdMoveChannel) : row;
    const std::string label = UndoLabel(*named);
    if (label.empty()) return row->run(c);
    return c.doc.Record(label, [&](Database& db) {
        c.writable = &db;
        ViewEffect effect = row->run(c);
        c.writable = nullptr;
        return effect;
    });
}

std::span<const MenuItem> MainMenu() {
    return kMainMenu;
}
std::span<const MenuItem> ChannelPopupMenu() {
    return kChannelPopup;
}
std::span<const int> ToolbarButtons() {
    return kToolbar;
}
std::span<const int> WindowKeyCommands() {
    return kWindowKeys;
}

std::span<const int> TreeMenu(TreeNodeKind kind) {
    switch (kind) {
        case TreeNodeKind::Antenna:
            return kAntennaMenu;
        case TreeNodeKind::Satellite:
            return kSatelliteMenu;
        case TreeNodeKind::Transponder:
            return kTransponderMenu;
        case TreeNodeKind::FavouriteGroup:
            return kGroupMenu;
        default:
            return {};
    }
}

int TreeKeyCommand(TreeNodeKind kind, TreeKey key) {
    switch (kind) {
        case TreeNodeKind::Satellite:
            if (key == TreeKey::Enter) return kCmdEditAntenna;
            if (key == TreeKey::Delete) return kCmdDeleteAntenna;
            return 0;
        case TreeNodeKind::Transponder:
            return key == TreeKey::Delete ? kCmdDeleteTransponder : 0;
        case TreeNodeKind::ParentalControl:
            return key == TreeKey::Delete ? 0 : kCmdParentalControl;
        case TreeNodeKind::OtherSetting:
            return key == TreeKey::Delete ? 0 : kCmdOtherSetting;
        default:
            return 0;
    }
}

}  // namespace velmora
