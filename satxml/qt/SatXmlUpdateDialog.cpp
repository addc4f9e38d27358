#include "satxml/qt/SatXmlUpdateDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora {

SatXmlUpdateDialog::SatXmlUpdateDialog(const SatXmlUpdateForm& form, QWidget* parent)
    : QDialog(parent), form_(form) {
    setObjectName(QStringLiteral("SatXmlUpdateDialog"));
    setWindowTitle(tr("Update Transponders from satellites.xml"));
    auto* summary = new QLabel(QString::fromStdString(form_.Summary()), this);
    summary->setObjectName(QStringLiteral("summary"));
    auto* list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("changes"));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setHeaderLabels({tr("Change"), tr("Satellite"), tr("Transponder"), tr("Details")});
    const auto latin1 = [](const std::string& s) {
        return QString::fromLatin1(s.data(), qsizetype(s.size()));
    };
    for (const SatXmlUpdateRow& row : form_.rows) {
        auto* item = new QTreeWidgetItem(list);
        // The change and its details come translated, as UTF-8; the names are record bytes.
        item->setText(0, QString::fromStdString(row.change));
        item->setText(1, latin1(row.satellite));
        item->setText(2, latin1(row.transponder));
        item->setText(3, QString::fromStdString(row.detail));
    }
    for (int c = 0; c < 3; ++c) list->resizeColumnToContents(c);
    remove_ = new QCheckBox(tr("Delete vanished transponders that no channel uses"), this);
    remove_->setObjectName(QStringLiteral("removeVanished"));
    remove_->setChecked(form_.remove_vanished);
    remove_->setEnabled(form_.plan.Removable() > 0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(list, 1);
    layout->addWidget(remove_);
    layout->addWidget(buttons);
    resize(640, 420);

    connect(remove_, &QCheckBox::toggled, this, [this](bool on) { form_.remove_vanished = on; });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

}  // namespace velmora
