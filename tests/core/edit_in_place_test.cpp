// Edits of a file in place hold one lock from the read to the end of the save, so that
// concurrent edits each see the one before them; an edit that changes nothing leaves the
// file and its backup alone; our own backup as a second name never makes a save write in
// place; and output that could not be written is a failure.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <filesystem>
#include <functional>
#include <set>
#include <sstream>
#include <thread>

#include "cli/Commands.h"
#include "database/DatabaseFile.h"
#include "database/SaveLock.h"
#include "exchange/ChannelCsv.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

using testing::ReadBytes;

const std::string kSample = std::string(VELMORA_SOURCE_DIR) + "/examples/sample.sdx";

std::unique_ptr<Database> Open(const std::string& path) {
    auto db = std::make_unique<Database>();
    EXPECT_EQ(LoadDatabaseFile(*db, path, FileAccess::ReadOnly), OpenResult::Ok);
    return db;
}

void WriteText(const std::string& path, const std::string& text) {
    testing::WriteBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

std::set<std::string> Names(const testing::TempDir& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir / ""))
        names.insert(entry.path().filename().string());
    return names;
}

using Command = std::function<int(const std::string& path, std::ostream& err)>;

TEST(EditInPlace, AnEditThatChangesNothingLeavesTheFileAndItsBackupAlone) {
    const Command cases[] = {
        [](const std::string& path, std::ostream& err) { return cli::Order(path, kSample, err); },
        [](const std::string& path, std::ostream& err) {
            WriteText(path + ".csv", ChannelsCsv(*Open(path), ChannelTables::Both));
            return cli::ApplyCsv(path, path + ".csv", err);
        },
        [](const std::string& path, std::ostream& err) {
            std::ostringstream out;
            return cli::Check(path, path, out, err);
        },
    };
    for (const Command& run : cases) {
        testing::TempDir dir;
        const std::string path = dir / "db.sdx";
        std::filesystem::copy_file(kSample, path);
        struct stat before {
        }, after{};
        ::stat(path.c_str(), &before);
        std::ostringstream err;
        EXPECT_EQ(run(path, err), 0) << err.str();
        ::stat(path.c_str(), &after);
        EXPECT_FALSE(std::filesystem::exists(path + ".bak")) << err.str();
        EXPECT_EQ(after.st_ino, before.st_ino) << "rewritten with the same bytes";
    }
}

// A CSV of the export's header and TV channel `index`'s row, the channel renamed.
std::string RenamingCsv(const Database& db, int index, const std::string& name) {
    CsvReadResult read = ReadCsvRecords(ChannelsCsv(db, ChannelTables::Tv));
    std::string csv;
    AppendCsvRecord(csv, read.records[0].fields);
    read.records[1 + index].fields[kCsvName] = name;
    AppendCsvRecord(csv, read.records[1 + index].fields);
    return csv;
}

TEST(EditInPlace, ConcurrentWritersLoseNoEditThatReportedSuccess) {
    constexpr int kWriters = 3, kEdits = 6;
    // Beside writers renaming a channel each, again and again, another command
    // rewrites the whole file: an order after a list of names reversed every round.
    const Command beside[] = {
        [](const std::string& path, std::ostream& err) {
            return cli::ApplyCsv(path, path + ".csv", err);
        },
        [](const std::string& path, std::ostream& err) {
            return cli::Order(path, path + ".txt", err);
        },
    };
    const auto original = Open(kSample);
    for (const Command& other : beside) {
        testing::TempDir dir;
        const std::string path = dir / "db.sdx";
        std::filesystem::copy_file(kSample, path);
        WriteText(path + ".csv", RenamingCsv(*original, kWriters, "Other"));
        std::string list;
        for (int i = 0; i < original->tv_count(); ++i) list = original->tv[i].name() + "\n" + list;
        WriteText(path + ".txt", list);

        std::vector<int> failures(kWriters + 1, 0);
        std::vector<std::thread> threads;
        for (int w = 0; w <= kWriters; ++w) {
            threads.emplace_back([&, w] {
                const std::string csv = dir / ("w" + std::to_string(w) + ".csv");
                for (int e = 0; e < kEdits; ++e) {
                    std::ostringstream err;
                    if (w == kWriters) {
                        failures[w] += other(path, err) != 0;
                        continue;
                    }
                    WriteText(csv, RenamingCsv(*original, w, "W" + std::to_string(w * 10 + e)));
                    failures[w] += cli::ApplyCsv(path, csv, err) != 0;
                }
            });
        }
        for (std::thread& t : threads) t.join();

        EXPECT_EQ(failures, std::vector<int>(kWriters + 1, 0));
        const auto result = Open(path);
        for (int w = 0; w < kWriters; ++w) {
            const auto& tv = result->tv;
            const auto it =
                std::find_if(tv.begin(), tv.begin() + result->tv_count(),
                             [&](const Channel& ch) { return ch.key() == original->tv[w].key(); });
            EXPECT_EQ(it->name(), "W" + std::to_string(w * 10 + kEdits - 1)) << "an edit was lost";
        }
    }
}

TEST(EditInPlace, OurOwnBackupAsASecondNameNeverMakesTheSaveWriteInPlace) {
    // A save killed between its two renames can leave NAME.bak as a second name of NAME.
    const std::pair<Backup, bool> cases[] = {{Backup::None, true},
                                             {Backup::KeepOld, true},
                                             {Backup::None, false},
                                             {Backup::KeepOld, false}};
    for (const auto& [backup, lock_usable] : cases) {
        testing::TempDir dir;
        const std::string path = dir / "db.sdx";
        testing::WriteBytes(path, {'o', 'l', 'd'});
        std::filesystem::create_hard_link(path, path + ".bak");
        // A folder where the lock file belongs cannot be locked.
        if (!lock_usable) std::filesystem::create_directory(SaveLockPath(path));
        ASSERT_EQ(ReplaceFile(path, {'n', 'e', 'w'}, backup), SaveResult::Written);
        EXPECT_EQ(ReadBytes(path), (std::vector<uint8_t>{'n', 'e', 'w'}));
        EXPECT_EQ(ReadBytes(path + ".bak"), (std::vector<uint8_t>{'o', 'l', 'd'}));
        EXPECT_EQ(Names(dir).size(), lock_usable ? 2u : 3u) << "a temporary file was left";
    }
}

TEST(EditInPlace, SavesWithoutALockRemoveEveryFileTheyMade) {
    testing::TempDir dir;
    const std::string path = dir / "db.sdx";
    testing::WriteBytes(path, {'0'});
    std::filesystem::create_directory(SaveLockPath(path));
    std::vector<std::thread> savers;
    for (uint8_t s = 0; s < 4; ++s) {
        savers.emplace_back([&, s] {
            for (uint8_t k = 0; k < 12; ++k) ReplaceFile(path, {s, k}, Backup::KeepOld);
        });
    }
    for (std::thread& t : savers) t.join();
    EXPECT_EQ(Names(dir), (std::set<std::string>{"db.sdx", "db.sdx.bak", "db.sdx.velmora-lock"}));
}

// A stream whose every write fails, as a full disk's.
class FullDisk : public std::streambuf {
protected:
    int overflow(int) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(OutputErrors, OutputThatWasNotWrittenExitsOneWithAMessage) {
    using Run = std::function<int(std::ostream&, std::ostream&)>;
    const Run cases[] = {
        [](std::ostream& out, std::ostream& err) { return cli::Info(kSample, out, err); },
        [](std::ostream& out, std::ostream& err) { return cli::Dump(kSample, out, err); },
        [](std::ostream& out, std::ostream& err) { return cli::Diff(kSample, kSample, out, err); },
        [](std::ostream& out, std::ostream& err) { return cli::Check(kSample, "", out, err); },
        [](std::ostream& out, std::ostream& err) {
            return cli::Export(kSample, cli::ExportFormat::Csv, "", false, out, err);
        },
    };
    for (const Run& run : cases) {
        FullDisk full;
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(run(out, err), 1);
        EXPECT_EQ(err.str(),
                  "Can not write the output: the disk may be full or the output closed.\n");
    }
    // The program itself, its standard output on a full device.
    const int status = std::system(
        (std::string(VELMORA_CLI_PATH) + " dump " + kSample + " >/dev/full 2>/dev/null").c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
}

}  // namespace
}  // namespace velmora
