#include "satellites/qt/QtSatelliteDialogs.h"

#include <QApplication>

#include "channels/qt/CMoveDlg.h"
#include "satellites/ModifiedTpList.h"
#include "satellites/qt/CModifyTPDlg.h"
#include "satellites/qt/CSatelliteDlg.h"
#include "satellites/qt/CTransponderDlg.h"
#include "satellites/qt/DialogBinding.h"

namespace velmora {

using namespace satellite_ui;

QtSatelliteDialogs::QtSatelliteDialogs(Prompter& prompter, QWidget* parent)
    : prompter_(prompter), parent_(parent) {}

QWidget* QtSatelliteDialogs::DialogParent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return parent_;
}

bool QtSatelliteDialogs::RunSatellite(SatelliteForm& form) {
    CSatelliteDlg dialog(form, prompter_, DialogParent());
    return dialog.exec() == QDialog::Accepted;
}

bool QtSatelliteDialogs::RunTransponder(TransponderForm& form) {
    CTransponderDlg dialog(form, prompter_, DialogParent());
    return dialog.exec() == QDialog::Accepted;
}

void QtSatelliteDialogs::RunModifyTransponders(ModifiedTpList& list) {
    CModifyTPDlg dialog(list, DialogParent());
    dialog.exec();
}

bool QtSatelliteDialogs::RunMove(int from, int& to) {
    MoveForm form(from, to);
    CMoveDlg dialog(form, prompter_, DialogParent());
    if (dialog.exec() != QDialog::Accepted) return false;
    to = form.to;
    return true;
}

}  // namespace velmora
