#pragma once
// The editor's dialog host: every modal dialog a command opens, run as the Qt dialog over
// the dialog already open (or the main window). Tests drive the dialogs through Exec.

#include <QDialog>
#include <QPointer>

#include "commands/DialogHost.h"
#include "database/Interaction.h"

namespace velmora {

class QtDialogHost : public DialogHost {
public:
    // `prompter` shows the dialogs' field messages; `parent` is the main window.
    QtDialogHost(Prompter& prompter, QWidget* parent) : prompter_(prompter), parent_(parent) {}

    bool RunChannel(ChannelForm& form) override;
    bool RunAudio(AudioForm& form) override;
    bool RunMove(MoveForm& form) override;
    bool RunSatellite(SatelliteForm& form) override;
    bool RunTransponder(TransponderForm& form) override;
    void RunModifyTransponders(ModifiedTpList& list) override;
    bool RunMove(int from, int& to) override;
    bool RunRenameFavourite(FavouriteNameForm& form, Prompter& prompter) override;
    bool RunParental(ParentalForm& form, Prompter& prompter) override;
    bool RunOtherSettings(OtherSettingsForm& form, Prompter& prompter) override;
    bool RunShowInfo(ShowInfoForm& form) override;
    bool RunSatXmlLoad(SatXmlLoadForm& form) override;
    bool RunSatXmlUpdate(SatXmlUpdateForm& form) override;
    bool RunCsvEditsPreview(const CsvEditsPreview& preview) override;

protected:
    // Runs `dialog` modally and returns its result: the one place tests drive a dialog.
    virtual int Exec(QDialog& dialog) { return dialog.exec(); }
    QWidget* DialogParent() const;

private:
    bool Accepted(QDialog& dialog) { return Exec(dialog) == QDialog::Accepted; }

    Prompter& prompter_;
    QPointer<QWidget> parent_;
};

}  // namespace velmora
