// The editor's Save does not overwrite a file another program wrote since it was opened
// without asking first.

#include <gtest/gtest.h>

#include <filesystem>

#include "database/CVelmoraDoc.h"
#include "database/DatabaseFile.h"
#include "tests/core/TestDatabases.h"
#include "tests/support/SampleDatabase.h"
#include "tests/support/ScriptedPrompter.h"

namespace velmora {
namespace {

using testing::ChangeTables;
using testing::ReadBytes;
using testing::TempDir;

const std::string kChanged(kMsgChangedOnDisk);

class ChangedOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        auto sample = std::make_unique<Database>();
        testing::FillSampleDatabase(*sample);
        ASSERT_EQ(SaveDatabaseFile(*sample, path), SaveResult::Written);
        chooser.answers.push_back(path);
        ASSERT_TRUE(doc.OnFileOpen());
    }
    void Edit(const std::string& name) {
        ChangeTables(doc, [&](Database& db) { db.satellites[0].set_name(name); });
    }
    // Another program saves the file: one satellite renamed.
    std::vector<uint8_t> WrittenElsewhere() {
        auto other = std::make_unique<Database>();
        testing::FillSampleDatabase(*other);
        other->satellites[1].set_name("THEIRS");
        EXPECT_EQ(SaveDatabaseFile(*other, path), SaveResult::Written);
        return ReadBytes(path);
    }

    TempDir dir;
    std::string path = dir / "list.sdx";
    testing::ScriptedPrompter prompter;
    testing::ScriptedFileChooser chooser;
    CVelmoraDoc doc{prompter, chooser};
};

TEST_F(ChangedOnDisk, SavesOfAnUntouchedFileAskNothing) {
    for (const char* name : {"FIRST", "SECOND", "THIRD"}) {
        Edit(name);
        ASSERT_TRUE(doc.OnFileSave());
    }
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ChangedOnDisk, NoKeepsTheChangesAndTheirFile) {
    Edit("MINE");
    const auto theirs = WrittenElsewhere();
    prompter.answers.push_back(Answer::No);
    EXPECT_FALSE(doc.OnFileSave());
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kChanged});
    EXPECT_EQ(prompter.shown[0].buttons, Buttons::YesNo);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ReadBytes(path), theirs);
    EXPECT_FALSE(std::filesystem::exists(BackupPath(path)));

    // Closing asks to save, then again about their file; No to that keeps it all open.
    prompter.answers = {Answer::Yes, Answer::No};
    EXPECT_FALSE(doc.OnFileClose());
    EXPECT_TRUE(doc.IsOpen());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ReadBytes(path), theirs);
}

TEST_F(ChangedOnDisk, YesOverwritesKeepingTheirFileAsTheBackupAndAsksNoMore) {
    Edit("MINE");
    const auto theirs = WrittenElsewhere();
    prompter.answers.push_back(Answer::Yes);
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_FALSE(doc.IsModified());
    auto reopened = std::make_unique<Database>();
    ASSERT_EQ(LoadDatabaseFile(*reopened, path), OpenResult::Ok);
    EXPECT_EQ(reopened->satellites[0].name(), "MINE");
    EXPECT_EQ(ReadBytes(BackupPath(path)), theirs);

    Edit("MINE AGAIN");
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kChanged});
}

}  // namespace
}  // namespace velmora
