#include "compare/qt/CompareWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "commands/CommandIds.h"
#include "compare/CompareCommands.h"
#include "database/qt/BesideWindow.h"

namespace velmora {
namespace {

// The rows' texts are UTF-8: translated words, names turned from their record bytes.
QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The section and status names are the core's table entries, translated here.
QString Words(std::string_view entry) {
    return QCoreApplication::translate("compare", entry.data());
}

QString ChangeText(const ReadableChange& c) {
    return CompareWindow::tr("%1: %2 → %3").arg(Utf8(c.label), Utf8(c.here), Utf8(c.there));
}

// A row's changes on one line, or the fields it names when it has none in words.
QString ChangesText(const CompareRow& row, const QString& between) {
    if (row.changes.empty()) return Utf8(row.fields);
    QStringList parts;
    for (const ReadableChange& c : row.changes) parts << ChangeText(c);
    return parts.join(between);
}

}  // namespace

void CompareTableModel::SetRows(const std::vector<CompareRow>* rows, const CompareFilter& filter) {
    beginResetModel();
    rows_ = rows;
    shown_.clear();
    if (rows_) {
        for (size_t i = 0; i < rows_->size(); ++i) {
            if (RowMatches((*rows_)[i], filter)) shown_.push_back(static_cast<int>(i));
        }
    }
    endResetModel();
}

int CompareTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int CompareTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CompareTableModel::data(const QModelIndex& index, int role) const {
    if (!rows_ || !index.isValid()) return {};
    const CompareRow& row = (*rows_)[static_cast<size_t>(RowIndex(index.row()))];
    // The whole list of changes one per line, where the row shows them cut short.
    if (role == Qt::ToolTipRole && index.column() == kChanges && !row.changes.empty())
        return ChangesText(row, QStringLiteral("\n"));
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case kSection:
            return Words(SectionName(row.section));
        case kStatus:
            return Words(StatusName(row.status));
        case kHere:
            return Utf8(row.here_text);
        case kThere:
            return Utf8(row.there_text);
        case kChanges:
            return ChangesText(row, QStringLiteral("; "));
    }
    return {};
}

QVariant CompareTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    static const char* kHeaders[] = {QT_TR_NOOP("Section"), QT_TR_NOOP("Status"),
                                     QT_TR_NOOP("This database"), QT_TR_NOOP("Other database")};
    if (section == kChanges) return tr("Changes");
    return section >= 0 && section < kColumnCount ? tr(kHeaders[section]) : QVariant();
}

CompareWindow::CompareWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("CompareWindow"));
    setWindowTitle(tr("Compare"));
    title_ = new QLabel(this);
    section_ = new QComboBox(this);
    section_->setObjectName(QStringLiteral("SectionFilter"));
    section_->addItem(tr("All sections"));
    for (int s = 0; s < kCompareSectionCount; ++s)
        section_->addItem(Words(SectionName(static_cast<CompareSection>(s))));
    status_ = new QComboBox(this);
    status_->setObjectName(QStringLiteral("StatusFilter"));
    status_->addItem(tr("All differences"));
    for (int s = 0; s < kCompareStatusCount; ++s)
        status_->addItem(Words(StatusName(static_cast<CompareStatus>(s))));
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("TextFilter"));
    text_->setPlaceholderText(tr("Filter"));
    text_->setClearButtonEnabled(true);

    model_ = new CompareTableModel;
    model_->setParent(this);
    table_ = new QTableView(this);
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(CompareTableModel::kSection, 100);
    table_->setColumnWidth(CompareTableModel::kStatus, 90);
    table_->setColumnWidth(CompareTableModel::kHere, 220);
    table_->setColumnWidth(CompareTableModel::kThere, 220);
    // One line per row: the changes are cut short there and listed in full below.
    table_->setWordWrap(false);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);

    details_ = new QTreeWidget(this);
    details_->setObjectName(QStringLiteral("Details"));
    details_->setColumnCount(3);
    details_->setHeaderLabels({tr("Field"), tr("This database"), tr("Other database")});
    details_->setRootIsDecorated(false);
    details_->setUniformRowHeights(true);
    details_->setWordWrap(false);
    details_->setSelectionMode(QAbstractItemView::NoSelection);
    details_->setFocusPolicy(Qt::NoFocus);
    details_->setColumnWidth(0, 160);
    details_->setColumnWidth(1, 260);
    auto* panes = new QSplitter(Qt::Vertical, this);
    panes->addWidget(table_);
    panes->addWidget(details_);
    panes->setStretchFactor(0, 3);
    panes->setStretchFactor(1, 1);
    panes->setChildrenCollapsible(false);

    summary_ = new QLabel(this);
    copy_ = new QPushButton(Words(kCopyToThisDatabaseText), this);
    copy_->setObjectName(QString::number(kCmdCopyToThisDatabase));
    copy_->setToolTip(tr("Copy what the selected rows differ in from the other database"));
    copy_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copy_->setToolTip(
        tr("%1 (%2)").arg(copy_->toolTip(), copy_->shortcut().toString(QKeySequence::NativeText)));
    auto* close = new QPushButton(tr("Close"), this);

    auto* filters = new QHBoxLayout;
    filters->addWidget(section_);
    filters->addWidget(status_);
    filters->addWidget(text_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(summary_, 1);
    buttons->addWidget(copy_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addLayout(filters);
    layout->addWidget(panes, 1);
    layout->addLayout(buttons);
    resize(900, 520);

    const auto refilter = [this] { ApplyFilter(); };
    connect(section_, &QComboBox::currentIndexChanged, this, refilter);
    connect(status_, &QComboBox::currentIndexChanged, this, refilter);
    connect(text_, &QLineEdit::textChanged, this, refilter);
    connect(copy_, &QPushButton::clicked, this, &CompareWindow::copyRequested);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // Only the user's own click moves the main window's selection.
    const auto show_record = [this](const QModelIndex& index) {
        if (index.isValid()) emit rowSelected(model_->RowIndex(index.row()));
    };
    connect(table_, &QTableView::clicked, this, show_record);
    // Enter on a row (and a double click) shows its record as a click does.
    connect(table_, &QTableView::activated, this, show_record);
    // The current row may change before its selection does.
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CompareWindow::ShowDetails);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CompareWindow::ShowDetails);
    CloseOnEscape(this);
}

void CompareWindow::SetRows(const std::vector<CompareRow>* rows, const QString& there) {
    rows_ = rows;
    title_->setText(tr("Comparing this database with %1").arg(there));
    setWindowTitle(tr("Compare With %1").arg(there));
    ApplyFilter();
}

void CompareWindow::ApplyFilter() {
    CompareFilter filter;
    if (section_->currentIndex() > 0)
        filter.section = static_cast<CompareSection>(section_->currentIndex() - 1);
    if (status_->currentIndex() > 0)
        filter.status = static_cast<CompareStatus>(status_->currentIndex() - 1);
    filter.text = text_->text().toStdString();
    model_->SetRows(rows_, filter);
    const int total = rows_ ? static_cast<int>(rows_->size()) : 0;
    summary_->setText(total == 0
                          ? tr("The databases hold the same records.")
                          : tr("%1 of %2 differences shown").arg(model_->rowCount()).arg(total));
    ShowDetails();
}

void CompareWindow::ShowDetails() {
    details_->clear();
    QModelIndex current = table_->currentIndex();
    if (!current.isValid() || !table_->selectionModel()->isRowSelected(current.row())) {
        const QModelIndexList selected = table_->selectionModel()->selectedRows();
        current = selected.isEmpty() ? QModelIndex() : selected.first();
    }
    if (!rows_ || !current.isValid()) return;
    const CompareRow& row = (*rows_)[static_cast<size_t>(model_->RowIndex(current.row()))];
    for (const ReadableChange& c : row.changes) {
        details_->addTopLevelItem(
            new QTreeWidgetItem({Utf8(c.label), Utf8(c.here), Utf8(c.there)}));
    }
}

std::vector<int> CompareWindow::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.push_back(model_->RowIndex(index.row()));
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool CompareWindow::SelectRow(int row) {
    for (int r = 0; r < model_->rowCount(); ++r) {
        if (model_->RowIndex(r) != row) continue;
        table_->selectRow(r);
        table_->scrollTo(model_->index(r, 0));
        return true;
    }
    return false;
}

void CompareWindow::SelectRows(const std::vector<int>& rows) {
    QItemSelection selection;
    for (int r = 0; r < model_->rowCount(); ++r) {
        if (std::find(rows.begin(), rows.end(), model_->RowIndex(r)) != rows.end())
            selection.select(model_->index(r, 0), model_->index(r, model_->columnCount() - 1));
    }
    const QSignalBlocker block(table_->selectionModel());
    table_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    table_->viewport()->update();
    ShowDetails();
}

void CompareWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) emit activated();
}

}  // namespace velmora
