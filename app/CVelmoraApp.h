#pragma once
// Start-up of the editor: settings, the one document, the main frame, the command line.

#include <QSettings>
#include <QStringList>
#include <memory>

#include "app/CMainFrame.h"
#include "database/CVelmoraDoc.h"
#include "database/qt/QtInteraction.h"

namespace velmora {

// The settings key of the recent-file list: organisation and application name.
inline constexpr const char* kSettingsOrganisation = "Local AppWizard-Generated Applications";
inline constexpr const char* kSettingsApplication = "Velmora";

class CVelmoraApp {
public:
    // Without a prompter or chooser of its own the program uses message boxes and file
    // dialogs on screen.
    explicit CVelmoraApp(Prompter* prompter = nullptr, FileChooser* chooser = nullptr);
    ~CVelmoraApp();

    // Creates the document and the frame, shows the frame and opens the file named on
    // the command line (`arguments` as QCoreApplication::arguments() gives them) through
    // the Open command. `settings` defaults to the user's settings under the key above.
    // False when the program must end (a bad command line).
    bool InitInstance(const QStringList& arguments, std::unique_ptr<QSettings> settings = nullptr);

    CVelmoraDoc& doc() { return *doc_; }
    CMainFrame* mainFrame() { return frame_.get(); }

private:
    QtPrompter qt_prompter_;
    QtFileChooser qt_chooser_;
    Prompter& prompter_;
    FileChooser& chooser_;
    std::unique_ptr<CVelmoraDoc> doc_;
    std::unique_ptr<CMainFrame> frame_;
};

}  // namespace velmora
