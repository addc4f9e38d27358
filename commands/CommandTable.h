#pragma once
// The command table: one row per command id with everything the menus, the toolbar, the
// status bar and the undo history say about it, when it is enabled or checked, and the
// function that runs it. Menus, the toolbar and the pop-up menus are laid out below from
// ids only; every trigger ends in RunCommand(id).

#include <span>
#include <string>

#include "commands/CommandContext.h"
#include "commands/CommandIds.h"
#include "commands/ViewEffect.h"

namespace velmora {

struct CommandState {
    bool enabled = true;
    bool checked = false;
};

// What the list keeps of the user's place (selection, current row, scroll) across a
// command that relists it: nothing, the same channels wherever the command moved them,
// or those and, for a channel the command changed so that it is not found again, the
// same rows.
enum class KeepPlace { No, ByRecord, ByRecordOrPosition };

// An undo label that is the menu text without its '&'.
inline constexpr const char kUndoAsMenuText[] = "";

struct CommandRow {
    int id = 0;
    int id_count = 1;  // consecutive ids the row serves (the recent files)
    // Menu entry; in kCmdLoadListing's "%1" stands for the listing site's host.
    const char* menu_text = nullptr;
    const char* shortcut = nullptr;  // alternatives separated by '|'
    // The shortcut acts only while the channel list has the focus (Delete, for one, is
    // the tree's own key there).
    bool list_shortcut = false;
    const char* prompt = nullptr;      // status bar
    const char* short_text = nullptr;  // toolbar label and tooltip
    // Null: the command records no undo step (it changes no table, or manages the history
    // itself); otherwise the step's name.
    const char* undo_label = nullptr;
    bool checkable = false;
    KeepPlace keep_place = KeepPlace::No;
    // Null: always enabled, never checked.
    CommandState (*state)(const CVelmoraDoc&, const ChannelList&) = nullptr;
    ViewEffect (*run)(CommandContext&) = nullptr;
};

std::span<const CommandRow> CommandRows();
// The row serving `id`, or null.
const CommandRow* FindCommand(int id);
// The name of the undo step `row` records, in the user's language (empty when it records
// none).
std::string UndoLabel(const CommandRow& row);
CommandState StateOf(const CommandRow& row, const CVelmoraDoc& doc, const ChannelList& list);

// Runs command `id` over `c`; a command with an undo label runs as one recorded step of
// the document. Returns what the views must do; nothing for an unknown id.
ViewEffect RunCommand(int id, CommandContext& c);

// Menu layouts. A menu is a run of items: Menu("&File") opens a (sub)menu, End() closes
// it, Cmd(id) is an entry with the row's text, Sep() a separator.
struct MenuItem {
    enum Kind { Command, Separator, Menu, End } kind;
    int id = 0;
    const char* text = nullptr;  // for Menu
};
constexpr MenuItem Cmd(int id) {
    return {MenuItem::Command, id};
}
constexpr MenuItem Sep() {
    return {MenuItem::Separator};
}
constexpr MenuItem Menu(const char* text) {
    return {MenuItem::Menu, 0, text};
}
constexpr MenuItem End() {
    return {MenuItem::End};
}

// Menu 128: every top-level menu with its entries and submenus.
std::span<const MenuItem> MainMenu();
// The channel list's pop-up menu.
std::span<const MenuItem> ChannelPopupMenu();
// Toolbar 128 in order; 0 is a separator.
std::span<const int> ToolbarButtons();
// Commands with keys but no menu entry (the window takes their shortcuts).
std::span<const int> WindowKeyCommands();

// The context menu of a node of `kind` as command ids (0: a separator); empty for nodes
// without one.
std::span<const int> TreeMenu(TreeNodeKind kind);
enum class TreeKey { Enter, Delete, DoubleClick };
// The command a key (or a double-click) runs on a node of `kind`; 0 for none.
int TreeKeyCommand(TreeNodeKind kind, TreeKey key);

}  // namespace velmora
