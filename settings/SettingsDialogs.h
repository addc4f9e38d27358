#pragma once
// The modal dialogs of the receiver settings, as the operations see them. The editor
// runs its Qt dialogs; tests answer from a script. Each returns true on OK, with the
// form holding what the user entered; on false the form is to be ignored.
// Field-check messages go through `prompter`.

namespace velmora {

class Prompter;
struct FavouriteNameForm;
struct ParentalForm;
struct OtherSettingsForm;

class SettingsDialogs {
public:
    virtual ~SettingsDialogs() = default;
    virtual bool RunRenameFavourite(FavouriteNameForm& form, Prompter& prompter) = 0;
    virtual bool RunParental(ParentalForm& form, Prompter& prompter) = 0;
    virtual bool RunOtherSettings(OtherSettingsForm& form, Prompter& prompter) = 0;
};

}  // namespace velmora
