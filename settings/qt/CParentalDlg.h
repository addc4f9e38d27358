#pragma once
// "Parental Control" (dialog 143): the four locks, "Change Password" and the two
// masked password fields, shown and hidden as the form decides.

#include <QDialog>

#include "database/Interaction.h"
#include "settings/ParentalForm.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace velmora {

class CParentalDlg : public QDialog {
    Q_OBJECT
public:
    CParentalDlg(ParentalForm& form, Prompter& prompter, QWidget* parent = nullptr);

    // Reads every field back, hidden ones included; a password text that is too long
    // keeps the dialog open.
    void accept() override;

protected:
    // Watches "Confirm Password" losing the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ReadFields();
    void ApplyVisibility();

    ParentalForm& form_;
    Prompter& prompter_;
    QCheckBox* password_lock_;
    QCheckBox* channel_lock_;
    QCheckBox* installation_lock_;
    QCheckBox* system_lock_;
    QCheckBox* change_password_;
    QLabel* new_label_;
    QLineEdit* new_password_;
    QLabel* confirm_label_;
    QLineEdit* confirm_password_;
};

}  // namespace velmora
