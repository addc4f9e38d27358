#pragma once
// The About box (dialog 100).

#include <QDialog>

namespace velmora {

inline constexpr int kAboutDialogId = 100;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace velmora
