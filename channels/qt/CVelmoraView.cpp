#include "channels/qt/CVelmoraView.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

#include "channels/qt/CShowInfoDlg.h"

namespace velmora {
namespace {

// Cells are short centred texts: drawn straight, without the style's text layout per
// cell, which is most of what a repaint of a full window of rows would cost.
class ChannelCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QPalette::ColorGroup group =
            !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
            : (option.state & QStyle::State_Active) ? QPalette::Active
                                                    : QPalette::Inactive;
        const bool selected = option.state & QStyle::State_Selected;
        if (selected)
            painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
        else if (const QVariant tint = index.data(Qt::BackgroundRole); tint.isValid())
            painter->fillRect(option.rect, tint.value<QColor>());
        QString text = index.data(Qt::DisplayRole).toString();
        const QRect rect = option.rect.adjusted(2, 0, -2, 0);
        const QFontMetrics& metrics = option.fontMetrics;
        if (metrics.horizontalAdvance(text) > rect.width())
            text = metrics.elidedText(text, Qt::ElideRight, rect.width());
        painter->setPen(
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(rect, Qt::AlignCenter, text);
    }
};

}  // namespace

CVelmoraView::CVelmoraView(Database& db, QWidget* parent)
    : QTableView(parent),
      db_(db),
      model_(new ChannelTableModel(db, list_, this)),
      popup_(new QMenu(this)),
      hooks_(std::make_unique<ChannelCommandHooks>()),
      show_info_(std::make_unique<QtShowInfoDialogHost>(this)) {
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
    model_->SetRowsDropped(
        [this](const std::vector<int>& rows, int target) { DropRows(rows, target); });
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
    BuildPopup();
    SetupColumns();
}

CVelmoraView::~CVelmoraView() {
    list_.changed = nullptr;
}

void CVelmoraView::BuildPopup() {
    auto add = [this](QMenu* menu, const char* text, int id) {
        QAction* action = menu->addAction(QString::fromLatin1(text));
        action->setData(id);
    };
    add(popup_, "Add Channel", kCmdAddChannel);
    add(popup_, "Edit Channel", kCmdEditChannel);
    add(popup_, "Delete Channel", kCmdDeleteChannel);
    add(popup_, "Swap Channel", kCmdSwapChannel);
    add(popup_, "Move Channel", kCmdMoveChannel);
    popup_->addSeparator();
    QMenu* sort = popup_->addMenu(QStringLiteral("Sort Channel"));
    add(sort, "A--->Z", kCmdSortAToZ);
    add(sort, "Z--->A", kCmdSortZToA);
    sort->addSeparator();
    add(sort, "Transponder", kCmdSortByTransponder);
    add(sort, "Satellite", kCmdSortBySatellite);
    popup_->addSeparator();
    add(popup_, "Show Channel info...", kCmdShowChannelInfo);
}

void CVelmoraView::SetupColumns() {
    Relisted();
}

void CVelmoraView::Relisted() {
    model_->Relist();
    const std::vector<int>& shown = model_->shown_columns();
    if (shown != laid_out_columns_) {
        // A different set of columns: back to column order with the fixed widths. While
        // the set stays the same, the user's dragged order and widths are kept.
        QHeaderView* header = horizontalHeader();
        for (int i = 0; i < static_cast<int>(shown.size()); ++i) {
            const int visual = header->visualIndex(i);
            if (visual != i) header->moveSection(visual, i);
            header->resizeSection(i, ChannelList::ColumnWidth(shown[static_cast<size_t>(i)]));
        }
        laid_out_columns_ = shown;
    }
    emit listChanged();
}

std::vector<int> CVelmoraView::SelectedRows() const {
    std::vector<int> rows;
    if (!selectionModel()) return rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool CVelmoraView::RunCommand(int command_id) {
    const std::vector<int> rows = SelectedRows();
    switch (command_id) {
        case kCmdAddChannel:
            hooks_->AddChannel(rows);
            break;
        case kCmdEditChannel:
            hooks_->EditChannel(rows);
            break;
        case kCmdDeleteChannel:
            hooks_->DeleteChannels(rows);
            break;
        case kCmdSwapChannel:
            hooks_->SwapChannel(rows);
            break;
        case kCmdMoveChannel:
            hooks_->MoveChannel(rows);
            break;
        case kCmdSortAToZ:
            hooks_->SortAToZ();
            break;
        case kCmdSortZToA:
            hooks_->SortZToA();
            break;
        case kCmdSortByTransponder:
            hooks_->SortByTransponder();
            break;
        case kCmdSortBySatellite:
            hooks_->SortBySatellite();
            break;
        case kCmdShowChannelInfo:
            ShowChannelInfo();
            break;
        default:
            return false;
    }
    return true;
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

void CVelmoraView::DropRows(const std::vector<int>& rows, int target_row) {
    const std::vector<int> placed = hooks_->MoveRowsAsBlock(rows, target_row);
    if (!placed.empty()) SelectRows(placed);
}

void CVelmoraView::ShowChannelInfo() {
    velmora::ShowChannelInfo(db_, list_, *show_info_);
}

void CVelmoraView::SetChannelCommandHooks(std::unique_ptr<ChannelCommandHooks> hooks) {
    hooks_ = hooks ? std::move(hooks) : std::make_unique<ChannelCommandHooks>();
}

void CVelmoraView::SetShowInfoDialogHost(std::unique_ptr<ShowInfoDialogHost> host) {
    show_info_ = host ? std::move(host) : std::make_unique<QtShowInfoDialogHost>(this);
}

void CVelmoraView::RunPopup(const QPoint& global_pos) {
    const QAction* chosen = popup_->exec(global_pos);
    if (chosen) RunCommand(chosen->data().toInt());
}

void CVelmoraView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        // The command acts on the rows selected before the press; the press itself (which
        // may select the row under the pointer) is handled after the command ran.
        RunPopup(event->globalPosition().toPoint());
    }
    QTableView::mousePressEvent(event);
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
    if (event->button() == Qt::LeftButton) RunCommand(kCmdEditChannel);
}

void CVelmoraView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & ~Qt::KeypadModifier)) {
        RunCommand(kCmdEditChannel);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace velmora
