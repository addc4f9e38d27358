#include "settings/SettingsOps.h"

#include "settings/FavouriteNameForm.h"
#include "settings/OtherSettingsForm.h"
#include "settings/ParentalForm.h"

namespace velmora {

bool RenameFavouriteGroup(Database& db, Prompter& prompter, SettingsDialogs& dialogs, int g) {
    if (!db.database_open || g < 0 || g >= FavouriteGroups::kGroups) return false;
    FavouriteNameForm form = FavouriteNameForm::Load(db.settings, g);
    if (!dialogs.RunRenameFavourite(form, prompter)) return false;
    form.ApplyTo(db.settings, g);
    return true;
}

bool EditParentalControl(Database& db, Prompter& prompter, SettingsDialogs& dialogs) {
    if (!db.database_open) return false;
    ParentalForm form = ParentalForm::Load(db.settings);
    if (!dialogs.RunParental(form, prompter)) return false;
    form.ApplyTo(db.settings);
    return true;
}

bool EditOtherSettings(Database& db, Prompter& prompter, SettingsDialogs& dialogs) {
    if (!db.database_open) return false;
    OtherSettingsForm form = OtherSettingsForm::Load(db.settings);
    if (!dialogs.RunOtherSettings(form, prompter)) return false;
    form.ApplyTo(db.settings);
    return true;
}

}  // namespace velmora
