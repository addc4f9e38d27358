#pragma once
// The entry points the tree's hooks call for the receiver settings: "Rename FAV Group
// Name" on a group node, and Enter or double click on "Parental Control" and "Other
// Setting".

#include <QString>
#include <memory>
#include <optional>

#include "database/Database.h"
#include "database/Interaction.h"
#include "settings/SettingsDialogs.h"

class QWidget;

namespace velmora {

class SettingsCommandRunner {
public:
    // Runs the Qt dialogs, parented to `parent`.
    SettingsCommandRunner(Database& db, Prompter& prompter, QWidget* parent);
    // Runs the given dialogs (tests).
    SettingsCommandRunner(Database& db, Prompter& prompter, SettingsDialogs& dialogs);
    ~SettingsCommandRunner();

    // Renames group g (0..7). Returns the name as now stored, for the group's node label
    // and the list's column header; nullopt when nothing was stored.
    std::optional<QString> RenameGroup(int g);
    // Returns true when the user confirmed (the database is then marked modified).
    bool EditParental();
    bool EditOtherSettings();

private:
    Database& db_;
    Prompter& prompter_;
    std::unique_ptr<SettingsDialogs> owned_dialogs_;
    SettingsDialogs& dialogs_;
};

}  // namespace velmora
