#pragma once
// "Show Channel information" (dialog 139): which optional columns the channel list shows.

#include <QCheckBox>
#include <QDialog>
#include <QWidget>
#include <array>

#include "channels/ShowInfoForm.h"

namespace velmora {

class CShowInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit CShowInfoDlg(const ShowInfoForm& form, QWidget* parent = nullptr);
    // The boxes as they stand.
    ShowInfoForm form() const;

private:
    void ShowForm(const ShowInfoForm& form);
    std::array<QCheckBox*, kShowInfoBoxes.size()> boxes_{};
};

}  // namespace velmora
