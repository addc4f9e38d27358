#include "satellites/qt/ShowRecord.h"

#include <algorithm>

namespace velmora {
namespace {

QTreeWidgetItem* TransponderNodeOf(const Database& db, const CLeftView& tree, int tp_index) {
    if (tp_index < 0) return nullptr;
    const int s = db.transponders[tp_index].satellite();
    if (s >= db.sat_count()) return nullptr;
    const auto& entries = tree.node_map().entries(s);
    const auto at = std::find(entries.begin(), entries.end(), tp_index);
    return at == entries.end() ? nullptr
                               : tree.TransponderNode(s, static_cast<int>(at - entries.begin()));
}

}  // namespace

void ShowRecordInMainWindow(const Database& db, CLeftView& tree, CVelmoraView& view,
                            RecordTable table, int index) {
    if (!db.database_open || index < 0) return;
    const bool channel = table == RecordTable::Tv || table == RecordTable::Radio;
    const bool radio = table == RecordTable::Radio;
    QTreeWidgetItem* node = nullptr;
    switch (table) {
        case RecordTable::Satellites:
            if (index < db.sat_count()) node = tree.SatelliteNode(index);
            break;
        case RecordTable::Transponders:
            if (index < db.tp_count()) node = TransponderNodeOf(db, tree, index);
            break;
        case RecordTable::Tv:
        case RecordTable::Radio:
            if (index >= db.channel_count(radio)) return;
            node =
                TransponderNodeOf(db, tree, db.FindTransponder(db.channels(radio)[index].tp_id()));
            if (!node) node = tree.RootNode(kRootChannelList);
            break;
    }
    if (!node) return;
    if (tree.currentItem() == node)
        tree.RefreshSelection();
    else
        tree.setCurrentItem(node);
    tree.scrollToItem(node);
    if (!channel) return;
    if (view.list().radio_shown() != radio)
        view.list().ShowTable(db, radio ? ChannelTable::Radio : ChannelTable::Tv);
    const auto& rows = view.list().row_map();
    const auto row = std::find(rows.begin(), rows.end(), index);
    if (row == rows.end()) return;
    const int r = static_cast<int>(row - rows.begin());
    view.SelectRows({r});
    view.scrollTo(view.channelModel()->index(r, 0));
}

}  // namespace velmora
