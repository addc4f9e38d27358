// The one place where what a command (or Undo, Redo) returns for the views is shown: node
// upkeep in the tree, what it selects, the list's rows and headers.

#include <QSignalBlocker>
#include <algorithm>

#include "app/CMainFrame.h"
#include "database/qt/StatusNote.h"

namespace velmora {
namespace {

QTreeWidgetItem* NodeOf(const CLeftView& tree, const TreeNodeRef& ref) {
    switch (ref.kind) {
        case TreeNodeKind::None:
            return nullptr;
        case TreeNodeKind::AllServices:
            return tree.RootNode(kRootAllServices);
        case TreeNodeKind::Antenna:
            return tree.RootNode(kRootAntenna);
        case TreeNodeKind::ChannelList:
            return tree.RootNode(kRootChannelList);
        case TreeNodeKind::FavList:
            return tree.RootNode(kRootFavList);
        case TreeNodeKind::ParentalControl:
            return tree.RootNode(kRootParental);
        case TreeNodeKind::OtherSetting:
            return tree.RootNode(kRootOtherSetting);
        case TreeNodeKind::Satellite:
            return tree.SatelliteNode(ref.satellite);
        case TreeNodeKind::Transponder:
            return tree.TransponderNode(ref.satellite, ref.position);
        case TreeNodeKind::FavouriteGroup:
            return tree.GroupNode(ref.position);
    }
    return nullptr;
}

bool ListsChannels(TreeNodeKind kind) {
    return kind == TreeNodeKind::ChannelList || kind == TreeNodeKind::Satellite ||
           kind == TreeNodeKind::Transponder || kind == TreeNodeKind::FavouriteGroup;
}

}  // namespace

void CMainFrame::Apply(const ViewEffect& effect) {
    if (effect.restore) ShowRestoredTables(effect);
    ApplyTreeEffect(effect.tree);
    for (int n : effect.added_satellites) {
        tree_->AddSatelliteNode(n);
        tree_->AddTransponderNodes(n);
    }
    if (effect.relabel_group >= 0) {
        tree_->UpdateGroupNode(effect.relabel_group);
        list_->SetupColumns();  // the favourite columns carry the group names
    }
    // The list shows the changed table; commands never relist it themselves.
    ChannelList& list = list_->list();
    if (effect.relist) list.Relist(doc_.db());
    if (effect.select_rows) list_->SelectRows(*effect.select_rows);
    if (effect.select_position >= 0) {
        const std::vector<int>& rm = list.row_map();
        const auto at = std::find(rm.begin(), rm.end(), effect.select_position);
        if (at != rm.end()) list_->SelectRows({static_cast<int>(at - rm.begin())});
    }
    if (!effect.note.empty())
        ShowStatusNote(this,
                       QString::fromUtf8(effect.note.data(), qsizetype(effect.note.size())));
}

void CMainFrame::ApplyTreeEffect(const TreeEffect& e) {
    CLeftView& tree = *tree_;
    switch (e.change) {
        case TreeChange::None:
            return;
        case TreeChange::RelabelSatellite:
            tree.UpdateSatelliteNode(e.satellite);
            break;
        case TreeChange::AddSatelliteNode:
            tree.AddSatelliteNode(e.satellite);
            break;
        case TreeChange::AppendTransponderNode:
            tree.AppendTransponderNode(e.satellite, e.tp_index);
            break;
        case TreeChange::RelabelTransponder:
            tree.UpdateTransponderNode(e.satellite, e.position);
            break;
        case TreeChange::RemoveTransponderNode:
            tree.RemoveTransponderNode(e.satellite, e.position);
            break;
        case TreeChange::RebuildSatellites:
            tree.RebuildSatellites();
            break;
    }
    QTreeWidgetItem* target = tree.currentItem();
    switch (e.select) {
        case TreeSelect::Keep:
            break;
        case TreeSelect::Satellite:
            target = tree.SatelliteNode(e.select_satellite);
            break;
        case TreeSelect::Transponder:
            target = tree.TransponderNode(e.select_satellite, e.select_position);
            break;
        case TreeSelect::Nothing:
            target = nullptr;
            break;
    }
    const bool same = target == tree.currentItem();
    tree.setCurrentItem(target);
    if (!target && e.refill_channels) {
        tree.clearSelection();
        list_->ClearList();
    } else if (same && e.refill_channels) {
        tree.RefreshSelection();
    }
}

void CMainFrame::ShowRestoredTables(const ViewEffect& effect) {
    // The tree's tables may have changed: rebuild what shows them, without the tree's
    // selection handling running on the half-built nodes.
    if (effect.restore_tree) {
        const QSignalBlocker block(tree_);
        QTreeWidgetItem* antenna = tree_->RootNode(kRootAntenna);
        std::vector<bool> expanded;
        for (int n = 0; n < antenna->childCount(); ++n)
            expanded.push_back(antenna->child(n)->isExpanded());
        tree_->RebuildSatellites();
        // Satellites stay opened as the user left them.
        for (int n = 0; n < antenna->childCount() && n < static_cast<int>(expanded.size()); ++n)
            antenna->child(n)->setExpanded(expanded[static_cast<size_t>(n)]);
    }
    for (int g = 0; g < FavouriteGroups::kGroups; ++g) tree_->UpdateGroupNode(g);
    list_->SetupColumns();  // favourite headers carry the group names
    QTreeWidgetItem* node = NodeOf(*tree_, effect.restore_node);
    {
        const QSignalBlocker block(tree_);
        tree_->setCurrentItem(node);
    }
    if (node) tree_->scrollToItem(node);
    const bool lists = ListsChannels(effect.restore_node.kind);
    const Database& db = doc_.db();
    if (effect.restore_moved) {
        // What the list showed is gone with its node.
        if (lists)
            tree_->RefreshSelection();
        else
            list_->ClearList();
    } else if (lists) {
        tree_->RefreshSelection();
    } else if (list_->list().listed()) {
        list_->list().Relist(db);
    }
}

}  // namespace velmora
