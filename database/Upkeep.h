#pragma once
// Operations that keep the tables consistent with each other: favourite groups against
// the channels' marks, channels against their transponders, and the clean state right
// after a file was read.

#include <cstdint>
#include <vector>

#include "database/Database.h"

namespace velmora {

inline constexpr int kBadGroup = -1;  // group number not below 8
inline constexpr int kCannotDo = -2;  // group full, or key not found

// Position of `key` in group g's TV (radio = false) or radio list, kCannotDo when absent.
int FindFavouriteKey(Database& db, int g, uint32_t key, bool radio);
// Appends `key` (even when present); 1, or kCannotDo when the group holds 200 keys.
int AddFavouriteKey(Database& db, int g, uint32_t key, bool radio);
// Removes the first occurrence keeping the list's order; 1, or kCannotDo when absent.
int RemoveFavouriteKey(Database& db, int g, uint32_t key, bool radio);
// Puts `new_key` in place of occurrence `occurrence` (0 for the first) of `old_key`, or
// appends it when the list holds fewer occurrences; 1, or kCannotDo when the group was
// full and the key could not be appended.
int ReplaceFavouriteKey(Database& db, int g, uint32_t old_key, uint32_t new_key, bool radio,
                        int occurrence = 0);
// Drops keys whose channel no longer carries mark g, full group or not; the number
// dropped.
int PurgeFavouriteGroup(Database& db, int g, bool radio);
// Fills all eight groups from the channels' marks, TV keys first, 200 keys at most.
void RebuildFavouriteGroups(Database& db);
// Applies the name byte filter to every channel name in use.
void CleanChannelNames(Database& db);
// Orders satellite s's transponders by frequency among their own table positions;
// equal frequencies keep their order.
void SortSatelliteTransponders(Database& db, int s);
// SortSatelliteTransponders for every satellite index from 0 to sat_count - 1, in one
// pass over the table.
void SortAllSatelliteTransponders(Database& db);
// Deletes every TV and radio channel carried by `tp_id`, and their keys from the groups
// they were marked for; returns how many.
int DeleteTransponderChannels(Database& db, int tp_id);
// Removes the channels of one table whose `doomed` entry is set, closing the gaps; the
// key of each leaves the groups it is marked for, so no stale key stays. Returns how many.
int DeleteChannelsAt(Database& db, bool radio, const std::vector<bool>& doomed);
// Removes transponder record `index`, closing the gap; returns 1.
int DeleteTransponderAt(Database& db, int index);

// The after-open steps: clear and rebuild the groups, clean the names, sort every
// satellite's transponders.
void RunAfterOpenSteps(Database& db);

// The reset New performs: zeroed tables, default settings, and a header with the record
// sizes and a signature so that the database can be saved and opened again.
void ResetToNewDatabase(Database& db);

inline constexpr const char* kNewDatabaseSignature = "VELMORA SDX DATABASE";

}  // namespace velmora
