#include "satellites/qt/CLeftView.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "commands/CommandTable.h"
#include "import/ListingImportCommand.h"
#include "satellites/qt/TreeBranches.h"
#include "satellites/qt/TreeIcons.h"
#include "satellites/qt/TreeNodeDelegate.h"

namespace velmora {
namespace {

// Group names are record bytes; the satellite and transponder labels are UTF-8 text.
QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
QString Label(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CLeftView::CLeftView(const Database& db, ChannelList& list, QWidget* parent)
    : QTreeWidget(parent), db_(db), list_(list), listing_host_(kListingSiteHost) {
    setObjectName(QStringLiteral("CLeftView"));
    setHeaderHidden(true);
    setColumnCount(1);
    // Labels are long and the pane is narrow: scroll sideways rather than cut them off.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header()->setResizeContentsPrecision(0);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setExpandsOnDoubleClick(true);
    setIconSize(QSize(16, 16));
    setItemDelegate(new TreeNodeDelegate(this));
    setFrameShape(QFrame::StyledPanel);

    for (int i = 0; i < kTreeRootCount; ++i)
        root_icons_[static_cast<size_t>(i)] = TreeNodeIcon(kTreeRootImages[i], kTreeRootImages[i]);
    satellite_icon_ = TreeNodeIcon(kSatelliteImage, kSatelliteSelectedImage);
    transponder_icon_ = TreeNodeIcon(kTransponderImage, kTransponderSelectedImage);
    group_icon_ = TreeNodeIcon(kGroupImage, kGroupSelectedImage);

    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { OnCurrentItemChanged(current); });
    // A node hidden by collapsing its parent cannot stay the selection: the parent takes
    // it over, and the list shows what the parent stands for.
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* collapsed) {
        for (QTreeWidgetItem* n = currentItem() ? currentItem()->parent() : nullptr; n;
             n = n->parent()) {
            if (n == collapsed) {
                setCurrentItem(collapsed);
                return;
            }
        }
    });
    InsertRoots();
}

void CLeftView::InsertRoots() {
    for (int i = 0; i < kTreeRootCount; ++i) {
        auto* item = new QTreeWidgetItem(
            QStringList(QCoreApplication::translate("satellites", kTreeRootLabels[i])));
        item->setIcon(0, root_icons_[static_cast<size_t>(i)]);
        roots_[static_cast<size_t>(i)] = item;
    }
    addTopLevelItems(QList<QTreeWidgetItem*>(roots_.begin(), roots_.end()));
}

void CLeftView::FillTree() {
    // A tree filled twice would show every node twice.
    for (int root : {kRootAntenna, kRootFavList}) qDeleteAll(RootNode(root)->takeChildren());
    const int count = db_.sat_count();
    for (int n = 0; n < count; ++n) AddSatelliteNode(n);
    // Opened once its nodes are all there: each satellite's nodes added to a shown tree
    // would be laid out on their own.
    for (int n = 0; n < count; ++n) AddTransponderNodes(n);
    RootNode(kRootAntenna)->setExpanded(true);
    QList<QTreeWidgetItem*> groups;
    for (int g = 0; g < FavouriteGroups::kGroups; ++g) {
        auto* item = new QTreeWidgetItem(QStringList(Latin1(db_.settings.fav_name(g))));
        item->setIcon(0, group_icon_);
        groups << item;
    }
    RootNode(kRootFavList)->addChildren(groups);
}

void CLeftView::ResetTree() {
    clear();
    map_.ClearAll();
    list_.ClearList();
    InsertRoots();
}

void CLeftView::RebuildSatellites() {
    // The nodes there are kept and take the labels of the records now at their places;
    // only missing nodes are made and surplus ones dropped. Making two thousand nodes anew
    // cost more than any command that asks for this.
    QTreeWidgetItem* antenna = RootNode(kRootAntenna);
    const int count = db_.sat_count();
    while (antenna->childCount() > count) delete antenna->takeChild(antenna->childCount() - 1);
    for (int n = 0; n < antenna->childCount(); ++n) antenna->child(n)->setExpanded(false);
    for (int n = antenna->childCount(); n < count; ++n) AddSatelliteNode(n);
    for (int n = 0; n < count; ++n) {
        QTreeWidgetItem* sat = antenna->child(n);
        map_.Build(db_, n);
        const int nodes = map_.count(n);
        while (sat->childCount() > nodes) delete sat->takeChild(sat->childCount() - 1);
        QList<QTreeWidgetItem*> added;
        for (int k = sat->childCount(); k < nodes; ++k)
            added << MakeTransponderItem(n, k, map_.at(n, k));
        sat->addChildren(added);
    }
    RelabelQuietly(antenna, 0, count - 1, [&] {
        for (int n = 0; n < count; ++n) {
            SetTextIfChanged(antenna->child(n), SatelliteLabel(db_.satellites[n], n));
            QTreeWidgetItem* sat = antenna->child(n);
            for (int k = 0; k < sat->childCount(); ++k)
                SetTextIfChanged(sat->child(k),
                                 TransponderLabel(db_.transponders[map_.at(n, k)], k));
        }
    });
}

void CLeftView::RelabelQuietly(QTreeWidgetItem* parent, int first, int last,
                               const std::function<void()>& relabel) {
    // The labels change quietly, then the view hears of them once: each node's own change
    // would measure the visible nodes again.
    {
        const QSignalBlocker quiet(model());
        relabel();
    }
    if (first <= last)
        emit model()->dataChanged(indexFromItem(parent->child(first)),
                                  indexFromItem(parent->child(last)));
    viewport()->update();
}

void CLeftView::SetTextIfChanged(QTreeWidgetItem* node, const std::string& label) {
    const QString text = Label(label);
    if (node->text(0) != text) node->setText(0, text);
}

void CLeftView::AddSatelliteNode(int n) {
    if (n < 0 || n >= kMaxSatellites) return;
    auto* item = new QTreeWidgetItem(QStringList(Label(SatelliteLabel(db_.satellites[n], n))));
    item->setIcon(0, satellite_icon_);
    RootNode(kRootAntenna)->addChild(item);
    map_.Clear(n);
}

QTreeWidgetItem* CLeftView::MakeTransponderItem(int, int k, int table_index) const {
    auto* item =
        new QTreeWidgetItem(QStringList(Label(TransponderLabel(db_.transponders[table_index], k))));
    item->setIcon(0, transponder_icon_);
    return item;
}

void CLeftView::AddTransponderNodes(int n) {
    QTreeWidgetItem* sat = SatelliteNode(n);
    if (!sat) return;
    qDeleteAll(sat->takeChildren());
    map_.Build(db_, n);
    QList<QTreeWidgetItem*> items;
    items.reserve(map_.count(n));
    for (int k = 0; k < map_.count(n); ++k) items << MakeTransponderItem(n, k, map_.at(n, k));
    sat->addChildren(items);
}

int CLeftView::ChildPosition(const QTreeWidgetItem* parent, const QTreeWidgetItem* node) {
    if (!parent) return 0;
    const int position = parent->indexOfChild(const_cast<QTreeWidgetItem*>(node));
    return position < 0 ? parent->childCount() : position;
}

QTreeWidgetItem* CLeftView::SatelliteNode(int n) const {
    QTreeWidgetItem* antenna = RootNode(kRootAntenna);
    return n >= 0 && n < antenna->childCount() ? antenna->child(n) : nullptr;
}

QTreeWidgetItem* CLeftView::TransponderNode(int s, int k) const {
    QTreeWidgetItem* sat = SatelliteNode(s);
    return sat && k >= 0 && k < sat->childCount() ? sat->child(k) : nullptr;
}

QTreeWidgetItem* CLeftView::GroupNode(int g) const {
    QTreeWidgetItem* fav = RootNode(kRootFavList);
    return g >= 0 && g < fav->childCount() ? fav->child(g) : nullptr;
}

void CLeftView::UpdateSatelliteNode(int n) {
    if (QTreeWidgetItem* item = SatelliteNode(n))
        item->setText(0, Label(SatelliteLabel(db_.satellites[n], n)));
}

void CLeftView::UpdateTransponderNode(int s, int k) {
    QTreeWidgetItem* item = TransponderNode(s, k);
    const int index = map_.TableIndex(s, k);
    if (item && index >= 0) item->setText(0, Label(TransponderLabel(db_.transponders[index], k)));
}

void CLeftView::UpdateGroupNode(int g) {
    if (QTreeWidgetItem* item = GroupNode(g)) item->setText(0, Latin1(db_.settings.fav_name(g)));
}

void CLeftView::AppendTransponderNode(int s, int table_index) {
    QTreeWidgetItem* sat = SatelliteNode(s);
    if (!sat) return;
    const int k = map_.count(s);
    map_.Append(s, table_index);
    sat->addChild(MakeTransponderItem(s, k, table_index));
}

void CLeftView::RemoveTransponderNode(int s, int k) {
    QTreeWidgetItem* sat = SatelliteNode(s);
    if (!sat || k < 0 || k >= map_.count(s)) return;
    map_.RemoveTransponder(s, k);
    // The later nodes take their new numbers.
    const int last = map_.count(s) - 1;
    RelabelQuietly(sat, k, last, [&] {
        for (int i = k; i <= last; ++i) UpdateTransponderNode(s, i);
    });
    delete sat->takeChild(sat->childCount() - 1);
}

TreeNodeRef CLeftView::NodeRef(const QTreeWidgetItem* node) const {
    if (!node) return {};
    const QTreeWidgetItem* p = node->parent();
    const QTreeWidgetItem* g = p ? p->parent() : nullptr;
    QTreeWidgetItem* antenna = RootNode(kRootAntenna);
    if (g && g == antenna)
        return {TreeNodeKind::Transponder, ChildPosition(antenna, p), ChildPosition(p, node)};
    if (p == antenna) return {TreeNodeKind::Satellite, ChildPosition(antenna, node), -1};
    if (p && p == RootNode(kRootFavList))
        return {TreeNodeKind::FavouriteGroup, -1, ChildPosition(p, node)};
    static constexpr TreeNodeKind kRootKinds[kTreeRootCount] = {
        TreeNodeKind::AllServices, TreeNodeKind::Antenna,         TreeNodeKind::ChannelList,
        TreeNodeKind::FavList,     TreeNodeKind::ParentalControl, TreeNodeKind::OtherSetting};
    for (int i = 0; i < kTreeRootCount; ++i) {
        if (node == RootNode(i)) return {kRootKinds[i]};
    }
    return {};
}

void CLeftView::OnCurrentItemChanged(QTreeWidgetItem* current) {
    if (SelectTreeNode(db_, list_, map_, NodeRef(current))) emit listFilled();
}

std::unique_ptr<QMenu> CLeftView::BuildContextMenu() {
    if (!db_.database_open) return nullptr;
    const std::span<const int> ids = TreeMenu(SelectedNode().kind);
    if (ids.empty()) return nullptr;
    auto menu = std::make_unique<QMenu>(this);
    for (int id : ids) {
        if (!id) {
            menu->addSeparator();
            continue;
        }
        QString text = QCoreApplication::translate("commands", FindCommand(id)->menu_text);
        if (text.contains(QLatin1String("%1")))
            text = text.arg(QString::fromStdString(listing_host_));
        menu->addAction(text)->setData(id);
    }
    return menu;
}

void CLeftView::RunMenuCommand(int id) {
    if (!db_.database_open || !id) return;
    for (int offered : TreeMenu(SelectedNode().kind)) {
        if (offered == id) return Run(id);
    }
}

void CLeftView::RunPopup(const QPoint& global_pos) {
    std::unique_ptr<QMenu> menu = BuildContextMenu();
    if (!menu) return;
    if (const QAction* chosen = menu->exec(global_pos)) RunMenuCommand(chosen->data().toInt());
}

void CLeftView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        // The menu is the selected node's, not the one under the pointer, and the right
        // button never moves the selection (with no database it does nothing at all).
        if (db_.database_open) RunPopup(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void CLeftView::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard && db_.database_open) {
        const QRect rect = visualItemRect(currentItem());
        RunPopup(viewport()->mapToGlobal(rect.isValid() ? rect.center() : QPoint(0, 0)));
    }
    event->accept();
}

void CLeftView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (db_.database_open && event->button() == Qt::LeftButton) {
        if (const int id = TreeKeyCommand(SelectedNode().kind, TreeKey::DoubleClick))
            return Run(id);
    }
    QTreeWidget::mouseDoubleClickEvent(event);
}

void CLeftView::keyPressEvent(QKeyEvent* event) {
    if (!db_.database_open) {
        // Keys reach neither the handlers nor the tree then; Tab still leaves the pane.
        if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
            QTreeWidget::keyPressEvent(event);
        else
            event->accept();
        return;
    }
    const TreeNodeKind kind = SelectedNode().kind;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Run(TreeKeyCommand(kind, TreeKey::Enter));
            break;
        case Qt::Key_Delete:
            Run(TreeKeyCommand(kind, TreeKey::Delete));
            break;
        default:
            break;
    }
    QTreeWidget::keyPressEvent(event);
}

void CLeftView::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const {
    DrawTreeBranches(painter, rect, *this, index);
}

}  // namespace velmora
