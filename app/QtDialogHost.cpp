#include "app/QtDialogHost.h"

#include <QApplication>

#include "channels/qt/CAudioDlg.h"
#include "channels/qt/CChannelDlg.h"
#include "channels/qt/CMoveDlg.h"
#include "channels/qt/CShowInfoDlg.h"
#include "exchange/qt/CCsvEditsPreviewDlg.h"
#include "satellites/ModifiedTpList.h"
#include "satellites/qt/CModifyTPDlg.h"
#include "satellites/qt/CSatelliteDlg.h"
#include "satellites/qt/CTransponderDlg.h"
#include "satxml/qt/SatXmlLoadDialog.h"
#include "satxml/qt/SatXmlUpdateDialog.h"
#include "settings/qt/COtherSettingDlg.h"
#include "settings/qt/CParentalDlg.h"
#include "settings/qt/CRenameFavDlg.h"

namespace velmora {

QWidget* QtDialogHost::DialogParent() const {
    // A dialog opened from a dialog (Audio from Channel, Transponder from Modified TP)
    // stays over it.
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return parent_;
}

bool QtDialogHost::RunChannel(ChannelForm& form) {
    CChannelDlg dialog(form, prompter_, *this, DialogParent());
    return Accepted(dialog);
}

bool QtDialogHost::RunAudio(AudioForm& form) {
    CAudioDlg dialog(form, prompter_, DialogParent());
    return Accepted(dialog);
}

bool QtDialogHost::RunMove(MoveForm& form) {
    CMoveDlg dialog(form, prompter_, DialogParent());
    return Accepted(dialog);
}

bool QtDialogHost::RunSatellite(SatelliteForm& form) {
    CSatelliteDlg dialog(form, prompter_, DialogParent());
    return Accepted(dialog);
}

bool QtDialogHost::RunTransponder(TransponderForm& form) {
    CTransponderDlg dialog(form, prompter_, DialogParent());
    return Accepted(dialog);
}

void QtDialogHost::RunModifyTransponders(ModifiedTpList& list) {
    CModifyTPDlg dialog(list, DialogParent());
    Exec(dialog);
}

bool QtDialogHost::RunMove(int from, int& to) {
    MoveForm form(from, to);
    if (!RunMove(form)) return false;
    to = form.to;
    return true;
}

bool QtDialogHost::RunRenameFavourite(FavouriteNameForm& form, Prompter& prompter) {
    CRenameFavDlg dialog(form, prompter, DialogParent());
    return Accepted(dialog);
}

bool QtDialogHost::RunParental(ParentalForm& form, Prompter& prompter) {
    CParentalDlg dialog(form, prompter, DialogParent());
    return Accepted(dialog);
}

bool QtDialogHost::RunOtherSettings(OtherSettingsForm& form, Prompter&) {
    COtherSettingDlg dialog(form, DialogParent());
    return Accepted(dialog);
}

bool QtDialogHost::RunShowInfo(ShowInfoForm& form) {
    CShowInfoDlg dialog(form, DialogParent());
    if (!Accepted(dialog)) return false;
    form = dialog.form();
    return true;
}

bool QtDialogHost::RunSatXmlLoad(SatXmlLoadForm& form) {
    SatXmlLoadDialog dialog(form, DialogParent());
    if (!Accepted(dialog)) return false;
    form = dialog.form();
    return true;
}

bool QtDialogHost::RunSatXmlUpdate(SatXmlUpdateForm& form) {
    SatXmlUpdateDialog dialog(form, DialogParent());
    if (!Accepted(dialog)) return false;
    form = dialog.form();
    return true;
}

bool QtDialogHost::RunCsvEditsPreview(const CsvEditsPreview& preview) {
    CCsvEditsPreviewDlg dialog(preview, DialogParent());
    return Accepted(dialog);
}

}  // namespace velmora
