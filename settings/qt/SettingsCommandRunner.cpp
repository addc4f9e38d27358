#include "settings/qt/SettingsCommandRunner.h"

#include "database/qt/Latin1Text.h"
#include "settings/SettingsOps.h"
#include "settings/qt/QtSettingsDialogs.h"

namespace velmora {

SettingsCommandRunner::SettingsCommandRunner(Database& db, Prompter& prompter, QWidget* parent)
    : db_(db),
      prompter_(prompter),
      owned_dialogs_(std::make_unique<QtSettingsDialogs>(parent)),
      dialogs_(*owned_dialogs_) {}

SettingsCommandRunner::SettingsCommandRunner(Database& db, Prompter& prompter,
                                             SettingsDialogs& dialogs)
    : db_(db), prompter_(prompter), dialogs_(dialogs) {}

SettingsCommandRunner::~SettingsCommandRunner() = default;

std::optional<QString> SettingsCommandRunner::RenameGroup(int g) {
    if (!RenameFavouriteGroup(db_, prompter_, dialogs_, g)) return std::nullopt;
    return TextOfBytes(db_.settings.fav_name(g));
}

bool SettingsCommandRunner::EditParental() {
    return EditParentalControl(db_, prompter_, dialogs_);
}

bool SettingsCommandRunner::EditOtherSettings() {
    return velmora::EditOtherSettings(db_, prompter_, dialogs_);
}

}  // namespace velmora
