#include "satxml/qt/SatXmlLoadDialog.h"

#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

SatXmlLoadDialog::SatXmlLoadDialog(const SatXmlLoadForm& form, QWidget* parent)
    : QDialog(parent), form_(form) {
    setObjectName(QStringLiteral("SatXmlLoadDialog"));
    setWindowTitle(tr("Load Satellites from satellites.xml"));
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("filter"));
    filter_->setPlaceholderText(tr("Filter by position or name"));
    filter_->setClearButtonEnabled(true);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("satellites"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels(
        {tr("Position"), tr("Name"), tr("Name in the database"), tr("Band"), tr("Transponders")});
    for (const SatXmlLoadRow& row : form_.rows) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, QString::fromStdString(row.position));
        item->setText(1, QString::fromUtf8(row.name.data(), qsizetype(row.name.size())));
        item->setText(
            2, QString::fromLatin1(row.record_name.data(), qsizetype(row.record_name.size())));
        item->setText(3, QString::fromStdString(row.band));
        item->setText(4, QString::number(row.transponders));
        item->setTextAlignment(4, Qt::AlignRight | Qt::AlignVCenter);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, row.checked ? Qt::Checked : Qt::Unchecked);
    }
    list_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    list_->header()->setStretchLastSection(false);
    for (int c : {0, 2, 3, 4}) list_->resizeColumnToContents(c);
    counts_ = new QLabel(this);
    counts_->setObjectName(QStringLiteral("counts"));
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filter_);
    layout->addWidget(list_, 1);
    layout->addWidget(counts_);
    layout->addWidget(buttons_);
    resize(680, 460);

    connect(filter_, &QLineEdit::textChanged, this, [this] { Refilter(); });
    connect(list_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) {
        const int i = list_->indexOfTopLevelItem(item);
        if (i < 0) return;
        form_.rows[static_cast<size_t>(i)].checked = item->checkState(0) == Qt::Checked;
        ShowCounts();
    });
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ShowCounts();
}

void SatXmlLoadDialog::Refilter() {
    form_.filter = filter_->text().toStdString();
    for (int i = 0; i < list_->topLevelItemCount(); ++i)
        list_->topLevelItem(i)->setHidden(!form_.Shows(i));
}

void SatXmlLoadDialog::ShowCounts() {
    counts_->setText(QString::fromStdString(form_.Counts()));
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(form_.Fits());
}

}  // namespace velmora
