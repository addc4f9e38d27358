#pragma once
// Drag and drop in the channel list (several rows moved to another row as one block), and
// the selection moved up or down by one row.

#include <vector>

#include "channels/ChannelList.h"
#include "database/Database.h"

namespace velmora {

// Moves the records of `rows` (any order; duplicates and rows outside the listing are
// ignored) so that they stand together, in the order they had, at `target_row`: the
// block starts at the target when it lies above the first moved row, otherwise it ends
// there. Only the listed positions are reordered, as Move Channel reorders them, so the
// effect is that of moving each row in turn.
// Returns the rows the block occupies afterwards; empty when nothing changed.
std::vector<int> MoveRowsAsBlock(Database& db, ChannelList& list, std::vector<int> rows,
                                 int target_row);

// Ctrl+Up and Ctrl+Down: every selected row changes places with the unselected row above
// (step -1) or below (step +1) it; rows already at that end of the listing stay, and so
// do the rows packed against them. Returns the rows the selected records occupy
// afterwards (the input rows when nothing could move); marks the database modified and
// relists when something moved.
std::vector<int> MoveRowsByOne(Database& db, ChannelList& list, std::vector<int> rows, int step);

}  // namespace velmora
