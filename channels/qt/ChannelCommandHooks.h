#pragma once
// Where the channel list hands its editing commands: the "&Edit" menu, the toolbar, the
// list's pop-up menu, double-click and Enter all end here. The channel commands fill it
// in; every default does nothing. Plain C++, so an implementation needs no Qt.

#include <vector>

namespace velmora {

inline constexpr int kCmdAddChannel = 32789;
inline constexpr int kCmdEditChannel = 32790;
inline constexpr int kCmdDeleteChannel = 32791;
inline constexpr int kCmdSwapChannel = 32792;
inline constexpr int kCmdMoveChannel = 32793;
inline constexpr int kCmdSortAToZ = 32794;
inline constexpr int kCmdSortZToA = 32795;
inline constexpr int kCmdSortByTransponder = 32801;
inline constexpr int kCmdSortBySatellite = 32802;

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
};

}  // namespace velmora
