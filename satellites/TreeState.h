#pragma once
// The tree's presentation state without widgets: which kind of node is selected, the
// node map from transponder nodes to their records, and what a selection change does
// to the channel list and the document's current satellite and transponder.

#include <array>
#include <vector>

#include "channels/ChannelList.h"
#include "database/Database.h"

namespace velmora {

enum class TreeNodeKind {
    None,  // no node, or a node the handlers do not serve
    AllServices,
    Antenna,
    ChannelList,
    FavList,
    ParentalControl,
    OtherSetting,
    Satellite,       // under "Antenna"; `satellite` is its position
    Transponder,     // under a satellite node; `satellite`, and `position` among its siblings
    FavouriteGroup,  // under "FAV List"; `position` is the group number
};

struct TreeNodeRef {
    TreeNodeKind kind = TreeNodeKind::None;
    int satellite = -1;
    int position = -1;

    bool operator==(const TreeNodeRef&) const = default;
};

// For every satellite, the transponder-table indexes of the transponders shown under its
// node, in display order. Sized to the database limits: 63 satellites, and as many
// transponders per satellite as the table holds.
class NodeMap {
public:
    int count(int s) const { return static_cast<int>(maps_[s].size()); }
    int at(int s, int k) const { return maps_[s][k]; }
    const std::vector<int>& entries(int s) const { return maps_[s]; }

    void Clear(int s) { maps_[s].clear(); }
    void ClearAll();
    void Append(int s, int table_index) { maps_[s].push_back(table_index); }
    // Satellite s's list from the table: every transponder in use whose `satellite` is s,
    // in table order.
    void Build(const Database& db, int s);
    // After transponder k of satellite s was removed from the table: its entry goes, and
    // every entry (of any satellite) at or past its table index moves down by one.
    void RemoveTransponder(int s, int k);
    // The table index of transponder node k of satellite s, or -1 when there is none.
    int TableIndex(int s, int k) const;

private:
    std::array<std::vector<int>, kMaxSatellites> maps_;
};

// The selection change of the tree. Only while a database is open: "Channel List" lists
// all channels, a satellite its channels, a transponder its channels, a favourite group
// its channels, each setting the list mode and the list's current satellite and
// transponder. Any other node changes nothing. Returns true when the list was filled.
bool SelectTreeNode(const Database& db, ChannelList& list, const NodeMap& map,
                    const TreeNodeRef& node);

// After Undo or Redo rebuilt the nodes from the tables: `node` when it still exists,
// else the nearest node above it (a gone transponder's satellite, a gone satellite's
// "Antenna").
TreeNodeRef NodeAfterRestore(const Database& db, const TreeNodeRef& node);

}  // namespace velmora
