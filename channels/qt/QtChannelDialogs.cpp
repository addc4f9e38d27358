#include "channels/qt/QtChannelDialogs.h"

#include <QApplication>

#include "channels/qt/CAudioDlg.h"
#include "channels/qt/CChannelDlg.h"
#include "channels/qt/CMoveDlg.h"

namespace velmora {

bool QtChannelDialogs::RunChannel(ChannelForm& form) {
    CChannelDlg dialog(form, prompter_, *this, parent_);
    return Exec(dialog) == QDialog::Accepted;
}

bool QtChannelDialogs::RunAudio(AudioForm& form) {
    // Over the channel dialog, which is the active window while this runs.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) owner = parent_.data();
    CAudioDlg dialog(form, prompter_, owner);
    return Exec(dialog) == QDialog::Accepted;
}

bool QtChannelDialogs::RunMove(MoveForm& form) {
    CMoveDlg dialog(form, prompter_, parent_);
    return Exec(dialog) == QDialog::Accepted;
}

}  // namespace velmora
