#pragma once
// Where the channel list hands its editing commands: the "&Edit" menu, the toolbar, the
// list's pop-up menu, double-click and Enter all end here. The channel commands fill it
// in; every default does nothing. Plain C++, so an implementation needs no Qt.

#include <vector>

#include "channels/ChannelCommands.h"  // the command ids

namespace velmora {

// `rows` are the list's selected rows, ascending, as they were before the command was
// chosen (Edit, Swap and Move act on rows.back(), Delete on all of them). A command that
// changes a table marks the document modified and calls ChannelList::RefreshList; the
// list repaints by itself.
class ChannelCommandHooks {
public:
    virtual ~ChannelCommandHooks() = default;
    virtual void AddChannel(const std::vector<int>& /*rows*/) {}
    virtual void EditChannel(const std::vector<int>& /*rows*/) {}
    virtual void DeleteChannels(const std::vector<int>& /*rows*/) {}
    virtual void SwapChannel(const std::vector<int>& /*rows*/) {}
    virtual void MoveChannel(const std::vector<int>& /*rows*/) {}
    virtual void SortAToZ() {}
    virtual void SortZToA() {}
    virtual void SortByTransponder() {}
    virtual void SortBySatellite() {}
    // Drag and drop: `rows` moved as one block onto `target_row`. Returns the rows the
    // block occupies afterwards (empty when nothing moved).
    virtual std::vector<int> MoveRowsAsBlock(const std::vector<int>& /*rows*/, int /*target_row*/) {
        return {};
    }
};

}  // namespace velmora
