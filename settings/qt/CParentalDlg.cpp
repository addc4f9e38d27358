#include "settings/qt/CParentalDlg.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "database/qt/DialogControls.h"
#include "database/qt/Latin1Text.h"
#include "text/Translate.h"

namespace velmora {
namespace {

QCheckBox* MakeCheck(QWidget* parent, const QString& text, int control, bool checked) {
    auto* box = WithId(new QCheckBox(text, parent), control);
    box->setChecked(checked);
    return box;
}

QLineEdit* MakePasswordEdit(QWidget* parent, int control) {
    auto* edit = WithId(new QLineEdit(parent), control);
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(ParentalForm::kPasswordChars);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    edit->setFixedWidth(edit->fontMetrics().averageCharWidth() * 12);
    return edit;
}

// Hidden controls keep their place, so the dialog does not jump as switches change.
void KeepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

}  // namespace

CParentalDlg::CParentalDlg(ParentalForm& form, Prompter& prompter, QWidget* parent)
    : QDialog(parent), form_(form), prompter_(prompter) {
    setWindowTitle(tr("Parental Control"));
    SetTemplateId(this, ParentalForm::kTemplateId);

    password_lock_ = MakeCheck(this, tr("Password Lock"), ParentalForm::kPasswordLockControl,
                               form_.password_lock);
    channel_lock_ =
        MakeCheck(this, tr("Channel Lock"), ParentalForm::kChannelLockControl, form_.channel_lock);
    installation_lock_ = MakeCheck(this, tr("Installation Lock"),
                                   ParentalForm::kInstallationLockControl, form_.installation_lock);
    system_lock_ =
        MakeCheck(this, tr("System Lock"), ParentalForm::kSystemLockControl, form_.system_lock);
    change_password_ = MakeCheck(this, tr("Change Password"), ParentalForm::kChangePasswordControl,
                                 form_.change_password);
    new_password_ = MakePasswordEdit(this, ParentalForm::kNewPasswordControl);
    new_password_->setText(TextOfBytes(form_.new_password));
    confirm_password_ = MakePasswordEdit(this, ParentalForm::kConfirmPasswordControl);
    confirm_password_->setText(TextOfBytes(form_.confirm_password));
    new_label_ = new QLabel(tr("New Password"), this);
    new_label_->setBuddy(new_password_);
    confirm_label_ = new QLabel(tr("Confirm Password"), this);
    confirm_label_->setBuddy(confirm_password_);

    auto* options = new QVBoxLayout;
    options->setContentsMargins(20, 0, 0, 0);
    for (QCheckBox* box : {channel_lock_, installation_lock_, system_lock_, change_password_}) {
        options->addWidget(box);
    }
    auto* passwords = new QGridLayout;
    passwords->setContentsMargins(40, 0, 0, 0);
    passwords->addWidget(new_label_, 0, 0);
    passwords->addWidget(new_password_, 0, 1);
    passwords->addWidget(confirm_label_, 1, 0);
    passwords->addWidget(confirm_password_, 1, 1);
    passwords->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(password_lock_);
    layout->addLayout(options);
    layout->addLayout(passwords);
    layout->addSpacing(8);
    layout->addWidget(MakeOkCancel(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QWidget* w : std::initializer_list<QWidget*>{
             channel_lock_, installation_lock_, system_lock_, change_password_, new_label_,
             new_password_, confirm_label_, confirm_password_}) {
        KeepPlaceWhenHidden(w);
    }
    connect(password_lock_, &QCheckBox::clicked, this, [this] {
        ReadFields();
        ApplyVisibility();
    });
    connect(change_password_, &QCheckBox::clicked, this, [this] {
        ReadFields();
        ApplyVisibility();
    });
    confirm_password_->installEventFilter(this);
    ApplyVisibility();
}

void CParentalDlg::ReadFields() {
    form_.password_lock = password_lock_->isChecked();
    form_.channel_lock = channel_lock_->isChecked();
    form_.installation_lock = installation_lock_->isChecked();
    form_.system_lock = system_lock_->isChecked();
    form_.change_password = change_password_->isChecked();
    form_.new_password = BytesOfText(new_password_->text());
    form_.confirm_password = BytesOfText(confirm_password_->text());
}

void CParentalDlg::ApplyVisibility() {
    const bool options = form_.LockOptionsShown();
    const bool passwords = form_.PasswordFieldsShown();
    for (QWidget* w : std::initializer_list<QWidget*>{channel_lock_, installation_lock_,
                                                      system_lock_, change_password_}) {
        w->setVisible(options);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{new_label_, new_password_, confirm_label_,
                                                      confirm_password_}) {
        w->setVisible(passwords);
    }
}

bool CParentalDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == confirm_password_ && event->type() == QEvent::FocusOut && isVisible()) {
        // Focus leaving with the whole window (another program, a message box) is no
        // move within the dialog; checking then would only repeat the message.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            ReadFields();
            if (form_.ConfirmMismatch()) {
                prompter_.Tell(Translate("settings", ParentalForm::kConfirmWrongMessage.data()));
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CParentalDlg::accept() {
    ReadFields();
    if (auto check = form_.Validate()) {
        ShowRefusal(this, prompter_, *check);
        return;
    }
    QDialog::accept();
}

}  // namespace velmora
