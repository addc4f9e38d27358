#pragma once
// The tree pane: six root nodes, a node per satellite under "Antenna" with its
// transponders, and the eight favourite groups under "FAV List". Selecting a node tells
// the channel list what to show; the context menus, Enter, double-click and Delete hand
// their command ids to the command sink (the main window's RunCommand).

#include <QIcon>
#include <QMenu>
#include <QTreeWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "channels/ChannelList.h"
#include "database/Database.h"
#include "satellites/TreeLabels.h"
#include "satellites/TreeState.h"

namespace velmora {

// Root node positions.
enum TreeRoot {
    kRootAllServices = 0,
    kRootAntenna,
    kRootChannelList,
    kRootFavList,
    kRootParental,
    kRootOtherSetting
};

class CLeftView : public QTreeWidget {
    Q_OBJECT
public:
    CLeftView(const Database& db, ChannelList& list, QWidget* parent = nullptr);

    // Inserts the satellite, transponder and group nodes (after Open and New).
    void FillTree();
    // Removes every node, empties the channel list, inserts the root nodes again.
    void ResetTree();
    // Builds every satellite node with its transponders again (after a change to the
    // order or number of satellites).
    void RebuildSatellites();
    // Appends the node of satellite n under "Antenna" and empties its node map.
    void AddSatelliteNode(int n);
    // (Re)builds satellite n's transponder nodes and node map from the table.
    void AddTransponderNodes(int n);
    // Number of children of `parent` before `node`; the child count when it is not one.
    static int ChildPosition(const QTreeWidgetItem* parent, const QTreeWidgetItem* node);

    // Node upkeep for the satellite and transponder operations.
    void UpdateSatelliteNode(int n);  // label from the record
    void UpdateTransponderNode(int s, int k);
    void UpdateGroupNode(int g);  // label from the stored group name
    // Appends transponder `table_index` under satellite s (node and node map).
    void AppendTransponderNode(int s, int table_index);
    // After transponder node k of satellite s was deleted from the table: node map upkeep,
    // labels from k on rewritten, the last node removed.
    void RemoveTransponderNode(int s, int k);

    QTreeWidgetItem* RootNode(int root) const { return roots_[static_cast<size_t>(root)]; }
    QTreeWidgetItem* SatelliteNode(int n) const;
    QTreeWidgetItem* TransponderNode(int s, int k) const;
    QTreeWidgetItem* GroupNode(int g) const;
    NodeMap& node_map() { return map_; }
    const NodeMap& node_map() const { return map_; }

    // What `node` is, by its place among the root nodes.
    TreeNodeRef NodeRef(const QTreeWidgetItem* node) const;
    TreeNodeRef SelectedNode() const { return NodeRef(currentItem()); }

    // The context menu of the selected node (each action's data its command id), or null
    // when that node has none or no database is open.
    std::unique_ptr<QMenu> BuildContextMenu();
    // Runs command `id` when the selected node's menu holds it.
    void RunMenuCommand(int id);

    // Where the menus, keys and double-click send their command ids.
    using CommandSink = std::function<void(int id)>;
    void SetCommandSink(CommandSink sink) { sink_ = std::move(sink); }
    // The host the listing import's menu entry names.
    void SetListingSiteHost(std::string host) { listing_host_ = std::move(host); }

    // Runs the selection handling for the selected node again, so the channel list shows
    // what that node stands for now (its channels may have changed).
    void RefreshSelection() { OnCurrentItemChanged(currentItem()); }

signals:
    // A selection change filled the channel list.
    void listFilled();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void drawBranches(QPainter* painter, const QRect& rect,
                      const QModelIndex& index) const override;

private:
    void InsertRoots();
    void OnCurrentItemChanged(QTreeWidgetItem* current);
    QTreeWidgetItem* MakeTransponderItem(int s, int k, int table_index) const;
    static void SetTextIfChanged(QTreeWidgetItem* node, const std::string& label);
    // Runs `relabel` (label changes only), then tells the view once that children
    // first..last of `parent` changed.
    void RelabelQuietly(QTreeWidgetItem* parent, int first, int last,
                        const std::function<void()>& relabel);
    void RunPopup(const QPoint& global_pos);
    void Run(int id) {
        if (id && sink_) sink_(id);
    }

    const Database& db_;
    ChannelList& list_;
    NodeMap map_;
    std::array<QTreeWidgetItem*, kTreeRootCount> roots_{};
    CommandSink sink_;
    std::string listing_host_;
    std::array<QIcon, kTreeRootCount> root_icons_;
    QIcon satellite_icon_, transponder_icon_, group_icon_;
};

}  // namespace velmora
