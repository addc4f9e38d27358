#pragma once
// What the views must do after a command ran: a value the command returns and the main
// window applies in one place, for commands and for Undo and Redo alike.

#include <optional>
#include <string>
#include <vector>

#include "satellites/TreeEffect.h"
#include "satellites/TreeState.h"

namespace velmora {

struct ViewEffect {
    // Satellite and transponder node upkeep, and what the tree selects afterwards.
    TreeEffect tree;
    // Satellites a listing import appended: each gets its node with its transponders.
    std::vector<int> added_satellites;
    // Group g's node label and the list's favourite column headers show the stored name.
    int relabel_group = -1;
    // Undo and Redo: any table may have changed. Every satellite node is built again
    // (opened as before), `restore_node` is selected, and the list shows it again; when
    // `restore_moved` the node the user had is gone and the list forgets what it showed.
    bool restore = false;
    TreeNodeRef restore_node;
    bool restore_moved = false;
    // The satellites, transponders or counts differ: the satellite nodes are built again.
    bool restore_tree = false;
    // The table the list shows (or its columns) changed: the list lists again.
    bool relist = false;
    // Rows the list selects afterwards.
    std::optional<std::vector<int>> select_rows;
    // The row listing this position of the shown table is selected afterwards, when the
    // list lists it (a channel added).
    int select_position = -1;
    // A word for the status bar about a result the user might not expect.
    std::string note;
};

}  // namespace velmora
