#pragma once
// The settings dialogs run as modal Qt dialogs.

#include "settings/SettingsDialogs.h"

class QDialog;
class QWidget;

namespace velmora {

class QtSettingsDialogs : public SettingsDialogs {
public:
    explicit QtSettingsDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    bool RunRenameFavourite(FavouriteNameForm& form, Prompter& prompter) override;
    bool RunParental(ParentalForm& form, Prompter& prompter) override;
    bool RunOtherSettings(OtherSettingsForm& form, Prompter& prompter) override;

protected:
    // Runs the dialog modally and returns its result. Tests replace the modal loop with
    // one that drives the dialog's controls.
    virtual int RunModal(QDialog& dialog);

private:
    QWidget* parent_;
};

}  // namespace velmora
