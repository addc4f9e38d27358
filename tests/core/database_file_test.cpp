// Opening and saving files on disk: a refused or failed save never harms the file that
// is already there.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "database/DatabaseFile.h"
#include "database/SdxFile.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

using testing::MakeSmallDatabase;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

TEST(SaveDatabaseFile, WrittenFileOpensWithTheSameTables) {
    TempDir dir;
    auto db = MakeSmallDatabase();
    ASSERT_EQ(SaveDatabaseFile(*db, dir / "a.sdx"), SaveResult::Written);
    auto other = std::make_unique<Database>();
    ASSERT_EQ(LoadDatabaseFile(*other, dir / "a.sdx"), OpenResult::Ok);
    EXPECT_EQ(other->tv[1].name(),
              "Kanal S\xFC"
              "d");
    EXPECT_EQ(other->favourites.bytes, db->favourites.bytes);
}

TEST(SaveDatabaseFile, NothingToWriteLeavesTheOldFileAsItWas) {
    TempDir dir;
    const std::vector<uint8_t> old = {'o', 'l', 'd'};
    WriteBytes(dir / "a.sdx", old);
    auto db = std::make_unique<Database>();  // zero sizes: an empty payload
    EXPECT_EQ(SaveDatabaseFile(*db, dir / "a.sdx"), SaveResult::NothingToWrite);
    EXPECT_EQ(ReadBytes(dir / "a.sdx"), old);
}

TEST(SaveDatabaseFile, UncreatableTargetKeepsNothingBehind) {
    TempDir dir;
    auto db = MakeSmallDatabase();
    EXPECT_EQ(SaveDatabaseFile(*db, dir / "missing/a.sdx"), SaveResult::CannotCreate);
    std::filesystem::create_directory(dir / "folder.sdx");
    EXPECT_EQ(SaveDatabaseFile(*db, dir / "folder.sdx"), SaveResult::CannotCreate);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.sdx"));
}

TEST(SaveDatabaseFile, ReadOnlyTargetIsRefusedAndKept) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
    TempDir dir;
    const std::vector<uint8_t> old = {'o', 'l', 'd'};
    WriteBytes(dir / "a.sdx", old);
    ::chmod((dir / "a.sdx").c_str(), 0444);
    auto db = MakeSmallDatabase();
    EXPECT_EQ(SaveDatabaseFile(*db, dir / "a.sdx"), SaveResult::CannotCreate);
    EXPECT_EQ(ReadBytes(dir / "a.sdx"), old);
}

TEST(SaveDatabaseFile, ReplacementKeepsTheFilesMode) {
    TempDir dir;
    WriteBytes(dir / "a.sdx", {'o'});
    ::chmod((dir / "a.sdx").c_str(), 0600);
    auto db = MakeSmallDatabase();
    ASSERT_EQ(SaveDatabaseFile(*db, dir / "a.sdx"), SaveResult::Written);
    struct stat st {};
    ::stat((dir / "a.sdx").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_FALSE(std::filesystem::exists(dir / "a.sdx.velmora-tmp"));
}

TEST(SaveDatabaseFile, SavingThroughASymbolicLinkReplacesTheFileItNames) {
    TempDir dir;
    WriteBytes(dir / "real.sdx", {'o'});
    std::filesystem::create_symlink(dir / "real.sdx", dir / "link.sdx");
    auto db = MakeSmallDatabase();
    ASSERT_EQ(SaveDatabaseFile(*db, dir / "link.sdx"), SaveResult::Written);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.sdx"));
    EXPECT_EQ(ReadBytes(dir / "real.sdx"), *WriteDatabase(*db));
}

TEST(LoadDatabaseFile, MissingFileCannotBeOpened) {
    TempDir dir;
    auto db = std::make_unique<Database>();
    EXPECT_EQ(LoadDatabaseFile(*db, dir / "none.sdx"), OpenResult::CannotOpen);
    EXPECT_EQ(LoadDatabaseFile(*db, dir / "none.sdx", FileAccess::ReadOnly),
              OpenResult::CannotOpen);
}

TEST(LoadDatabaseFile, ReadOnlyFileOpensOnlyForInspection) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
    TempDir dir;
    auto db = MakeSmallDatabase();
    ASSERT_EQ(SaveDatabaseFile(*db, dir / "a.sdx"), SaveResult::Written);
    ::chmod((dir / "a.sdx").c_str(), 0444);
    EXPECT_EQ(LoadDatabaseFile(*db, dir / "a.sdx"), OpenResult::CannotOpen);
    EXPECT_EQ(LoadDatabaseFile(*db, dir / "a.sdx", FileAccess::ReadOnly), OpenResult::Ok);
}

TEST(LoadDatabaseFile, HugeFileIsNotValidAndNotReadWhole) {
    TempDir dir;
    auto db = MakeSmallDatabase();
    ASSERT_EQ(SaveDatabaseFile(*db, dir / "a.sdx"), SaveResult::Written);
    // A sparse tail: the file claims gigabytes, the reader stops after its limit.
    std::filesystem::resize_file(dir / "a.sdx", uintmax_t(4) << 30);
    const auto before = testing::Snapshot(*db);
    EXPECT_EQ(LoadDatabaseFile(*db, dir / "a.sdx"), OpenResult::NotValid);
    EXPECT_TRUE(testing::Snapshot(*db) == before);
}

TEST(ReadInputFile, ReadsRegularFilesUpToTheLimitAndRefusesEverythingElse) {
    TempDir dir;
    const std::string text = "line 1\nline 2\n";
    WriteBytes(dir / "a.csv", std::vector<uint8_t>(text.begin(), text.end()));
    EXPECT_EQ(ReadInputFile(dir / "a.csv"), text);
    EXPECT_EQ(ReadInputFile(dir / "a.csv", text.size()), text);
    EXPECT_EQ(ReadInputFile(dir / "a.csv", text.size() - 1), std::nullopt);
    EXPECT_EQ(ReadInputFile(dir / "missing.csv"), std::nullopt);
    EXPECT_EQ(ReadInputFile(dir / "."), std::nullopt);  // a directory
    // A FIFO with no writer would block a plain open for ever.
    const std::string fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadInputFile(fifo), std::nullopt);
    EXPECT_EQ(ReadInputFile("/dev/zero"), std::nullopt);
}

}  // namespace
}  // namespace velmora
