#pragma once
// "Other Setting" (dialog 150): menu, audio, RF and TV settings as drop-down lists, and
// the RF channel as an edit with a spin button whose range follows the RF system.

#include <QDialog>

#include "settings/OtherSettingsForm.h"

class QComboBox;
class QLineEdit;

namespace velmora {

class CSpinButton;

class COtherSettingDlg : public QDialog {
    Q_OBJECT
public:
    explicit COtherSettingDlg(OtherSettingsForm& form, QWidget* parent = nullptr);

    // Takes every selection and the RF channel text into the form.
    void accept() override;

private:
    QComboBox* AddList(int control);
    void UpdateSpinRange();

    OtherSettingsForm& form_;
    QComboBox* menu_language_;
    QComboBox* audio_language_;
    QLineEdit* rf_channel_;
    CSpinButton* rf_spin_;
    QComboBox* rf_system_;
    QComboBox* tv_system_;
    QComboBox* screen_format_;
    QComboBox* menu_color_;
    QComboBox* transparency_;
    QComboBox* time_offset_;
    QComboBox* need_help_;
};

}  // namespace velmora
