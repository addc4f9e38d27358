#include "settings/qt/CRenameFavDlg.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "database/qt/DialogControls.h"
#include "database/qt/Latin1Text.h"
#include "database/qt/NameField.h"

namespace velmora {

CRenameFavDlg::CRenameFavDlg(FavouriteNameForm& form, Prompter& prompter, QWidget* parent)
    : QDialog(parent), form_(form), prompter_(prompter) {
    setWindowTitle(tr("Rename FAV group name"));
    SetTemplateId(this, FavouriteNameForm::kTemplateId);

    name_ = WithId(new QLineEdit(TextOfBytes(form_.name), this), FavouriteNameForm::kNameControl);
    name_->setMaxLength(FavouriteNameForm::kMaxChars);
    name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * 24);
    name_->selectAll();
    FilterNameAsTyped(name_);

    auto* fields = new QFormLayout;
    fields->addRow(tr("FAV Group Name"), name_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(MakeOkCancel(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CRenameFavDlg::accept() {
    form_.name = BytesOfText(name_->text());
    if (auto check = form_.Validate()) {
        ShowRefusal(this, prompter_, *check);
        return;
    }
    QDialog::accept();
}

}  // namespace velmora
