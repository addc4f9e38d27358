#include "satellites/qt/CModifyTPDlg.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "satellites/qt/DialogBinding.h"

namespace velmora {

using namespace satellite_ui;

namespace {

QPushButton* MakeButton(QWidget* parent, int id, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::number(id));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CModifyTPDlg::CModifyTPDlg(ModifiedTpList& list, QWidget* parent) : QDialog(parent), list_(list) {
    setWindowTitle(QString::fromStdString(list.Caption()));
    SetTemplateId(this, kModifyTpDialogId);

    rows_ = new QListWidget(this);
    rows_->setObjectName(QString::number(kModifyTpList));
    rows_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    rows_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    rows_->setUniformItemSizes(true);
    rows_->setMinimumSize(rows_->fontMetrics().horizontalAdvance(
                              QStringLiteral("00    00000    HOR     00000   Auto")) +
                              48,
                          260);

    QPushButton* add = MakeButton(this, kModifyTpAdd, tr("Add"));
    QPushButton* edit = MakeButton(this, kModifyTpEdit, tr("Edit"));
    QPushButton* del = MakeButton(this, kModifyTpDel, tr("Del"));
    QPushButton* ok = MakeButton(this, 1, tr("OK"));
    QPushButton* cancel = MakeButton(this, 2, tr("Cancel"));
    ok->setDefault(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(edit);
    buttons->addWidget(del);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(rows_, 1);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, [this] {
        if (list_.Add()) ShowRows();
    });
    connect(edit, &QPushButton::clicked, this, [this] {
        list_.Edit(SelectedRows());
        ShowRows();
    });
    connect(del, &QPushButton::clicked, this, [this] {
        list_.Delete(SelectedRows());
        ShowRows();
    });
    // Add, Edit and Del have already changed the database: both just close.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    ShowRows();
}

std::vector<int> CModifyTPDlg::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : rows_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    return rows;
}

void CModifyTPDlg::ShowRows() {
    const int old_count = rows_->count();
    const int current = rows_->currentRow();
    rows_->clear();
    for (const std::string& row : list_.rows()) rows_->addItem(TextOfBytes(row));
    // After an Add the new row is brought into view; otherwise the place is kept.
    if (rows_->count() > old_count && old_count > 0)
        rows_->scrollToBottom();
    else if (current >= 0 && current < rows_->count())
        rows_->setCurrentRow(current, QItemSelectionModel::NoUpdate);
}

}  // namespace velmora
