#include "satellites/TreeState.h"

namespace velmora {

void NodeMap::ClearAll() {
    for (auto& m : maps_) m.clear();
}

void NodeMap::Build(const Database& db, int s) {
    auto& m = maps_[s];
    m.clear();
    for (int i = 0; i < db.tp_count(); ++i) {
        if (db.transponders[i].satellite() == s) m.push_back(i);
    }
}

void NodeMap::RemoveTransponder(int s, int k) {
    auto& m = maps_[s];
    if (k < 0 || k >= static_cast<int>(m.size())) return;
    const int removed = m[k];
    m.erase(m.begin() + k);
    for (auto& list : maps_) {
        for (int& entry : list) {
            if (entry >= removed) --entry;
        }
    }
}

int NodeMap::TableIndex(int s, int k) const {
    if (s < 0 || s >= kMaxSatellites || k < 0 || k >= count(s)) return -1;
    return maps_[s][k];
}

bool SelectTreeNode(const Database& db, ChannelList& list, const NodeMap& map,
                    const TreeNodeRef& node) {
    if (!db.database_open) return false;
    switch (node.kind) {
        case TreeNodeKind::ChannelList:
            list.FillAllChannels(db);
            return true;
        case TreeNodeKind::Transponder: {
            const int index = map.TableIndex(node.satellite, node.position);
            if (index < 0) return false;
            const int tp_id = db.transponders[index].tp_id();
            list.FillTransponderChannels(db, tp_id);
            return true;
        }
        case TreeNodeKind::Satellite:
            list.FillSatelliteChannels(db, node.satellite);
            return true;
        case TreeNodeKind::FavouriteGroup:
            list.FillFavouriteChannels(db, node.position);
            return true;
        default:
            return false;
    }
}

TreeNodeRef NodeAfterRestore(const Database& db, const TreeNodeRef& node) {
    const TreeNodeRef antenna{TreeNodeKind::Antenna};
    switch (node.kind) {
        case TreeNodeKind::Satellite:
            return node.satellite < db.sat_count() ? node : antenna;
        case TreeNodeKind::Transponder: {
            if (node.satellite >= db.sat_count()) return antenna;
            NodeMap map;
            map.Build(db, node.satellite);
            if (node.position < map.count(node.satellite)) return node;
            return {TreeNodeKind::Satellite, node.satellite, -1};
        }
        default:
            return node;
    }
}

}  // namespace velmora
