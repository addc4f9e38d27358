#pragma once
// Where the user is in the channel list, taken before a command changes the table and
// found again after it: the selected channels and the current one stay selected and
// current wherever the command moved them (a sort, Move, Swap, the shift after a
// Delete). A channel that Edit changed is found at its old place; when nothing of the
// selection is left (Delete), the row after it is selected.

#include <array>
#include <cstdint>
#include <vector>

#include "channels/ChannelList.h"
#include "database/Database.h"

namespace velmora {

struct ListPlace {
    struct Mark {
        int position = -1;  // in the shown table
        std::array<uint8_t, Channel::kSize> record{};
    };
    std::vector<Mark> selected;  // in row order
    Mark current;
    int first_row = -1;    // the first selected row, or the current one
    int current_row = -1;  // as it was
    bool radio = false;    // the table shown
};

struct ListRows {
    std::vector<int> selected;  // ascending
    int current = -1;
};

// `selected_rows` in any order; `current_row` -1 for none.
ListPlace TakeListPlace(const Database& db, const ChannelList& list,
                        const std::vector<int>& selected_rows, int current_row);

// The rows of `list` (as it is now) that hold the place's channels. `edited`: a channel
// not found by its record is looked for at its old position.
ListRows FindListPlace(const ListPlace& place, const Database& db, const ChannelList& list,
                       bool edited);

}  // namespace velmora
