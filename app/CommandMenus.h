#pragma once
// Actions, menus and pop-up menus made from the command table: each action carries its
// id as data() and the row's text, keys, status-bar prompt and short text.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <span>

#include "commands/CommandTable.h"

namespace velmora {

// A text of the command table (marked in the "commands" context) in the user's language.
QString CommandText(const char* text);

// A new action for command `id`, owned by `parent`; `with_keys` gives it the row's
// shortcuts (a pop-up menu's copies go without).
QAction* NewCommandAction(int id, QObject* parent, bool with_keys = true);

// The action a menu shows for command `id` (called once per id of a row that serves
// several).
using CommandActionFor = std::function<QAction*(int id)>;

// Adds `items` to `menu`, opening a submenu at every Menu() up to its End().
void AddMenuItems(QMenu* menu, std::span<const MenuItem> items, const CommandActionFor& action);
// Adds each top-level Menu() of `items` to `bar` with its entries.
void AddMenus(QMenuBar* bar, std::span<const MenuItem> items, const CommandActionFor& action);

}  // namespace velmora
