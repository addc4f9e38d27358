#include "channels/qt/CMoveDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "database/qt/DialogControls.h"

namespace velmora {

CMoveDlg::CMoveDlg(MoveForm& form, Prompter& prompter, QWidget* parent)
    : QDialog(parent), form_(form), prompter_(prompter) {
    setWindowTitle(tr("Move"));
    SetTemplateId(this, kMoveDialogId);

    auto* from = new QLineEdit(QString::fromStdString(form.from_text()), this);
    SetControlId(from, kIdMoveFrom);
    from->setEnabled(false);
    to_ = new QLineEdit(QString::fromStdString(form.to_text), this);
    SetControlId(to_, kIdMoveTo);

    auto* fields = new QFormLayout;
    fields->addRow(new QLabel(tr("From"), this), from);
    fields->addRow(new QLabel(tr("To"), this), to_);

    auto* buttons = MakeOkCancel(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addWidget(buttons);
    to_->setFocus();
    to_->selectAll();
}

void CMoveDlg::accept() {
    form_.to_text = to_->text().toStdString();
    if (auto failure = ValidateAndApply(form_, form_.to))
        return ShowRefusal(this, prompter_, *failure);
    QDialog::accept();
}

}  // namespace velmora
