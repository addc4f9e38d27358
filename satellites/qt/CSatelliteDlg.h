#pragma once
// "Satellite Parameters" (template 140): binds its widgets to a SatelliteForm. It never
// touches the database; the caller stores the form's record on OK.

#include <QDialog>

#include "database/Interaction.h"
#include "satellites/SatelliteForm.h"

class QComboBox;
class QLineEdit;

namespace velmora {

class CSatelliteDlg : public QDialog {
    Q_OBJECT
public:
    CSatelliteDlg(SatelliteForm& form, Prompter& prompter, QWidget* parent = nullptr);

    // OK: hands the fields to the form; a refused field keeps the dialog open.
    void accept() override;

private:
    SatelliteForm& form_;
    Prompter& prompter_;
    QLineEdit* name_;
    QComboBox* transponder_;
    QComboBox* lnb_type_;
    QComboBox* tone_22k_;
    QComboBox* power_12v_;
    QComboBox* motor_;
    QComboBox* diseqc_;
    QLineEdit* angle_;
    QComboBox* direction_;
};

}  // namespace velmora
