#pragma once
// "Rename FAV group name" (dialog 142): one edit with the group's name.

#include <QDialog>

#include "database/Interaction.h"
#include "settings/FavouriteNameForm.h"

class QLineEdit;

namespace velmora {

class CRenameFavDlg : public QDialog {
    Q_OBJECT
public:
    CRenameFavDlg(FavouriteNameForm& form, Prompter& prompter, QWidget* parent = nullptr);

    // Takes the edit's text into the form; a name that is too long keeps the dialog open.
    void accept() override;

private:
    FavouriteNameForm& form_;
    Prompter& prompter_;
    QLineEdit* name_;
};

}  // namespace velmora
