// What a save guarantees beyond a crash: two programs saving one file, the file's owner,
// group and mode, its other names, links to it, and a file changed since it was read.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "database/DatabaseFile.h"
#include "database/SdxFile.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

std::unique_ptr<Database> DatabaseNamed(const std::string& satellite) {
    auto db = testing::MakeSmallDatabase();
    db->satellites[0].set_name(satellite);
    return db;
}

// Every name in `dir` but the ones given: temporary, lock and backup files left behind.
std::vector<std::string> OtherFiles(const std::string& dir, std::vector<std::string> expected) {
    std::vector<std::string> others;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (std::find(expected.begin(), expected.end(), name) == expected.end())
            others.push_back(name);
    }
    return others;
}

struct stat StatOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}

// Forks a child that runs `save` and exits 0 when it returned true.
pid_t InChild(const std::function<bool()>& save) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(save() ? 0 : 1);
    return child;
}

bool ExitedWithZero(pid_t child) {
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(TwoWriters, EverySaveSucceedsAndTheFileAlwaysHoldsOneWholeSave) {
    TempDir dir;
    const std::string path = dir / "shared.sdx";
    auto a = DatabaseNamed("WRITER A");
    auto b = DatabaseNamed("WRITER B");
    const std::vector<uint8_t> saves[] = {*WriteDatabase(*a), *WriteDatabase(*b)};
    ASSERT_NE(saves[0], saves[1]);

    constexpr int kSaves = 200;
    pid_t writers[2];
    for (int w = 0; w < 2; ++w) {
        Database& db = w == 0 ? *a : *b;
        writers[w] = InChild([&] {
            for (int i = 0; i < kSaves; ++i) {
                if (SaveDatabaseFile(db, path) != SaveResult::Written) return false;
            }
            return true;
        });
        ASSERT_GT(writers[w], 0);
    }
    // Meanwhile every read finds one complete save, never a mix or a shorter file.
    int reads = 0, torn = 0;
    int status[2] = {-1, -1};
    while (status[0] == -1 || status[1] == -1) {
        for (int w = 0; w < 2; ++w) {
            int s = 0;
            if (status[w] == -1 && ::waitpid(writers[w], &s, WNOHANG) == writers[w]) status[w] = s;
        }
        const auto now = ReadBytes(path);
        if (now.empty() && reads == 0) continue;  // before the first save
        ++reads;
        if (now != saves[0] && now != saves[1]) ++torn;
    }
    for (int s : status) EXPECT_TRUE(WIFEXITED(s) && WEXITSTATUS(s) == 0) << s;
    EXPECT_EQ(torn, 0) << "of " << reads << " reads";
    const auto last = ReadBytes(path);
    EXPECT_TRUE(last == saves[0] || last == saves[1]);
    auto reopened = std::make_unique<Database>();
    EXPECT_EQ(LoadDatabaseFile(*reopened, path), OpenResult::Ok);
    EXPECT_EQ(OtherFiles(dir / "", {"shared.sdx"}), std::vector<std::string>{});
}

TEST(SaveLockLeftovers, TempAndLockOfADeadSaveAreReplacedButAFolderInTheWayFailsTheSave) {
    TempDir dir;
    const std::string path = dir / "a.sdx";
    WriteBytes(path + ".velmora-tmp", {'d', 'e', 'a', 'd'});
    WriteBytes(path + ".velmora-lock", {});
    auto db = testing::MakeSmallDatabase();
    ASSERT_EQ(SaveDatabaseFile(*db, path), SaveResult::Written);
    EXPECT_EQ(OtherFiles(dir / "", {"a.sdx"}), std::vector<std::string>{});

    fs::create_directory(path + ".velmora-tmp");
    const auto before = ReadBytes(path);
    EXPECT_EQ(SaveDatabaseFile(*DatabaseNamed("OTHER"), path), SaveResult::CannotCreate);
    EXPECT_EQ(ReadBytes(path), before);
}

TEST(SaveKeeps, OwnerGroupAndModeOfTheFile) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
    TempDir dir;
    const std::string path = dir / "a.sdx";
    WriteBytes(path, {'o', 'l', 'd'});
    ASSERT_EQ(::chown(path.c_str(), kNobody, kNoGroup), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    auto db = testing::MakeSmallDatabase();
    ASSERT_EQ(SaveDatabaseFile(*db, path, Backup::KeepOld), SaveResult::Written);
    for (const std::string& file : {path, BackupPath(path)}) {
        const struct stat st = StatOf(file);
        EXPECT_EQ(st.st_uid, kNobody) << file;
        EXPECT_EQ(st.st_gid, kNoGroup) << file;
        EXPECT_EQ(st.st_mode & 07777, 0640u) << file;
    }
    EXPECT_EQ(ReadBytes(path), *WriteDatabase(*db));
}

TEST(SaveKeeps, OwnerOfAFileItMayWriteButNotGiveAwayByWritingInPlace) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    TempDir dir;
    const std::string path = dir / "a.sdx";
    auto old_db = DatabaseNamed("OLD");
    ASSERT_EQ(SaveDatabaseFile(*old_db, path), SaveResult::Written);
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    ASSERT_EQ(::chmod((dir / "").c_str(), 0777), 0);
    const ino_t inode = StatOf(path).st_ino;
    auto new_db = DatabaseNamed("NEW");
    // As nobody, who may write root's file but cannot make a new file root's.
    const pid_t child = InChild([&] {
        return ::setgid(kNoGroup) == 0 && ::setuid(kNobody) == 0 &&
               SaveDatabaseFile(*new_db, path) == SaveResult::Written;
    });
    ASSERT_TRUE(ExitedWithZero(child));
    const struct stat st = StatOf(path);
    EXPECT_EQ(st.st_uid, 0u);
    EXPECT_EQ(st.st_ino, inode);
    EXPECT_EQ(ReadBytes(path), *WriteDatabase(*new_db));
    EXPECT_EQ(OtherFiles(dir / "", {"a.sdx"}), std::vector<std::string>{});
}

TEST(SaveKeeps, EveryHardLinkOnTheNewContentAndTheBackupApart) {
    TempDir dir;
    const std::string path = dir / "a.sdx";
    const std::string other_name = dir / "b.sdx";
    auto old_db = DatabaseNamed("OLD");
    ASSERT_EQ(SaveDatabaseFile(*old_db, path), SaveResult::Written);
    const auto old_bytes = ReadBytes(path);
    fs::create_hard_link(path, other_name);

    for (Backup backup : {Backup::KeepOld, Backup::None}) {
        auto new_db = DatabaseNamed(backup == Backup::KeepOld ? "NEW" : "NEWER");
        ASSERT_EQ(SaveDatabaseFile(*new_db, path, backup), SaveResult::Written);
        EXPECT_EQ(ReadBytes(other_name), *WriteDatabase(*new_db));
        EXPECT_EQ(StatOf(path).st_ino, StatOf(other_name).st_ino);
        EXPECT_EQ(StatOf(path).st_nlink, 2u);
    }
    EXPECT_EQ(ReadBytes(BackupPath(path)), old_bytes);
    EXPECT_NE(StatOf(BackupPath(path)).st_ino, StatOf(path).st_ino);
    EXPECT_EQ(OtherFiles(dir / "", {"a.sdx", "b.sdx", "a.sdx.bak"}), std::vector<std::string>{});
}

TEST(SaveKeeps, ALinkToAMissingFileAndCreatesThatFile) {
    TempDir dir;
    fs::create_directory(dir / "real");
    fs::create_symlink("real/list.sdx", dir / "link.sdx");
    auto db = testing::MakeSmallDatabase();
    ASSERT_EQ(SaveDatabaseFile(*db, dir / "link.sdx"), SaveResult::Written);
    EXPECT_TRUE(fs::is_symlink(dir / "link.sdx"));
    EXPECT_EQ(ReadBytes(dir / "real/list.sdx"), *WriteDatabase(*db));
    EXPECT_EQ(OtherFiles(dir / "real", {"list.sdx"}), std::vector<std::string>{});

    fs::create_symlink("loop.sdx", dir / "loop.sdx");
    EXPECT_EQ(SaveDatabaseFile(*db, dir / "loop.sdx"), SaveResult::CannotCreate);
}

TEST(SaveGuardTest, AFileWrittenByOthersSinceItWasReadIsNotOverwritten) {
    TempDir dir;
    const std::string path = dir / "a.sdx";
    ASSERT_EQ(SaveDatabaseFile(*DatabaseNamed("OPENED"), path), SaveResult::Written);
    auto db = std::make_unique<Database>();
    SaveGuard guard;
    FileStamp opened;
    ASSERT_EQ(LoadDatabaseFile(*db, path, FileAccess::ReadWrite, &opened), OpenResult::Ok);
    guard.expected = opened;

    // Unchanged: written, and the guard learns what the file now holds.
    ASSERT_EQ(SaveDatabaseFile(*db, path, Backup::None, &guard), SaveResult::Written);
    EXPECT_EQ(StampFile(path), guard.written);

    // Written by someone else in between: nothing is written.
    guard.expected = guard.written;
    ASSERT_EQ(SaveDatabaseFile(*DatabaseNamed("ELSEWHERE"), path), SaveResult::Written);
    const auto theirs = ReadBytes(path);
    EXPECT_EQ(SaveDatabaseFile(*db, path, Backup::None, &guard), SaveResult::ChangedOnDisk);
    EXPECT_EQ(ReadBytes(path), theirs);

    // Removed meanwhile: nothing to overwrite, so it is written again.
    fs::remove(path);
    EXPECT_EQ(SaveDatabaseFile(*db, path, Backup::None, &guard), SaveResult::Written);
}

}  // namespace
}  // namespace velmora
