#pragma once
// What the tree calls for its satellite and transponder commands: runs the command with
// the real dialogs and returns what the tree has to do afterwards.

#include <optional>

#include "satellites/SatelliteCommands.h"
#include "satellites/qt/QtSatelliteDialogs.h"

namespace velmora {

class SatelliteCommandRunner {
public:
    // `tree` is the tree's own state (the last move target); `parent` the window the
    // dialogs open over.
    SatelliteCommandRunner(Database& db, Prompter& prompter, SatelliteTreeState& tree,
                           QWidget* parent);
    // For tests: runs with another dialog host.
    SatelliteCommandRunner(Database& db, Prompter& prompter, SatelliteTreeState& tree,
                           SatelliteDialogs& dialogs);
    SatelliteCommandRunner(const SatelliteCommandRunner&) = delete;
    SatelliteCommandRunner& operator=(const SatelliteCommandRunner&) = delete;

    // `satellite` is the selected satellite node's position (or that of the selected
    // transponder node's parent), `position` the transponder node's position under it.
    TreeEffect Run(SatelliteCommand command, int satellite, int position = -1);
    // Context-menu item `item` chosen on a node of `kind`; nullopt when the item is not a
    // satellite or transponder command (the listing import, for one).
    std::optional<TreeEffect> RunMenuItem(SatelliteNodeKind kind, int item, int satellite,
                                          int position = -1);
    // Enter and the Delete key; nullopt when the key does nothing on that node here.
    std::optional<TreeEffect> RunEnterKey(SatelliteNodeKind kind, int satellite);
    std::optional<TreeEffect> RunDeleteKey(SatelliteNodeKind kind, int satellite,
                                           int position = -1);

private:
    std::optional<TreeEffect> RunIf(std::optional<SatelliteCommand> command, int satellite,
                                    int position);

    std::optional<QtSatelliteDialogs> qt_dialogs_;
    SatelliteSession session_;
};

}  // namespace velmora
