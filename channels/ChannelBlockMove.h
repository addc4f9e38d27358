#pragma once
// Drag and drop in the channel list: several rows moved to another row as one block.

#include <vector>

#include "channels/ChannelList.h"
#include "database/Database.h"

namespace velmora {

// Moves the records of `rows` (any order; duplicates and rows outside the listing are
// ignored) so that they stand together, in the order they had, at `target_row`: the
// block starts at the target when it lies above the first moved row, otherwise it ends
// there. Only the listed positions are reordered, as Move Channel reorders them, so the
// effect is that of moving each row in turn. Relists.
// Returns the rows the block occupies afterwards; empty when nothing changed.
std::vector<int> MoveRowsAsBlock(Database& db, ChannelList& list, std::vector<int> rows,
                                 int target_row);

}  // namespace velmora
