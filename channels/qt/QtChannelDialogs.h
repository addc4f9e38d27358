#pragma once
// The channel dialogs as the editor shows them: each call runs the Qt dialog modally over
// the form it is given.

#include <QDialog>
#include <QPointer>

#include "channels/ChannelDialogs.h"
#include "database/Interaction.h"

namespace velmora {

class QtChannelDialogs : public ChannelDialogs {
public:
    // `parent` owns the dialogs on screen; `prompter` shows their field messages.
    QtChannelDialogs(QWidget* parent, Prompter& prompter) : parent_(parent), prompter_(prompter) {}

    bool RunChannel(ChannelForm& form) override;
    bool RunAudio(AudioForm& form) override;
    bool RunMove(MoveForm& form) override;

protected:
    // Runs a dialog and returns its result; tests drive the dialog here instead.
    virtual int Exec(QDialog& dialog) { return dialog.exec(); }

private:
    QPointer<QWidget> parent_;
    Prompter& prompter_;
};

}  // namespace velmora
