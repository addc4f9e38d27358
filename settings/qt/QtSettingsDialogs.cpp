#include "settings/qt/QtSettingsDialogs.h"

#include "settings/qt/COtherSettingDlg.h"
#include "settings/qt/CParentalDlg.h"
#include "settings/qt/CRenameFavDlg.h"

namespace velmora {

bool QtSettingsDialogs::RunRenameFavourite(FavouriteNameForm& form, Prompter& prompter) {
    CRenameFavDlg dialog(form, prompter, parent_);
    return RunModal(dialog) == QDialog::Accepted;
}

bool QtSettingsDialogs::RunParental(ParentalForm& form, Prompter& prompter) {
    CParentalDlg dialog(form, prompter, parent_);
    return RunModal(dialog) == QDialog::Accepted;
}

bool QtSettingsDialogs::RunOtherSettings(OtherSettingsForm& form, Prompter&) {
    COtherSettingDlg dialog(form, parent_);
    return RunModal(dialog) == QDialog::Accepted;
}

int QtSettingsDialogs::RunModal(QDialog& dialog) {
    return dialog.exec();
}

}  // namespace velmora
