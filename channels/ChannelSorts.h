#pragma once
// The channel sorts: by name over the positions a listing shows, and by transponder or
// satellite over a whole table. Records move whole; nothing inside a record changes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "database/Database.h"

namespace velmora {

// Upper case as ISO-8859-1: a-z and 0xE0..0xFE except 0xF7 become their capitals; every
// other byte stays.
uint8_t UpperLatin1(uint8_t b);
std::string UpperLatin1(std::string_view text);

// Compares two names upper-cased, byte by byte as unsigned values, a prefix comparing
// less: negative, zero or positive.
int CompareNames(std::string_view a, std::string_view b);

// Orders the records at `positions` (in the order given) by name among those same
// positions, A to Z or, with `descending`, Z to A. Equal names keep their order.
void SortPositionsByName(Database& db, bool radio_table, const std::vector<int>& positions,
                         bool descending);

// Reorders the whole table by a stable sort on `ranks` (one per record, in table order).
void ReorderTableByRank(Database& db, bool radio_table, const std::vector<int>& ranks);

// Orders the whole table by tp_id. Records with a tp_id of 2000 or more follow, in their
// old order; equal ids keep their order.
void SortTableByTransponder(Database& db, bool radio_table);

// Groups the whole table by the satellite of each record's transponder (the first
// transponder in table order with its tp_id), satellites 0 to 62. Records whose
// transponder is missing or names no such satellite follow, in their old order.
void SortTableBySatellite(Database& db, bool radio_table);

}  // namespace velmora
