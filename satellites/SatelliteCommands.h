#pragma once
// The tree's entry points into the satellite and transponder operations: which command
// a context-menu item, Enter or the Delete key stands for on each kind of node, and one
// call that runs a command and reports what the tree has to do.

#include <optional>

#include "database/Database.h"
#include "database/Interaction.h"
#include "satellites/SatelliteDialogs.h"
#include "satellites/SatelliteOps.h"
#include "satellites/TreeEffect.h"

namespace velmora {

enum class SatelliteCommand {
    AddSatellite,
    EditSatellite,
    MoveSatellite,
    SwapSatellite,
    DeleteSatellite,
    AddTransponder,
    EditTransponder,
    DeleteTransponder,
    ModifyTransponders,
};

// The nodes these commands are offered on.
enum class SatelliteNodeKind { Antenna, Satellite, Transponder };

// The command behind context-menu item `item` of a node of `kind` ("Antenna" item 1,
// satellite items 1-5, 7 and 9, transponder items 1-3); nullopt for any other item,
// including the listing import on "Antenna".
std::optional<SatelliteCommand> MenuItemCommand(SatelliteNodeKind kind, int item);
// Enter edits a satellite; nothing else here.
std::optional<SatelliteCommand> EnterKeyCommand(SatelliteNodeKind kind);
// Delete deletes a satellite or a transponder.
std::optional<SatelliteCommand> DeleteKeyCommand(SatelliteNodeKind kind);

// What a command needs besides its node.
struct SatelliteSession {
    Database& db;
    Prompter& prompter;
    SatelliteDialogs& dialogs;
    SatelliteTreeState& tree;
};

// Runs `command` for satellite `satellite` and, for the commands on a transponder node,
// its transponder at `position` under it. Does nothing while no database is open.
TreeEffect RunSatelliteCommand(SatelliteSession& session, SatelliteCommand command, int satellite,
                               int position = -1);

}  // namespace velmora
