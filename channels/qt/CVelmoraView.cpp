#include "channels/qt/CVelmoraView.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStringList>
#include <QStyle>
#include <algorithm>

#include "channels/qt/ChannelCellDelegate.h"
#include "commands/CommandIds.h"

namespace velmora {
CVelmoraView::CVelmoraView(const Database& db, QWidget* parent)
    : QTableView(parent),
      db_(db),
      model_(new ChannelTableModel(db, list_, this)),
      popup_(new QMenu(this)) {
    setObjectName(QStringLiteral("CVelmoraView"));
    setModel(model_);
    setItemDelegate(new ChannelCellDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    // Rows are reordered by dragging them onto another row of the same list.
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setDragDropOverwriteMode(true);
    setDropIndicatorShown(true);
    model_->SetRowsDropped([this](const std::vector<int>& rows, int target) {
        if (drop_) drop_(rows, target);
    });
    // Rows all have the same height and columns fixed widths: a relist of thousands of
    // rows then costs no measuring at all.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);

    list_.changed = [this] { Relisted(); };
    SetupColumns();
}

CVelmoraView::~CVelmoraView() {
    list_.changed = nullptr;
}

void CVelmoraView::ForwardPopupStatusTips() {
    // A pop-up menu is a window of its own, where status tips stop; handed on to the
    // list, they reach the main window's status bar as the menu bar's do.
    popup_->installEventFilter(this);
    for (QMenu* sub : popup_->findChildren<QMenu*>()) sub->installEventFilter(this);
}

bool CVelmoraView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::StatusTip && qobject_cast<QMenu*>(watched)) {
        QCoreApplication::sendEvent(this, event);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void CVelmoraView::SetupColumns() {
    Relisted();
}

void CVelmoraView::Relisted() {
    ++relists_;
    const std::vector<int> shown = list_.ShownColumns();
    // A different set of columns: the columns that stay keep the order and widths the
    // user gave them; the others join with their fixed widths after the column before
    // them. While the set stays the same the header keeps everything by itself.
    const QString kept =
        shown != laid_out_columns_ && !laid_out_columns_.empty() ? ColumnLayout() : QString();
    model_->Relist();
    if (shown != laid_out_columns_) {
        std::vector<std::pair<int, int>> order;  // column, width, in screen order
        for (const QString& part : kept.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const int column = part.section(QLatin1Char(':'), 0, 0).toInt();
            if (std::find(shown.begin(), shown.end(), column) != shown.end())
                order.emplace_back(column, part.section(QLatin1Char(':'), 1, 1).toInt());
        }
        for (int column : shown) {
            const auto has = [column](const auto& entry) { return entry.first == column; };
            if (std::find_if(order.begin(), order.end(), has) != order.end()) continue;
            // After the nearest column before it in column order, wherever that stands.
            auto at = order.begin();
            int before = -1;
            for (auto it = order.begin(); it != order.end(); ++it) {
                if (it->first < column && it->first > before) {
                    before = it->first;
                    at = it + 1;
                }
            }
            order.insert(at, {column, FirstWidth(column)});
        }
        QHeaderView* header = horizontalHeader();
        for (int visual = 0; visual < static_cast<int>(order.size()); ++visual) {
            const auto [column, width] = order[static_cast<size_t>(visual)];
            const int section =
                static_cast<int>(std::find(shown.begin(), shown.end(), column) - shown.begin());
            header->moveSection(header->visualIndex(section), visual);
            header->resizeSection(section, width);
        }
        laid_out_columns_ = shown;
    }
    emit listChanged();
}

int CVelmoraView::FirstWidth(int column) const {
    const std::vector<int>& shown = model_->shown_columns();
    const int section =
        static_cast<int>(std::find(shown.begin(), shown.end(), column) - shown.begin());
    const QHeaderView* header = horizontalHeader();
    const QString caption = model_->headerData(section, Qt::Horizontal).toString();
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    int width = std::max(ChannelList::ColumnWidth(column),
                         header->fontMetrics().horizontalAdvance(caption) + margins);
    // The words some cells hold ("Lock", "Unlock", "Yes") are as long as the user's
    // language makes them.
    if (column == kColLock || column >= kColFav1) {
        Channel marked;
        Channel plain;
        marked.set_locked(1);
        plain.set_locked(0);
        for (int g = 0; g < FavouriteGroups::kGroups; ++g) {
            marked.set_fav(g, true);
            plain.set_fav(g, false);
        }
        for (const Channel* ch : {&marked, &plain}) {
            const QString word = QString::fromStdString(ChannelList::CellText(*ch, 0, column));
            // The cell draws 2 px in from each side; 4 more keep the word clear of the grid.
            width = std::max(width, fontMetrics().horizontalAdvance(word) + 8);
        }
    }
    return width;
}

void CVelmoraView::SetFilter(const std::string& text) {
    if (text == list_.filter()) return;
    KeptPlace kept = TakePlace();
    kept.place.first_row = -1;  // a channel the find hides leaves nothing selected
    list_.SetFilter(db_, text);
    if (relists_ == kept.relists) return;
    const ListRows rows = FindListPlace(kept.place, db_, list_, false);
    ShowPlace(rows, 0);
    if (rows.current >= 0) scrollTo(model_->index(rows.current, 0), PositionAtCenter);
}

QString CVelmoraView::ColumnLayout() const {
    const QHeaderView* header = horizontalHeader();
    QStringList parts;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int section = header->logicalIndex(visual);
        parts << QStringLiteral("%1:%2")
                     .arg(model_->ColumnAt(section))
                     .arg(header->sectionSize(section));
    }
    return parts.join(QLatin1Char(','));
}

void CVelmoraView::RestoreColumnLayout(const QString& layout) {
    const std::vector<int>& shown = model_->shown_columns();
    std::vector<std::pair<int, int>> columns;  // section, width, in screen order
    std::vector<bool> seen(shown.size(), false);
    for (const QString& part : layout.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList fields = part.split(QLatin1Char(':'));
        bool column_ok = false, width_ok = false;
        const int column = fields.value(0).toInt(&column_ok);
        const int width = fields.value(1).toInt(&width_ok);
        const auto at = std::find(shown.begin(), shown.end(), column);
        if (fields.size() != 2 || !column_ok || !width_ok || width < 8 || width > 2000 ||
            at == shown.end())
            return;
        const auto section = static_cast<size_t>(at - shown.begin());
        if (seen[section]) return;
        seen[section] = true;
        columns.emplace_back(static_cast<int>(section), width);
    }
    if (columns.size() != shown.size()) return;
    QHeaderView* header = horizontalHeader();
    for (int visual = 0; visual < static_cast<int>(columns.size()); ++visual) {
        const auto [section, width] = columns[static_cast<size_t>(visual)];
        header->moveSection(header->visualIndex(section), visual);
        header->resizeSection(section, width);
    }
}

std::vector<int> CVelmoraView::SelectedRows() const {
    std::vector<int> rows;
    if (!selectionModel()) return rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

CVelmoraView::KeptPlace CVelmoraView::TakePlace() const {
    return {TakeListPlace(db_, list_, SelectedRows(), currentIndex().row()),
            verticalScrollBar()->value(), relists_};
}

void CVelmoraView::ShowPlaceAgain(const KeptPlace& kept, bool edited) {
    if (relists_ != kept.relists)
        ShowPlace(FindListPlace(kept.place, db_, list_, edited), kept.scroll);
}

void CVelmoraView::ShowPlace(const ListRows& rows, int scroll) {
    QItemSelection selection;
    for (int r : rows.selected)
        selection.select(model_->index(r, 0), model_->index(r, model_->columnCount() - 1));
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (rows.current >= 0)
        selectionModel()->setCurrentIndex(model_->index(rows.current, 0),
                                          QItemSelectionModel::NoUpdate);
    verticalScrollBar()->setValue(scroll);
    if (rows.current >= 0) scrollTo(model_->index(rows.current, 0), EnsureVisible);
}

void CVelmoraView::SelectRows(const std::vector<int>& rows) {
    QItemSelection selection;
    int last = -1;
    for (int r : rows) {
        if (r < 0 || r >= model_->rowCount()) continue;
        selection.select(model_->index(r, 0), model_->index(r, model_->columnCount() - 1));
        last = r;
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (last >= 0) {
        selectionModel()->setCurrentIndex(model_->index(last, 0), QItemSelectionModel::NoUpdate);
        scrollTo(model_->index(last, 0));
    }
}

bool CVelmoraView::RunPopup(const QPoint& global_pos) {
    const QAction* chosen = popup_->exec(global_pos);
    if (chosen) Run(chosen->data().toInt());
    return chosen != nullptr;
}

void CVelmoraView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        // The command acts on the rows selected before the press, and what it selected
        // afterwards (the channel Swap or Move put elsewhere) stays selected; only a
        // menu closed without a choice lets the press select the row under the pointer.
        if (RunPopup(event->globalPosition().toPoint())) {
            event->accept();
            return;
        }
    }
    if (event->button() == Qt::LeftButton) {
        // Only rows already selected are dragged; a press elsewhere that moves on selects
        // the rows it passes, as in file managers and spreadsheets.
        const QModelIndex pressed = indexAt(event->position().toPoint());
        setDragEnabled(pressed.isValid() && selectionModel()->isRowSelected(pressed.row()) &&
                       !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)));
    }
    // A pressed row half out of sight is not scrolled into view a moment later: the
    // rows would move under a pointer about to drag. Keys and drags still scroll.
    setAutoScroll(false);
    QTableView::mousePressEvent(event);
    setAutoScroll(true);
}

void CVelmoraView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->buttons() == Qt::NoButton) setDragEnabled(true);
}

void CVelmoraView::contextMenuEvent(QContextMenuEvent* event) {
    // The right button has shown the menu already; the menu key shows it at the caret.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        const QRect rect = visualRect(currentIndex());
        RunPopup(viewport()->mapToGlobal(rect.isValid() ? rect.center() : QPoint(0, 0)));
    }
    event->accept();
}

void CVelmoraView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) Run(kCmdEditChannel);
}

void CVelmoraView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & ~Qt::KeypadModifier)) {
        Run(kCmdEditChannel);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace velmora
