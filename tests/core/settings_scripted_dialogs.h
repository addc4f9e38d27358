#pragma once
// A settings dialog host that plays the user from a script: each dialog runs the lambda
// given for it (which edits the form and returns true for OK), and keeps the form as
// it was when the dialog opened. A dialog without a script fails the test.

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "settings/FavouriteNameForm.h"
#include "settings/OtherSettingsForm.h"
#include "settings/ParentalForm.h"
#include "settings/SettingsDialogs.h"

namespace velmora::testing {

class ScriptedSettingsDialogs : public SettingsDialogs {
public:
    std::function<bool(FavouriteNameForm&)> rename;
    std::function<bool(ParentalForm&)> parental;
    std::function<bool(OtherSettingsForm&)> other;

    std::optional<FavouriteNameForm> rename_opened;
    std::optional<ParentalForm> parental_opened;
    std::optional<OtherSettingsForm> other_opened;

    bool RunRenameFavourite(FavouriteNameForm& form, Prompter&) override {
        return Play(rename, rename_opened, form, "rename");
    }
    bool RunParental(ParentalForm& form, Prompter&) override {
        return Play(parental, parental_opened, form, "parental control");
    }
    bool RunOtherSettings(OtherSettingsForm& form, Prompter&) override {
        return Play(other, other_opened, form, "other settings");
    }

private:
    template <typename Form>
    static bool Play(const std::function<bool(Form&)>& script, std::optional<Form>& opened,
                     Form& form, const char* what) {
        opened = form;
        if (!script) {
            ADD_FAILURE() << "unexpected " << what << " dialog";
            return false;
        }
        return script(form);
    }
};

}  // namespace velmora::testing
