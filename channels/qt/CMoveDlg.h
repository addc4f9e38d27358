#pragma once
// "Move" (dialog 138): a read-only From position and an editable To position. Used by
// the channel and satellite Swap and Move commands; it checks only that To is an integer.

#include <QDialog>

#include "channels/MoveForm.h"
#include "database/Interaction.h"

class QLineEdit;

namespace velmora {

class CMoveDlg : public QDialog {
    Q_OBJECT
public:
    CMoveDlg(MoveForm& form, Prompter& prompter, QWidget* parent = nullptr);

public slots:
    void accept() override;

private:
    MoveForm& form_;
    Prompter& prompter_;
    QLineEdit* to_ = nullptr;
};

}  // namespace velmora
