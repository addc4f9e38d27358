#pragma once
// The preview of "Update Transponders from satellites.xml...": every transponder the
// update adds, changes or finds vanished (with the channels on it), before anything
// changes. Binds widgets to a SatXmlUpdateForm.

#include <QCheckBox>
#include <QDialog>

#include "satxml/SatXmlForms.h"

namespace velmora {

class SatXmlUpdateDialog : public QDialog {
    Q_OBJECT
public:
    SatXmlUpdateDialog(const SatXmlUpdateForm& form, QWidget* parent);
    const SatXmlUpdateForm& form() const { return form_; }

private:
    SatXmlUpdateForm form_;
    QCheckBox* remove_;
};

}  // namespace velmora
