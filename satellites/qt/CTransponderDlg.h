#pragma once
// "Transponder Parameters" (template 141): binds its widgets to a TransponderForm.

#include <QDialog>

#include "database/Interaction.h"
#include "satellites/TransponderForm.h"

class QComboBox;
class QLineEdit;

namespace velmora {

class CTransponderDlg : public QDialog {
    Q_OBJECT
public:
    CTransponderDlg(TransponderForm& form, Prompter& prompter, QWidget* parent = nullptr);

    // OK: hands the fields to the form; a refused field keeps the dialog open.
    void accept() override;

private:
    TransponderForm& form_;
    Prompter& prompter_;
    QLineEdit* frequency_;
    QComboBox* polarisation_;
    QLineEdit* symbol_rate_;
    QComboBox* fec_;
};

}  // namespace velmora
