// Saving never leaves a half-written database behind, even when the program dies in the
// middle of writing, and the first save after a file is opened keeps that file as NAME.bak.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>

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
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// Every table full, with names and PIDs that do not compress away, so that its file takes
// many chunks to write.
std::unique_ptr<Database> FullDatabase(unsigned seed) {
    auto db = std::make_unique<Database>();
    testing::FillSampleDatabase(*db, {kMaxSatellites, kMaxTransponders, 100, 100});
    std::mt19937 rnd(seed);
    for (bool radio : {false, true}) {
        for (int i = 0; i < kMaxChannels; ++i) {
            Channel& ch = db->channels(radio)[i];
            std::string name;
            for (int k = 0; k < 14; ++k) name.push_back(static_cast<char>('A' + rnd() % 26));
            ch.set_name(name);
            ch.set_tp_id(static_cast<uint16_t>(rnd() % kMaxTransponders));
            ch.set_service_number(static_cast<uint16_t>(rnd()));
            ch.set_video_pid(static_cast<uint16_t>(rnd() % 8191));
            ch.set_pcr_pid(static_cast<uint16_t>(rnd() % 8191));
        }
        db->set_channel_count(radio, kMaxChannels);
    }
    return db;
}

// The child's end of the pipe: it reports each chunk written, then waits to be killed.
int chunk_pipe = -1;
size_t chunks_before_stop = 0;
void ReportChunkAndMaybeStop(size_t, size_t) {
    const char c = 'c';
    if (::write(chunk_pipe, &c, 1) != 1) ::_exit(3);
    if (--chunks_before_stop == 0)
        for (;;) ::pause();
}

// Forks a child that saves `db` to `path` and is killed with SIGKILL after its
// `chunks`-th chunk; returns once it is dead. 0 chunks: the child finishes its save.
void SaveInChildKilledAfter(Database& db, const std::string& path, size_t chunks) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(fds[0]);
        chunk_pipe = fds[1];
        chunks_before_stop = chunks;
        SetWriteChunkHook(&ReportChunkAndMaybeStop);
        ::_exit(SaveDatabaseFile(db, path) == SaveResult::Written ? 0 : 2);
    }
    ::close(fds[1]);
    size_t seen = 0;
    char c;
    while (::read(fds[0], &c, 1) == 1)
        if (++seen == chunks) ::kill(child, SIGKILL);
    ::close(fds[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    if (chunks == 0) {
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    } else {
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    }
}

TEST(CrashSafeSave, KilledWriterLeavesTheOldFileWholeAndTheNextSaveWritesTheNewOne) {
    TempDir dir;
    const std::string path = dir / "full.sdx";
    auto old_db = FullDatabase(1);
    ASSERT_EQ(SaveDatabaseFile(*old_db, path), SaveResult::Written);
    const auto old_bytes = ReadBytes(path);
    auto new_db = FullDatabase(2);
    const auto new_bytes = *WriteDatabase(*new_db);
    const size_t chunks = (new_bytes.size() + kWriteChunkSize - 1) / kWriteChunkSize;
    ASSERT_GE(chunks, 3u) << "the database must take several chunks";

    for (size_t k : {size_t{1}, chunks / 2, chunks}) {
        SaveInChildKilledAfter(*new_db, path, k);
        EXPECT_EQ(ReadBytes(path), old_bytes) << "killed after chunk " << k;
        EXPECT_TRUE(fs::exists(path + ".velmora-tmp"));
    }
    // The next save is not put off by the leftover and leaves nothing behind.
    ASSERT_EQ(SaveDatabaseFile(*new_db, path), SaveResult::Written);
    EXPECT_EQ(ReadBytes(path), new_bytes);
    EXPECT_FALSE(fs::exists(path + ".velmora-tmp"));
    auto reopened = std::make_unique<Database>();
    EXPECT_EQ(LoadDatabaseFile(*reopened, path), OpenResult::Ok);
}

TEST(CrashSafeSave, WriterThatFinishesLeavesTheNewFile) {
    TempDir dir;
    const std::string path = dir / "full.sdx";
    auto old_db = FullDatabase(1);
    ASSERT_EQ(SaveDatabaseFile(*old_db, path), SaveResult::Written);
    auto new_db = FullDatabase(3);
    SaveInChildKilledAfter(*new_db, path, 0);
    EXPECT_EQ(ReadBytes(path), *WriteDatabase(*new_db));
    EXPECT_FALSE(fs::exists(path + ".velmora-tmp"));
}

TEST(CrashSafeSave, LeftoverTemporaryLinkIsReplacedNotFollowed) {
    TempDir dir;
    const std::string path = dir / "a.sdx";
    const std::vector<uint8_t> elsewhere = {'k', 'e', 'e', 'p'};
    WriteBytes(dir / "other", elsewhere);
    fs::create_symlink(dir / "other", path + ".velmora-tmp");
    auto db = testing::MakeSmallDatabase();
    ASSERT_EQ(SaveDatabaseFile(*db, path), SaveResult::Written);
    EXPECT_EQ(ReadBytes(dir / "other"), elsewhere);
    EXPECT_EQ(ReadBytes(path), *WriteDatabase(*db));
}

// The document's backup of the file it opened.
class DocBackup : public ::testing::Test {
protected:
    void SetUp() override {
        auto sample = std::make_unique<Database>();
        testing::FillSampleDatabase(*sample);
        ASSERT_EQ(SaveDatabaseFile(*sample, path), SaveResult::Written);
        opened_bytes = ReadBytes(path);
    }
    void Open() {
        chooser.answers.push_back(path);
        ASSERT_TRUE(doc.OnFileOpen());
    }
    void Edit(const std::string& name) {
        ChangeTables(doc, [&](Database& db) { db.satellites[0].set_name(name); });
    }

    TempDir dir;
    std::string path = dir / "list.sdx";
    std::string backup = dir / "list.sdx.bak";
    std::vector<uint8_t> opened_bytes;
    testing::ScriptedPrompter prompter;
    testing::ScriptedFileChooser chooser;
    CVelmoraDoc doc{prompter, chooser};
};

TEST_F(DocBackup, FirstSaveAfterOpenKeepsTheOpenedFileAndLaterSavesDoNotReplaceIt) {
    WriteBytes(backup, {'o', 'l', 'd', 'e', 'r'});
    Open();
    Edit("FIRST");
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_EQ(ReadBytes(backup), opened_bytes);
    EXPECT_NE(ReadBytes(path), opened_bytes);
    Edit("SECOND");
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_EQ(ReadBytes(backup), opened_bytes);
    EXPECT_FALSE(fs::exists(path + ".velmora-tmp"));
    EXPECT_FALSE(fs::exists(backup + ".velmora-tmp"));
}

TEST_F(DocBackup, EachOpenStartsAFreshBackup) {
    Open();
    Edit("FIRST");
    ASSERT_TRUE(doc.OnFileSave());
    const auto first_saved = ReadBytes(path);
    prompter.answers.push_back(Answer::No);
    ASSERT_TRUE(doc.OnFileClose());
    Open();
    Edit("SECOND");
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_EQ(ReadBytes(backup), first_saved);
}

TEST_F(DocBackup, SaveThatCannotKeepTheBackupFailsAndTheNextOneKeepsIt) {
    Open();
    Edit("FIRST");
    fs::create_directories(backup + "/in-the-way");
    EXPECT_FALSE(doc.OnFileSave());
    EXPECT_EQ(ReadBytes(path), opened_bytes);
    EXPECT_TRUE(doc.IsModified());
    fs::remove_all(backup);
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_EQ(ReadBytes(backup), opened_bytes);
    EXPECT_FALSE(fs::exists(path + ".velmora-tmp"));
}

TEST_F(DocBackup, SaveAsDoesNotBackUpItsTargetNorTheFilesItWritesLater) {
    const std::string target = dir / "copy.sdx";
    WriteBytes(target, {'x'});
    Open();
    chooser.answers.push_back(target);
    ASSERT_TRUE(doc.OnFileSaveAs());
    Edit("AFTER");
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_FALSE(fs::exists(target + ".bak"));
    EXPECT_FALSE(fs::exists(backup));
}

TEST_F(DocBackup, SaveAsOntoTheOpenedFileKeepsItAsTheBackup) {
    Open();
    Edit("FIRST");
    chooser.answers.push_back(path);
    ASSERT_TRUE(doc.OnFileSaveAs());
    EXPECT_EQ(ReadBytes(backup), opened_bytes);
}

TEST_F(DocBackup, NewOverAnExistingFileKeepsItAsTheBackup) {
    chooser.answers.push_back(path);
    ASSERT_TRUE(doc.OnFileNew());
    EXPECT_EQ(ReadBytes(backup), opened_bytes);
    Edit("LATER");
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_EQ(ReadBytes(backup), opened_bytes);
}

TEST_F(DocBackup, BackupThroughASymbolicLinkLiesBesideTheFileItNames) {
    const std::string link = dir / "link.sdx";
    fs::create_symlink(path, link);
    chooser.answers.push_back(link);
    ASSERT_TRUE(doc.OnFileOpen());
    Edit("FIRST");
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_EQ(ReadBytes(backup), opened_bytes);
    EXPECT_TRUE(fs::is_symlink(link));
}

}  // namespace
}  // namespace velmora
