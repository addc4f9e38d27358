#include "channels/qt/CShowInfoDlg.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "database/qt/DialogControls.h"

namespace velmora {
namespace {

QPushButton* MakeButton(const QString& text, int id, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::number(id));
    return button;
}

}  // namespace

CShowInfoDlg::CShowInfoDlg(const ShowInfoForm& form, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Show Channel information"));
    SetTemplateId(this, kShowInfoDialogId);

    auto* pids = new QGroupBox(tr("Channel"), this);
    auto* pid_layout = new QVBoxLayout(pids);
    auto* favs = new QGroupBox(tr("Favourite"), this);
    auto* fav_layout = new QGridLayout(favs);
    for (size_t i = 0; i < kShowInfoBoxes.size(); ++i) {
        const ShowInfoBox& box = kShowInfoBoxes[i];
        auto* check = new QCheckBox(QCoreApplication::translate("channels", box.text), this);
        check->setObjectName(QString::number(box.control_id));
        boxes_[i] = check;
        if (box.column < kColFav1) {
            pid_layout->addWidget(check);
        } else {
            const int g = box.column - kColFav1;
            fav_layout->addWidget(check, g % 4, g / 4);
        }
    }

    pid_layout->addStretch();
    fav_layout->setRowStretch(4, 1);

    auto* ok = MakeButton(tr("OK"), 1, this);
    auto* cancel = MakeButton(tr("Cancel"), 2, this);
    auto* defaults = MakeButton(tr("Default"), kShowInfoDefaultButton, this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(defaults, &QPushButton::clicked, this, [this] {
        ShowInfoForm f = this->form();
        f.SetDefault();
        ShowForm(f);
    });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addSpacing(12);
    buttons->addWidget(defaults);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(pids);
    layout->addWidget(favs);
    layout->addLayout(buttons);

    ShowForm(form);
}

void CShowInfoDlg::ShowForm(const ShowInfoForm& form) {
    for (size_t i = 0; i < kShowInfoBoxes.size(); ++i)
        boxes_[i]->setChecked(form.checked[kShowInfoBoxes[i].column]);
}

ShowInfoForm CShowInfoDlg::form() const {
    ShowInfoForm f;
    f.checked.fill(true);  // Index and Name have no box and are always shown
    for (size_t i = 0; i < kShowInfoBoxes.size(); ++i)
        f.checked[kShowInfoBoxes[i].column] = boxes_[i]->isChecked();
    return f;
}

}  // namespace velmora
