#pragma once
// The editor started as the program starts it, with scripted message boxes and file
// dialogs, settings in a private file, and a generated database on disk.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/CVelmoraApp.h"
#include "database/DatabaseFile.h"
#include "tests/core/TestDatabases.h"
#include "tests/support/SampleDatabase.h"
#include "tests/support/ScriptedPrompter.h"

namespace velmora::testing {

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        auto db = std::make_unique<Database>();
        FillSampleDatabase(*db);
        sample = Path("sample.sdx");
        ASSERT_EQ(SaveDatabaseFile(*db, sample), SaveResult::Written);
        expected = std::move(db);
        // The tables as Open leaves them (transponders sorted, groups rebuilt).
        ASSERT_EQ(LoadDatabaseFile(*expected, sample), OpenResult::Ok);
    }

    std::string Path(const char* name) const {
        return dir.filePath(QString::fromLatin1(name)).toStdString();
    }

    std::unique_ptr<QSettings> Settings() const {
        return std::make_unique<QSettings>(dir.filePath(QStringLiteral("settings.ini")),
                                           QSettings::IniFormat);
    }

    // Starts the editor with `args` after the program name.
    void Start(const QStringList& args = {}) {
        app = std::make_unique<CVelmoraApp>(&prompter, &chooser);
        ASSERT_TRUE(app->InitInstance(QStringList{QStringLiteral("velmora")} + args, Settings()));
        frame = app->mainFrame();
        tree = frame->leftView();
        view = frame->listView();
    }
    void StartWithSample() { Start({QString::fromStdString(sample)}); }

    const Database& db() { return app->doc().db(); }
    // Changes the open database as one recorded step, as a command would.
    template <typename Change>
    void ChangeDb(Change&& change) {
        testing::ChangeTables(app->doc(), change);
    }

    // Runs `act` while a pop-up menu is up: picks the entry whose data is `id`
    // (0: closes the menu without a choice), and records the entries' texts.
    void OnNextPopup(int id, QStringList* texts = nullptr) {
        QTimer::singleShot(0, [id, texts] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            QAction* pick = nullptr;
            for (QAction* a : menu->actions()) {
                if (texts && !a->isSeparator()) texts->append(a->text());
                if (id && a->data().toInt() == id) pick = a;
            }
            if (pick) {
                menu->setActiveAction(pick);
                QTest::keyClick(menu, Qt::Key_Return);
            } else {
                menu->close();
            }
        });
    }

    QTemporaryDir dir;
    std::string sample;
    std::unique_ptr<Database> expected;
    ScriptedPrompter prompter;
    ScriptedFileChooser chooser;
    std::unique_ptr<CVelmoraApp> app;
    CMainFrame* frame = nullptr;
    CLeftView* tree = nullptr;
    CVelmoraView* view = nullptr;
};

}  // namespace velmora::testing
