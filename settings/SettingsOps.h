#pragma once
// The receiver-settings commands the tree starts: renaming a favourite group, the
// parental-control dialog and the other-settings dialog. Each works on a copy, writes
// the settings block only on OK. With no database open,
// or for a group number outside 0..7, nothing is shown and nothing changes.

#include "database/Database.h"
#include "database/Interaction.h"
#include "settings/SettingsDialogs.h"

namespace velmora {

// Shows group g's name in the rename dialog; on OK stores it through the name byte
// filter. Returns true when a name was stored (the caller relabels the group's node
// with the stored name), false on Cancel.
bool RenameFavouriteGroup(Database& db, Prompter& prompter, SettingsDialogs& dialogs, int g);

// Edits the password and the four locks. Returns true on OK.
bool EditParentalControl(Database& db, Prompter& prompter, SettingsDialogs& dialogs);

// Edits menu, audio, RF and TV settings. Returns true on OK.
bool EditOtherSettings(Database& db, Prompter& prompter, SettingsDialogs& dialogs);

}  // namespace velmora
