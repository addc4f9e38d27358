#pragma once
// Adding, editing and deleting transponders from the tree, and the checks that the tree
// and the "Modified TP" list share.

#include <string>
#include <vector>

#include "database/Database.h"
#include "database/Interaction.h"
#include "satellites/SatelliteDialogs.h"
#include "satellites/TreeEffect.h"
#include "text/Translate.h"

namespace velmora {

// In English; shown through Translate("satellites", ...).
inline constexpr std::string_view kTransponderFullMessage =
    VT_TR_NOOP("satellites", "Transponder are full");
inline constexpr std::string_view kTransponderExistsMessage =
    VT_TR_NOOP("satellites", "Tp is already exist");
inline constexpr std::string_view kAddTransponderCaption =
    VT_TR_NOOP("satellites", "Add Transponder");
inline constexpr std::string_view kEditTransponderCaption =
    VT_TR_NOOP("satellites", "Edit Transponder");

// Table indices of satellite s's transponders, in table order.
std::vector<int> SatelliteTransponderIndices(const Database& db, int s);
// Table index of the k-th transponder of satellite s, -1 when there is none.
int TransponderIndexAt(const Database& db, int s, int k);
// The FEC name, or "?" for the values 6 and 7 that have none.
std::string_view FecText(unsigned fec);

// Refuses `r` when the table is full or when a transponder with the same satellite,
// frequency, symbol rate and polarisation exists (telling the user why); otherwise gives
// it the lowest free tp_id, appends it and returns true.
bool CanAddTransponder(Database& db, Prompter& prompter, Transponder& r);
// False (telling the user) when a transponder with the same satellite, frequency, symbol
// rate and whole tp_flags byte exists, the edited one included.
bool CanStoreEditedTransponder(const Database& db, Prompter& prompter, const Transponder& r);
// Deletes the channels of transponder `index` and then the transponder itself.
void RemoveTransponderWithChannels(Database& db, int index);

// The tree's operations. `s` is a satellite position, `k` a transponder's position under
// it. Each returns what the tree has to do; TreeChange::None when nothing changed.
TreeEffect AddTransponder(Database& db, Prompter& prompter, SatelliteDialogs& dialogs, int s);
TreeEffect EditTransponder(Database& db, Prompter& prompter, SatelliteDialogs& dialogs, int s,
                           int k);
TreeEffect DeleteTransponder(Database& db, Prompter& prompter, int s, int k);
TreeEffect ModifyTransponders(Database& db, Prompter& prompter, SatelliteDialogs& dialogs, int n);

}  // namespace velmora
