// The main frame: start-up and the command line, menu, toolbar, status bar, the file
// commands through their actions, TV/radio, recent files, the close handling.

#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QTranslator>
#include <filesystem>
#include <fstream>

#include "app/CAboutDlg.h"
#include "commands/CommandIds.h"
#include "database/qt/QtInteraction.h"
#include "tests/gui/GuiFixture.h"

namespace velmora::testing {
namespace {

struct MenuEntry {
    QString text;  // "-" for a separator, "Sort Channel>" for a submenu
    int id;
    QString shortcut;
};

std::vector<MenuEntry> Entries(const QMenu* menu) {
    std::vector<MenuEntry> out;
    for (QAction* a : menu->actions()) {
        if (!a->isVisible()) continue;
        if (a->isSeparator())
            out.push_back({QStringLiteral("-"), 0, {}});
        else if (a->menu())
            out.push_back({a->text() + QStringLiteral(">"), 0, {}});
        else
            out.push_back({a->text(), a->data().toInt(), a->shortcut().toString()});
    }
    return out;
}

void ExpectMenu(const QMenu* menu, const std::vector<MenuEntry>& expected) {
    const auto got = Entries(menu);
    ASSERT_EQ(got.size(), expected.size()) << menu->title().toStdString();
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].text, expected[i].text) << i;
        EXPECT_EQ(got[i].id, expected[i].id) << got[i].text.toStdString();
        EXPECT_EQ(got[i].shortcut, expected[i].shortcut) << got[i].text.toStdString();
    }
}

class MainWindow : public GuiTest {};

TEST_F(MainWindow, StartsWithNoDatabaseTitledVelmora) {
    Start();
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Velmora"));
    EXPECT_FALSE(app->doc().IsOpen());
    EXPECT_EQ(tree->topLevelItemCount(), 6);
    EXPECT_EQ(view->model()->rowCount(), 0);
    EXPECT_EQ(view->model()->columnCount(), 16);
    EXPECT_EQ(view->model()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("FAV1"));
    EXPECT_TRUE(frame->action(kCmdFileNew)->isEnabled());
    EXPECT_TRUE(frame->action(kCmdFileOpen)->isEnabled());
    EXPECT_FALSE(frame->action(kCmdFileSave)->isEnabled());
    EXPECT_FALSE(frame->action(kCmdFileSaveAs)->isEnabled());
    EXPECT_FALSE(frame->action(kCmdFileClose)->isEnabled());
    EXPECT_TRUE(frame->action(kCmdTvChannel)->isChecked());
    EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("Ready"));
}

TEST_F(MainWindow, TheSplitterHoldsTheTreeLeftAndTheListRight) {
    Start();
    ASSERT_EQ(frame->splitter()->count(), 2);
    EXPECT_EQ(frame->splitter()->widget(0), tree);
    // The list sits in the right pane below its find field.
    EXPECT_EQ(frame->splitter()->widget(1), frame->findPane());
    EXPECT_EQ(view->parentWidget(), frame->findPane());
    EXPECT_EQ(frame->splitter()->sizes().value(0), 180);
}

TEST_F(MainWindow, OpensTheFileNamedOnTheCommandLine) {
    StartWithSample();
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_TRUE(app->doc().IsOpen());
    EXPECT_EQ(frame->windowTitle(),
              QStringLiteral("Velmora --- ") + QString::fromStdString(sample));
    EXPECT_EQ(tree->RootNode(kRootAntenna)->childCount(), expected->sat_count());
    EXPECT_TRUE(tree->RootNode(kRootAntenna)->isExpanded());
    EXPECT_EQ(tree->RootNode(kRootFavList)->childCount(), 8);
    EXPECT_FALSE(tree->RootNode(kRootFavList)->isExpanded());
    EXPECT_EQ(tree->GroupNode(0)->text(0), QStringLiteral("Movie"));
    EXPECT_FALSE(frame->action(kCmdFileNew)->isEnabled());
    EXPECT_FALSE(frame->action(kCmdFileOpen)->isEnabled());
    EXPECT_TRUE(frame->action(kCmdFileSave)->isEnabled());
    EXPECT_EQ(view->model()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("Movie"));
}

// Without settings (as an embedding program or the benchmark builds it) the window has no
// language to keep, and still opens a database into its tree.
TEST_F(MainWindow, AWindowWithoutSettingsOpensADatabase) {
    CVelmoraDoc doc{prompter, chooser};
    CMainFrame bare{doc};
    ASSERT_TRUE(doc.OpenPath(sample));
    EXPECT_EQ(bare.leftView()->RootNode(kRootAntenna)->childCount(), expected->sat_count());
    EXPECT_EQ(bare.listView()->model()->rowCount(), expected->tv_count());
}

TEST_F(MainWindow, ARelativePathOnTheCommandLineIsMadeAbsolute) {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Start({QStringLiteral("sample.sdx")});
    QDir::setCurrent(previous);
    ASSERT_TRUE(app->doc().IsOpen());
    const QFileInfo opened(QString::fromStdString(db().path_name));
    EXPECT_TRUE(opened.isAbsolute());
    EXPECT_EQ(opened.canonicalFilePath(),
              QFileInfo(QString::fromStdString(sample)).canonicalFilePath());
}

TEST_F(MainWindow, OpensTheExampleDatabaseFromTheCommandLine) {
    const std::string example = VELMORA_SOURCE_DIR "/examples/sample.sdx";
    if (!std::filesystem::exists(example)) GTEST_SKIP() << "no examples/sample.sdx in this tree";
    Start({QString::fromStdString(example)});
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_TRUE(app->doc().IsOpen());
    EXPECT_GT(tree->RootNode(kRootAntenna)->childCount(), 0);
}

TEST_F(MainWindow, ABadFileOnTheCommandLineSaysSoOnceAndOpensNothing) {
    QDir(QString::fromStdString(dir.path().toStdString())).mkdir(QStringLiteral("folder.sdx"));
    {
        std::ofstream bad(Path("bad.sdx"), std::ios::binary);
        bad << "this is not a database at all, not even close to one; it is text";
    }
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {Path("missing.sdx"), "Can't not open the file!"},
        {Path("folder.sdx"), "Can't not open the file!"},
        {Path("bad.sdx"), "This file is not a correct file,please select another!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        prompter.shown.clear();
        Start({QString::fromStdString(c.path)});
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{c.message});
        EXPECT_FALSE(app->doc().IsOpen());
        EXPECT_EQ(tree->RootNode(kRootAntenna)->childCount(), 0);
        EXPECT_EQ(frame->windowTitle(), QStringLiteral("Velmora"));
        EXPECT_TRUE(frame->action(kCmdFileOpen)->isEnabled());
    }
}

TEST_F(MainWindow, OpenCommandUsesTheFileChooser) {
    Start();
    chooser.answers.push_back(sample);
    frame->action(kCmdFileOpen)->trigger();
    ASSERT_EQ(chooser.asked.size(), 1u);
    EXPECT_EQ(chooser.asked[0].title, "Select File");
    EXPECT_TRUE(app->doc().IsOpen());
    EXPECT_EQ(tree->RootNode(kRootAntenna)->childCount(), expected->sat_count());
    EXPECT_TRUE(frame->action(kCmdFileClose)->isEnabled());
}

TEST_F(MainWindow, NewCommandOpensAnEmptyDatabaseWithDefaultGroups) {
    Start();
    chooser.answers.push_back(Path("fresh"));
    frame->action(kCmdFileNew)->trigger();
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(frame->windowTitle(),
              QStringLiteral("Velmora --- ") + QString::fromStdString(Path("fresh.sdx")));
    EXPECT_EQ(tree->RootNode(kRootAntenna)->childCount(), 0);
    ASSERT_EQ(tree->RootNode(kRootFavList)->childCount(), 8);
    EXPECT_EQ(tree->GroupNode(7)->text(0), QStringLiteral("FAV8"));
    EXPECT_EQ(view->model()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("Movie"));
    EXPECT_FALSE(app->doc().IsModified());
    EXPECT_EQ(frame->recentFiles().files().value(0), QString::fromStdString(Path("fresh.sdx")));
}

TEST_F(MainWindow, MenuHasEveryEntryWithItsIdTextAndShortcut) {
    Start();
    const QList<QAction*> popups = frame->menuBar()->actions();
    ASSERT_EQ(popups.size(), 5);
    EXPECT_EQ(popups[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(popups[1]->text(), QStringLiteral("&Edit"));
    EXPECT_EQ(popups[2]->text(), QStringLiteral("&View"));
    EXPECT_EQ(popups[3]->text(), QStringLiteral("&Tools"));
    EXPECT_EQ(popups[4]->text(), QStringLiteral("&Help"));
    const QString sep = QStringLiteral("-");
    ExpectMenu(popups[0]->menu(), {{"&New", 57600, "Ctrl+N"},
                                   {"&Open...", 57601, "Ctrl+O"},
                                   {"&Close", 32772, ""},
                                   {sep, 0, ""},
                                   {"&Save", 57603, "Ctrl+S"},
                                   {"Save &As...", 57604, ""},
                                   {sep, 0, ""},
                                   {"&Export>", 0, ""},
                                   {"App&ly CSV Edits...", 32942, ""},
                                   {"Compare &With...", 32900, ""},
                                   {sep, 0, ""},
                                   {"&Print...", 57607, "Ctrl+P"},
                                   {"Print Pre&view", 57609, ""},
                                   {"P&rint Setup...", 57606, ""},
                                   {sep, 0, ""},
                                   {"Recent File", 57616, ""},
                                   {sep, 0, ""},
                                   {"E&xit", 57665, ""}});
    ExpectMenu(popups[1]->menu(), {{"&Undo", 57643, "Ctrl+Z"},
                                   {"&Redo", 57644, "Ctrl+Y"},
                                   {sep, 0, ""},
                                   {"Add Channel", 32789, ""},
                                   {"Edit Channel", 32790, ""},
                                   {"Delete Channel", 32791, "Del"},
                                   {"Swap Channel", 32792, "Ctrl+T"},
                                   {"Move Channel", 32793, "Ctrl+M"},
                                   {"Move Up", 32803, "Ctrl+Up"},
                                   {"Move Down", 32804, "Ctrl+Down"},
                                   {sep, 0, ""},
                                   {"Sort Channel>", 0, ""},
                                   {sep, 0, ""},
                                   {"Show Channel info...", 32796, ""}});
    const QMenu* sort = popups[1]->menu()->actions()[11]->menu();
    ExpectMenu(sort, {{"A--->Z", 32794, ""},
                      {"Z--->A", 32795, ""},
                      {sep, 0, ""},
                      {"Transponder", 32801, ""},
                      {"Satellite", 32802, ""},
                      {sep, 0, ""},
                      {"Apply Order From...", 32901, ""}});
    ExpectMenu(popups[2]->menu(), {{"&TV Channel", 32782, ""},
                                   {"&Radio Channel", 32783, ""},
                                   {sep, 0, ""},
                                   {"&Language>", 0, ""}});
    ExpectMenu(popups[3]->menu(), {{"&Check Database...", 32920, "Ctrl+K"}});
    ExpectMenu(popups[4]->menu(), {{"&About Velmora...", 57664, ""}});
    EXPECT_EQ(frame->action(kCmdNextPane)->shortcut().toString(), QStringLiteral("F6"));
    EXPECT_EQ(frame->action(kCmdPrevPane)->shortcut().toString(), QStringLiteral("Shift+F6"));
}

TEST_F(MainWindow, ToolbarButtonsInOrderWithTextUnderTheirImages) {
    Start();
    QToolBar* bar = frame->toolBar();
    EXPECT_EQ(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_EQ(bar->iconSize(), QSize(16, 15));
    QStringList labels;
    QList<int> ids;
    for (QAction* a : bar->actions()) {
        labels << (a->isSeparator() ? QStringLiteral("|") : a->iconText());
        ids << a->data().toInt();
    }
    EXPECT_EQ(labels.join(QLatin1Char(' ')),
              QStringLiteral(
                  "New Open Save | Add CH | Edit CH | Move | Del CH | About | AZ ZA | TV Radio | "
                  "Undo Redo"));
    EXPECT_EQ(ids,
              (QList<int>{57600, 57601, 57603, 0,     32789, 0,     32790, 0, 32793, 0,    32791, 0,
                          57664, 0,     32794, 32795, 0,     32782, 32783, 0, 57643, 57644}));
    int width = -1;
    for (QAction* a : bar->actions()) {
        if (a->isSeparator()) continue;
        EXPECT_FALSE(a->icon().isNull()) << a->iconText().toStdString();
        EXPECT_EQ(a->toolTip(), a->iconText());
        auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a));
        ASSERT_TRUE(button);
        if (width < 0) width = button->minimumWidth();
        EXPECT_EQ(button->minimumWidth(), width) << "buttons share one size";
    }
}

// Records the commands the window runs with the rows they run on.
struct RecordingChannelHooks {
    std::vector<std::pair<int, std::vector<int>>> calls;
    ViewEffect Run(int id, CommandContext& c) {
        calls.push_back({id, c.rows});
        return {};
    }
};

TEST_F(MainWindow, EditCommandsReachTheChannelListWithTheirIds) {
    StartWithSample();
    auto hooks = std::make_unique<RecordingChannelHooks>();
    RecordingChannelHooks* calls = hooks.get();
    frame->SetCommandRunner([calls](int id, CommandContext& c) { return calls->Run(id, c); });
    QToolButton* fourth = qobject_cast<QToolButton*>(
        frame->toolBar()->widgetForAction(frame->toolBar()->actions()[4]));
    ASSERT_TRUE(fourth);
    EXPECT_EQ(fourth->text(), QStringLiteral("Add CH"));
    QTest::mouseClick(fourth, Qt::LeftButton);
    for (int id : {32790, 32791, 32792, 32793, 32794, 32795, 32801, 32802})
        frame->action(id)->trigger();
    std::vector<int> ids;
    for (const auto& c : calls->calls) ids.push_back(c.first);
    EXPECT_EQ(ids,
              (std::vector<int>{32789, 32790, 32791, 32792, 32793, 32794, 32795, 32801, 32802}));
}

TEST_F(MainWindow, StatusBarPromptsAreTheCommandStrings) {
    Start();
    EXPECT_EQ(frame->action(kCmdFileNew)->statusTip(), QStringLiteral("Create a new document"));
    EXPECT_EQ(frame->action(kCmdDeleteChannel)->statusTip(), QStringLiteral("Detelte a channel"));
    EXPECT_EQ(frame->action(kCmdSortZToA)->statusTip(),
              QStringLiteral("Sort Channels from Z to AZ"));
    EXPECT_EQ(frame->action(kCmdShowChannelInfo)->statusTip(),
              QStringLiteral("Select the information of channel to show"));
    EXPECT_TRUE(frame->action(kCmdFileClose)->statusTip().isEmpty());
    frame->statusBar()->showMessage(frame->action(kCmdFileOpen)->statusTip());
    EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("Open an existing document"));
    frame->statusBar()->clearMessage();
    EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("Ready"));
    QStringList panes;
    for (const char* name : {"CAP", "NUM", "SCRL"})
        EXPECT_TRUE(frame->statusBar()->findChild<QLabel*>(QString::fromLatin1(name))) << name;
}

TEST_F(MainWindow, TvAndRadioSwitchTheTableAndTheMark) {
    StartWithSample();
    tree->setCurrentItem(tree->RootNode(kRootChannelList));
    EXPECT_EQ(view->model()->rowCount(), expected->tv_count());
    frame->action(kCmdRadioChannel)->trigger();
    EXPECT_EQ(view->list().shown_table(), ChannelTable::Radio);
    EXPECT_EQ(view->model()->rowCount(), expected->radio_count());
    EXPECT_EQ(view->model()->index(0, 1).data().toString(),
              QString::fromLatin1(expected->radio[0].name()));
    EXPECT_TRUE(frame->action(kCmdRadioChannel)->isChecked());
    EXPECT_FALSE(frame->action(kCmdTvChannel)->isChecked());
    frame->action(kCmdTvChannel)->trigger();
    EXPECT_EQ(view->model()->rowCount(), expected->tv_count());
    // TV while TV is shown lists again and keeps the mark.
    frame->action(kCmdTvChannel)->trigger();
    EXPECT_TRUE(frame->action(kCmdTvChannel)->isChecked());
    EXPECT_FALSE(frame->action(kCmdRadioChannel)->isChecked());
    EXPECT_EQ(view->model()->rowCount(), expected->tv_count());
}

TEST_F(MainWindow, CloseAnsweredNoResetsTheWindowAndKeepsTheFile) {
    StartWithSample();
    tree->setCurrentItem(tree->RootNode(kRootChannelList));
    ChangeDb([](Database& d) { d.satellites[0].set_name("Unsaved"); });
    prompter.answers.push_back(Answer::No);
    frame->action(kCmdFileClose)->trigger();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Do you want to save changed data ?"});
    EXPECT_FALSE(app->doc().IsOpen());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Velmora "));
    EXPECT_EQ(tree->topLevelItemCount(), 6);
    EXPECT_EQ(tree->RootNode(kRootAntenna)->childCount(), 0);
    EXPECT_EQ(view->model()->rowCount(), 0);
    EXPECT_EQ(view->model()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("FAV1"));
    EXPECT_TRUE(frame->action(kCmdFileOpen)->isEnabled());
    auto reread = std::make_unique<Database>();
    ASSERT_EQ(LoadDatabaseFile(*reread, sample), OpenResult::Ok);
    EXPECT_EQ(reread->satellites[0].name(), expected->satellites[0].name());
}

TEST_F(MainWindow, CloseAnsweredYesSavesTheChanges) {
    StartWithSample();
    ChangeDb([](Database& d) { d.satellites[0].set_name("Saved"); });
    prompter.answers.push_back(Answer::Yes);
    frame->action(kCmdFileClose)->trigger();
    EXPECT_FALSE(app->doc().IsOpen());
    auto reread = std::make_unique<Database>();
    ASSERT_EQ(LoadDatabaseFile(*reread, sample), OpenResult::Ok);
    EXPECT_EQ(reread->satellites[0].name(), "Saved");
}

TEST_F(MainWindow, WindowCloseAnsweredNoClosesWithoutWriting) {
    StartWithSample();
    testing::ChangeTables(app->doc());
    prompter.answers.push_back(Answer::No);
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(prompter.shown.size(), 1u);
}

TEST_F(MainWindow, WindowCloseWhoseSaveFailsStaysOpen) {
    StartWithSample();
    std::filesystem::create_directories(sample + ".velmora-tmp");
    testing::ChangeTables(app->doc());
    prompter.answers.push_back(Answer::Yes);
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Do you want to save changed data ?",
                                                          "Can not save file!"}));
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(app->doc().IsModified());
    EXPECT_EQ(tree->RootNode(kRootAntenna)->childCount(), expected->sat_count());
}

TEST_F(MainWindow, WindowCloseWithNoDatabaseClosesAtOnce) {
    Start();
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(MainWindow, RecentFilesRecordOpenedFilesAndReopenThem) {
    StartWithSample();
    ASSERT_EQ(frame->recentFiles().files(), QStringList{QString::fromStdString(sample)});
    QAction* first = frame->action(kCmdRecentFile1);
    EXPECT_EQ(first->text(),
              QStringLiteral("&1 ") + QDir::toNativeSeparators(QString::fromStdString(sample)));
    EXPECT_FALSE(first->isEnabled()) << "Open is not available while a database is open";
    {
        QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File1")).toString(),
                  QString::fromStdString(sample));
    }
    frame->action(kCmdFileClose)->trigger();
    ASSERT_TRUE(first->isEnabled());
    first->trigger();
    EXPECT_TRUE(app->doc().IsOpen());
    EXPECT_EQ(tree->RootNode(kRootAntenna)->childCount(), expected->sat_count());
}

TEST_F(MainWindow, RecentFilesKeepFourAndSurviveARestart) {
    Start();
    for (int i = 0; i < 5; ++i) frame->FileUsed(Path(("f" + std::to_string(i) + ".sdx").c_str()));
    ASSERT_EQ(frame->recentFiles().files().size(), 4);
    EXPECT_EQ(frame->recentFiles().files().first(), QString::fromStdString(Path("f4.sdx")));
    Start();
    EXPECT_EQ(frame->recentFiles().files().size(), 4);
    EXPECT_EQ(frame->recentFiles().files().last(), QString::fromStdString(Path("f1.sdx")));
}

TEST_F(MainWindow, ARecentFileThatNoLongerOpensLeavesTheList) {
    Start();
    frame->FileUsed(Path("gone.sdx"));
    frame->action(kCmdRecentFile1)->trigger();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Can't not open the file!"});
    EXPECT_TRUE(frame->recentFiles().files().isEmpty());
    EXPECT_EQ(frame->action(kCmdRecentFile1)->text(), QStringLiteral("Recent File"));
}

TEST_F(MainWindow, F6MovesTheFocusBetweenTreeAndList) {
    Start();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    tree->setFocus();
    QTest::keyClick(frame, Qt::Key_F6);
    EXPECT_TRUE(view->hasFocus());
    EXPECT_EQ(frame->activePane(), ActivePane::List);
    QTest::keyClick(frame, Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_TRUE(tree->hasFocus());
    EXPECT_EQ(frame->activePane(), ActivePane::Tree);
}

TEST_F(MainWindow, AboutBoxShowsTheProgramsLines) {
    Start();
    CAboutDlg about(frame);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Velmora(FTA)"));
    EXPECT_EQ(about.property("templateId").toInt(), 100);
    QStringList lines;
    for (QLabel* label : about.findChildren<QLabel*>())
        if (!label->text().isEmpty()) lines << label->text();
    EXPECT_TRUE(lines.contains(QStringLiteral("Velmora V1.01")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Data: 23/12/2005")));
    EXPECT_TRUE(about.findChild<QPushButton*>(QStringLiteral("1")));
}

// Gives every text as "context:text", as a catalogue gives it in another language.
class ContextTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* text, const char*, int) const override {
        return QString::fromLatin1(context) + QLatin1Char(':') + QString::fromLatin1(text);
    }
};

TEST_F(MainWindow, MenusToolbarAndStatusBarSpeakTheUsersLanguage) {
    ContextTranslator translator;
    QCoreApplication::installTranslator(&translator);
    Start();
    const QAction* open = frame->action(kCmdFileOpen);
    const std::pair<QString, const char*> shown[] = {
        {frame->menuBar()->actions().value(0)->text(), "commands:&File"},
        {open->text(), "commands:&Open..."},
        {open->statusTip(), "commands:Open an existing document"},
        {open->iconText(), "commands:Open"},
        {frame->statusBar()->currentMessage(), "velmora::CMainFrame:Ready"}};
    QCoreApplication::removeTranslator(&translator);
    for (const auto& [text, expected] : shown) EXPECT_EQ(text, QString::fromLatin1(expected));
    // The keys are the same in every language.
    EXPECT_EQ(open->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
}

TEST(FileDialogFilters, MenuFiltersBecomeQtNameFilters) {
    EXPECT_EQ(ToQtNameFilters("SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||"),
              QStringLiteral("SDX Files (*.sdx);;All Files (*)"));
    EXPECT_EQ(
        ToQtNameFilters("SDX Files (*.sdx)|*.sdx|Bin Files (*.bin)|*.bin|All Files (*.*)|*.*||"),
        QStringLiteral("SDX Files (*.sdx);;Bin Files (*.bin);;All Files (*)"));
    EXPECT_EQ(ToQtNameFilters("Pages|*.htm;*.html||"), QStringLiteral("Pages (*.htm *.html)"));
}

}  // namespace
}  // namespace velmora::testing
