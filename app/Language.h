#pragma once

// The editor in the user's language: its own catalogue (built into the program), Qt's for
// the file and print dialogs and the standard buttons, and the core's texts through them.

#include <QString>

class QMenu;
class QSettings;

namespace velmora {

class Prompter;

// The settings key that holds the chosen language's code ("" follows the system).
inline constexpr const char* kLanguageKey = "Language";

// Loads the catalogues of `code` ("en" needs none) into the running application and lets
// the core's texts through them. Returns false when the editor has no catalogue for it.
bool InstallLanguage(const QString& code);

// The language the settings and the environment choose, installed.
QString InstallChosenLanguage(const QSettings& settings);

// View > Language: "System default" and every language by its own name, the chosen one
// marked. A choice is kept in the settings and takes effect at the next start (the open
// windows were built in the old one), which the user is told.
QMenu* AddLanguageMenu(QMenu* view, QSettings& settings, Prompter& prompter);

}  // namespace velmora
