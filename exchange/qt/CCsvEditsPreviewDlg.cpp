#include "exchange/qt/CCsvEditsPreviewDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace velmora {

CCsvEditsPreviewDlg::CCsvEditsPreviewDlg(const CsvEditsPreview& preview, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(tr("Apply CSV Edits"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromStdString(preview.summary), this));
    if (!preview.warning.empty()) {
        auto* row = new QHBoxLayout;
        auto* icon = new QLabel(this);
        icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
        auto* warning = new QLabel(QString::fromStdString(preview.warning), this);
        warning->setWordWrap(true);
        warning->setObjectName(QStringLiteral("warning"));
        row->addWidget(icon, 0, Qt::AlignTop);
        row->addWidget(warning, 1);
        layout->addLayout(row);
    }
    const QIcon warn = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (int i = 0; i < static_cast<int>(preview.rows.size()); ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(preview.rows[i]), list_);
        if (i < preview.converted_rows) item->setIcon(warn);
    }
    list_->setUniformItemSizes(true);
    layout->addWidget(list_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Apply | QDialogButtonBox::Cancel, this);
    // Applying what a spreadsheet converted should be a decision, not a reflex.
    buttons->button(preview.warning.empty() ? QDialogButtonBox::Apply : QDialogButtonBox::Cancel)
        ->setDefault(true);
    connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 420);
}

}  // namespace velmora
