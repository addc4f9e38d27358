#pragma once
// Adding, editing, moving, swapping and deleting satellites. Transponders name their
// satellite by its table position, so every change of positions rewrites them too.

#include <string_view>

#include "database/Database.h"
#include "database/Interaction.h"
#include "satellites/SatelliteDialogs.h"
#include "satellites/TreeEffect.h"
#include "text/Translate.h"

namespace velmora {

// In English; shown through Translate("satellites", ...).
inline constexpr std::string_view kSatellitesFullMessage =
    VT_TR_NOOP("satellites", "Satellites are full,can't append the satellite");
inline constexpr std::string_view kOutOfRangeMessage = VT_TR_NOOP("satellites", "Out ot range");

// Tree-side state the operations remember between runs; the tree owns it for the life
// of the program (Open and Close do not reset it).
struct SatelliteTreeState {
    int last_move_target = 1;  // the To the next Move proposes, 1-based
};

// Appends `sat` as the last satellite and marks the database modified; false, telling
// the user "Satellites are full,can't append the satellite", when the table is full.
bool CanAddSatellite(Database& db, Prompter& prompter, const Satellite& sat);
// False, telling the user with Add Antenna's or Add Transponder's message, when
// `satellites` more satellites or `transponders` more transponders do not fit.
bool HasRoomFor(const Database& db, Prompter& prompter, int satellites, int transponders);

// Each returns what the tree has to do; TreeChange::None when nothing changed. `n` is the
// position of the selected satellite.
TreeEffect AddSatellite(Database& db, Prompter& prompter, SatelliteDialogs& dialogs);
TreeEffect EditSatellite(Database& db, SatelliteDialogs& dialogs, int n);
TreeEffect MoveSatellite(Database& db, Prompter& prompter, SatelliteDialogs& dialogs,
                         SatelliteTreeState& state, int n);
TreeEffect SwapSatellite(Database& db, Prompter& prompter, SatelliteDialogs& dialogs, int n);
TreeEffect DeleteSatellite(Database& db, Prompter& prompter, int n);

}  // namespace velmora
