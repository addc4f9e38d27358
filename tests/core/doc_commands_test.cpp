// The file commands New, Open, Save, Save As, Close and the window's close handling.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "commands/CommandTable.h"
#include "database/CVelmoraDoc.h"
#include "database/DatabaseFile.h"
#include "database/SdxFile.h"
#include "tests/core/TestDatabases.h"
#include "tests/support/SampleDatabase.h"
#include "tests/support/ScriptedPrompter.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing::ChangeTables;
using testing::ScriptedFileChooser;
using testing::ScriptedPrompter;

struct RecordingViews : DocumentViews, DocumentObserver {
    int opens = 0;
    int closes = 0;
    std::vector<std::string> titles;
    std::vector<std::string> used;
    void StepFinished(DocumentStep step) override {
        opens += step == DocumentStep::Open;
        closes += step == DocumentStep::Close;
    }
    void SetTitle(const std::string& title) override { titles.push_back(title); }
    void FileUsed(const std::string& path) override { used.push_back(path); }
};

std::vector<uint8_t> ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteAll(const fs::path& p, const std::vector<uint8_t>& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

class DocCommands : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("velmora-doc-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        doc.SetViews(&views);
        doc.AddObserver(&views);
        auto sample = std::make_unique<Database>();
        testing::FillSampleDatabase(*sample);
        sample_file = (dir / "sample.sdx").string();
        ASSERT_EQ(SaveDatabaseFile(*sample, sample_file), SaveResult::Written);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Opens the sample through the Open command.
    void OpenSample() {
        chooser.answers.push_back(sample_file);
        ASSERT_TRUE(doc.OnFileOpen());
    }
    // A marker in the tables that a refused open must leave alone.
    void MarkTables() {
        ChangeTables(doc, [&](Database& db) { db.satellites[0].set_name("UNTOUCHED"); });
    }
    // Whether the command table enables command `id` now.
    bool Enabled(int id) { return StateOf(*FindCommand(id), doc, list).enabled; }
    bool TablesUntouched() { return doc.db().satellites[0].name() == "UNTOUCHED"; }

    fs::path dir;
    std::string sample_file;
    ScriptedPrompter prompter;
    ScriptedFileChooser chooser;
    RecordingViews views;
    ChannelList list;
    CVelmoraDoc doc{prompter, chooser};
};

TEST(DocPaths, NewAppendsSdxUnlessTheNameEndsInIt) {
    EXPECT_EQ(NewFilePath("list"), "list.sdx");
    EXPECT_EQ(NewFilePath("list.sdx"), "list.sdx");
    EXPECT_EQ(NewFilePath("list.SDX"), "list.SDX");
    EXPECT_EQ(NewFilePath("list.bin"), "list.bin.sdx");
    EXPECT_EQ(NewFilePath("list.Sdx"), "list.Sdx.sdx");
    EXPECT_EQ(NewFilePath("my.sdx.old"), "my.sdx.old.sdx");
}

TEST(DocPaths, SaveAsAppendsSdxUnlessItOccursAnywhere) {
    EXPECT_EQ(SaveAsFilePath("backup"), "backup.sdx");
    EXPECT_EQ(SaveAsFilePath("backup.sdx.old"), "backup.sdx.old");
    EXPECT_EQ(SaveAsFilePath("BACKUP.SDX"), "BACKUP.SDX");
    EXPECT_EQ(SaveAsFilePath("backup.Sdx"), "backup.Sdx.sdx");
}

TEST_F(DocCommands, OpenShowsSelectFileDialogThenFillsTreeAndSetsTitle) {
    OpenSample();
    ASSERT_EQ(chooser.asked.size(), 1u);
    EXPECT_FALSE(chooser.asked[0].save);
    EXPECT_EQ(chooser.asked[0].title, "Select File");
    EXPECT_EQ(chooser.asked[0].filter, "SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||");
    EXPECT_TRUE(doc.IsOpen());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.db().path_name, sample_file);
    EXPECT_EQ(doc.db().sat_count(), 4);
    EXPECT_EQ(views.opens, 1);
    EXPECT_EQ(views.titles, std::vector<std::string>{"Velmora --- " + sample_file});
    EXPECT_EQ(views.used, std::vector<std::string>{sample_file});
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(DocCommands, OpenCancelledChangesNothing) {
    chooser.answers.push_back(std::nullopt);
    EXPECT_FALSE(doc.OnFileOpen());
    EXPECT_FALSE(doc.IsOpen());
    EXPECT_TRUE(doc.db().path_name.empty());
    EXPECT_EQ(views.opens, 0);
    EXPECT_TRUE(views.titles.empty());
}

TEST_F(DocCommands, OpenOfAPathThatCannotBeOpenedSaysSoOnce) {
    fs::create_directories(dir / "folder.sdx");
    for (const std::string& path :
         {(dir / "missing.sdx").string(), (dir / "folder.sdx").string()}) {
        SCOPED_TRACE(path);
        prompter.shown.clear();
        MarkTables();
        EXPECT_FALSE(doc.OpenPath(path));
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].text, "Can't not open the file!");
        EXPECT_EQ(prompter.shown[0].caption, "Velmora");
        EXPECT_EQ(prompter.shown[0].icon, Icon::None);
        EXPECT_FALSE(doc.IsOpen());
        EXPECT_TRUE(TablesUntouched());
        EXPECT_EQ(views.opens, 0);
        EXPECT_TRUE(views.titles.empty());
    }
}

TEST_F(DocCommands, OpenOfAMalformedFileSaysNotCorrectOnceAndKeepsThePath) {
    const std::vector<uint8_t> good = ReadAll(sample_file);
    ASSERT_GT(good.size(), 100u);
    std::vector<uint8_t> bad_signature = good;
    for (size_t i = 4; i < 32; ++i) bad_signature.at(i) = 'x';
    std::vector<uint8_t> appended = good;
    appended.push_back(0);
    std::vector<uint8_t> corrupt_stream = good;
    corrupt_stream[70] ^= 0xFF;
    const struct {
        const char* fault;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"empty file", {}},
        {"63 bytes", std::vector<uint8_t>(good.begin(), good.begin() + 63)},
        {"no SDX in the signature", bad_signature},
        {"one byte appended", appended},
        {"truncated stream", std::vector<uint8_t>(good.begin(), good.end() - 10)},
        {"damaged stream", corrupt_stream},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        const std::string path = (dir / "bad.sdx").string();
        WriteAll(path, c.bytes);
        prompter.shown.clear();
        MarkTables();
        EXPECT_FALSE(doc.OpenPath(path));
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].text, "This file is not a correct file,please select another!");
        EXPECT_EQ(prompter.shown[0].icon, Icon::Error);
        EXPECT_FALSE(doc.IsOpen());
        EXPECT_TRUE(TablesUntouched());
        EXPECT_EQ(doc.db().path_name, path);
        EXPECT_TRUE(Enabled(kCmdFileNew));
        EXPECT_TRUE(Enabled(kCmdFileOpen));
        EXPECT_EQ(views.opens, 0);
    }
}

TEST_F(DocCommands, OpenIsRefusedWhileADatabaseIsOpen) {
    OpenSample();
    EXPECT_FALSE(doc.OpenPath(sample_file));
    EXPECT_FALSE(doc.OnFileOpen());
    EXPECT_EQ(views.opens, 1);
    EXPECT_EQ(chooser.asked.size(), 1u);
}

TEST_F(DocCommands, CommandsAreEnabledByWhetherADatabaseIsOpen) {
    EXPECT_TRUE(Enabled(kCmdFileNew));
    EXPECT_TRUE(Enabled(kCmdFileOpen));
    EXPECT_FALSE(Enabled(kCmdFileClose));
    EXPECT_FALSE(Enabled(kCmdFileSave));
    EXPECT_FALSE(Enabled(kCmdFileSaveAs));
    OpenSample();
    EXPECT_FALSE(Enabled(kCmdFileNew));
    EXPECT_FALSE(Enabled(kCmdFileOpen));
    EXPECT_TRUE(Enabled(kCmdFileClose));
    EXPECT_TRUE(Enabled(kCmdFileSave));
    EXPECT_TRUE(Enabled(kCmdFileSaveAs));
}

TEST_F(DocCommands, NewWritesAnEmptyDatabaseThatOpensAgain) {
    chooser.answers.push_back((dir / "list.bin").string());
    ASSERT_TRUE(doc.OnFileNew());
    const std::string path = (dir / "list.bin.sdx").string();
    ASSERT_EQ(chooser.asked.size(), 1u);
    EXPECT_EQ(chooser.asked[0].title, "New File");
    EXPECT_EQ(chooser.asked[0].filter,
              "SDX Files (*.sdx)|*.sdx|Bin Files (*.bin)|*.bin|All Files (*.*)|*.*||");
    EXPECT_TRUE(doc.IsOpen());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.db().path_name, path);
    EXPECT_EQ(views.opens, 1);
    EXPECT_EQ(views.titles.back(), "Velmora --- " + path);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_FALSE(fs::exists(dir / "list.bin"));

    auto reopened = std::make_unique<Database>();
    ASSERT_EQ(LoadDatabaseFile(*reopened, path), OpenResult::Ok);
    EXPECT_EQ(reopened->sat_count(), 0);
    EXPECT_EQ(reopened->settings.fav_name(0), "Movie");
    EXPECT_EQ(reopened->settings.password(), "4826");
}

TEST_F(DocCommands, NewThatCannotWriteItsFileSaysSoAndStaysModified) {
    chooser.answers.push_back((dir / "no-such-folder" / "list").string());
    ASSERT_TRUE(doc.OnFileNew());
    ASSERT_EQ(prompter.texts(), std::vector<std::string>{"Can not save file!"});
    EXPECT_EQ(prompter.shown[0].icon, Icon::Error);
    EXPECT_TRUE(doc.IsOpen());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(views.used.empty());
}

TEST_F(DocCommands, SaveWithNothingModifiedDoesNotTouchTheFile) {
    OpenSample();
    WriteAll(sample_file, {1, 2, 3});  // changed behind the editor's back
    EXPECT_TRUE(doc.OnFileSave());
    EXPECT_EQ(ReadAll(sample_file), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(DocCommands, SaveWritesTheChangesAndClearsTheFlag) {
    OpenSample();
    ChangeTables(doc, [&](Database& db) { db.satellites[0].set_name("Renamed"); });
    EXPECT_TRUE(doc.OnFileSave());
    EXPECT_FALSE(doc.IsModified());
    auto reopened = std::make_unique<Database>();
    ASSERT_EQ(LoadDatabaseFile(*reopened, sample_file), OpenResult::Ok);
    EXPECT_EQ(reopened->satellites[0].name(), "Renamed");
}

TEST_F(DocCommands, SaveThatFailsKeepsTheFlagAndTheOldFile) {
    OpenSample();
    const auto before = ReadAll(sample_file);
    fs::create_directories(sample_file + ".velmora-tmp");  // the save cannot create its file
    ChangeTables(doc);
    EXPECT_FALSE(doc.OnFileSave());
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Can not save file!"});
    EXPECT_EQ(prompter.shown[0].icon, Icon::Error);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ReadAll(sample_file), before);
}

TEST_F(DocCommands, SaveAsThenSaveWriteToTheNewName) {
    OpenSample();
    const auto original = ReadAll(sample_file);
    chooser.answers.push_back((dir / "backup").string());
    ASSERT_TRUE(doc.OnFileSaveAs());
    const std::string copy = (dir / "backup.sdx").string();
    EXPECT_TRUE(chooser.asked.back().save);
    EXPECT_EQ(chooser.asked.back().title, "Select File");
    EXPECT_EQ(doc.db().path_name, copy);
    EXPECT_EQ(views.titles.back(), "Velmora --- " + copy);
    EXPECT_EQ(views.used.back(), copy);

    ChangeTables(doc, [&](Database& db) { db.satellites[1].set_name("Changed"); });
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_EQ(ReadAll(sample_file), original);
    auto reopened = std::make_unique<Database>();
    ASSERT_EQ(LoadDatabaseFile(*reopened, copy), OpenResult::Ok);
    EXPECT_EQ(reopened->satellites[1].name(), "Changed");
}

TEST_F(DocCommands, SaveAsWritesEvenWhenNothingIsModified) {
    OpenSample();
    chooser.answers.push_back((dir / "copy.sdx.old").string());
    ASSERT_TRUE(doc.OnFileSaveAs());
    EXPECT_TRUE(fs::exists(dir / "copy.sdx.old"));
}

TEST_F(DocCommands, SaveAsThatFailsKeepsPathFlagAndSays) {
    OpenSample();
    ChangeTables(doc);
    chooser.answers.push_back((dir / "no-such-folder" / "x.sdx").string());
    EXPECT_FALSE(doc.OnFileSaveAs());
    ASSERT_EQ(prompter.texts(), std::vector<std::string>{"Can't not save the file\n"});
    EXPECT_EQ(prompter.shown[0].icon, Icon::None);
    EXPECT_EQ(doc.db().path_name, sample_file);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(views.titles.size(), 1u);
}

TEST_F(DocCommands, SaveAsCancelledChangesNothing) {
    OpenSample();
    ChangeTables(doc);
    chooser.answers.push_back(std::nullopt);
    EXPECT_FALSE(doc.OnFileSaveAs());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.db().path_name, sample_file);
}

TEST_F(DocCommands, CloseAnsweredNoKeepsTheFileAndClearsTheFlag) {
    OpenSample();
    const auto before = ReadAll(sample_file);
    ChangeTables(doc);
    prompter.answers.push_back(Answer::No);
    EXPECT_TRUE(doc.OnFileClose());
    ASSERT_EQ(prompter.texts(), std::vector<std::string>{"Do you want to save changed data ?"});
    EXPECT_EQ(prompter.shown[0].icon, Icon::Question);
    EXPECT_EQ(prompter.shown[0].buttons, Buttons::YesNo);
    EXPECT_EQ(ReadAll(sample_file), before);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.IsOpen());
    EXPECT_TRUE(doc.db().path_name.empty());
    EXPECT_EQ(views.closes, 1);
    EXPECT_EQ(views.titles.back(), "Velmora ");
}

TEST_F(DocCommands, CloseAnsweredYesSavesFirst) {
    OpenSample();
    ChangeTables(doc, [&](Database& db) { db.satellites[0].set_name("Saved"); });
    prompter.answers.push_back(Answer::Yes);
    EXPECT_TRUE(doc.OnFileClose());
    EXPECT_FALSE(doc.IsOpen());
    auto reopened = std::make_unique<Database>();
    ASSERT_EQ(LoadDatabaseFile(*reopened, sample_file), OpenResult::Ok);
    EXPECT_EQ(reopened->satellites[0].name(), "Saved");
}

TEST_F(DocCommands, CloseAnsweredYesWhoseSaveFailsKeepsTheDatabaseOpen) {
    OpenSample();
    const auto before = ReadAll(sample_file);
    fs::create_directories(sample_file + ".velmora-tmp");
    ChangeTables(doc);
    prompter.answers.push_back(Answer::Yes);
    EXPECT_FALSE(doc.OnFileClose());
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Do you want to save changed data ?",
                                                          "Can not save file!"}));
    EXPECT_TRUE(doc.IsOpen());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.db().path_name, sample_file);
    EXPECT_EQ(views.closes, 0);
    EXPECT_EQ(ReadAll(sample_file), before);
}

TEST_F(DocCommands, CloseOfAnUnmodifiedDatabaseAsksNothing) {
    OpenSample();
    EXPECT_TRUE(doc.OnFileClose());
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_FALSE(doc.IsOpen());
}

TEST_F(DocCommands, WindowCloseAnsweredNoEndsWithoutWriting) {
    OpenSample();
    const auto before = ReadAll(sample_file);
    ChangeTables(doc);
    prompter.answers.push_back(Answer::No);
    EXPECT_TRUE(doc.CanCloseFrame());
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(ReadAll(sample_file), before);
}

TEST_F(DocCommands, WindowCloseWhoseSaveFailsDoesNotEnd) {
    OpenSample();
    fs::create_directories(sample_file + ".velmora-tmp");
    ChangeTables(doc);
    prompter.answers.push_back(Answer::Yes);
    EXPECT_FALSE(doc.CanCloseFrame());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.IsOpen());
}

TEST_F(DocCommands, WindowCloseWithoutChangesEndsAtOnce) {
    EXPECT_TRUE(doc.CanCloseFrame());
    OpenSample();
    EXPECT_TRUE(doc.CanCloseFrame());
    EXPECT_TRUE(prompter.shown.empty());
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

class DocHistory : public DocCommands {
protected:
    // One recorded change, as the frame runs a command.
    void Change(const std::string& name) {
        ChangeTables(doc, [&](Database& db) { db.satellites[0].set_name(name); });
    }
};

TEST_F(DocHistory, SaveMakesTheCurrentStateTheUnmodifiedOne) {
    OpenSample();
    Change("First");
    Change("Second");
    ASSERT_TRUE(doc.OnFileSave());
    ASSERT_TRUE(doc.Undo());
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.Redo());
    EXPECT_FALSE(doc.IsModified());
    chooser.answers.push_back((dir / "other").string());
    ASSERT_TRUE(doc.Undo());
    ASSERT_TRUE(doc.OnFileSaveAs());
    ASSERT_TRUE(doc.Redo());
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocHistory, OpenNewAndCloseEmptyTheHistory) {
    OpenSample();
    Change("Changed");
    prompter.answers.push_back(Answer::No);
    ASSERT_TRUE(doc.OnFileClose());
    EXPECT_FALSE(doc.history().CanUndo());
    OpenSample();
    EXPECT_FALSE(doc.history().CanUndo());
    Change("Changed");
    ASSERT_TRUE(doc.Undo());
    ASSERT_TRUE(doc.OnFileClose());
    chooser.answers.push_back((dir / "new").string());
    ASSERT_TRUE(doc.OnFileNew());
    EXPECT_FALSE(doc.history().CanUndo());
    EXPECT_FALSE(doc.history().CanRedo());
}

TEST_F(DocHistory, NewThatCannotWriteHasNoSavedStateToUndoBackTo) {
    chooser.answers.push_back((dir / "no-such-folder" / "list").string());
    ASSERT_TRUE(doc.OnFileNew());
    Change("Changed");
    ASSERT_TRUE(doc.Undo());
    // The file was never written: Close must still offer to save.
    EXPECT_TRUE(doc.IsModified());
}

}  // namespace
}  // namespace velmora
