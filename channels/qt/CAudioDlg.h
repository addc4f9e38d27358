#pragma once
// "Audio Parameters" (dialog 137): one audio PID, its language and the default mark.

#include <QDialog>

#include "channels/AudioForm.h"
#include "database/Interaction.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace velmora {

class CAudioDlg : public QDialog {
    Q_OBJECT
public:
    CAudioDlg(AudioForm& form, Prompter& prompter, QWidget* parent = nullptr);

public slots:
    void accept() override;

private:
    AudioForm& form_;
    Prompter& prompter_;
    QLineEdit* pid_ = nullptr;
    QComboBox* language_ = nullptr;
    QCheckBox* default_ = nullptr;
};

}  // namespace velmora
