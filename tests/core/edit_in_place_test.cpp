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
#include "database/FileEdit.h"
#include "database/SaveLock.h"
#include "exchange/ChannelCsv.h"
#include "exchange/CsvText.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

using testing::ReadBytes;
using testing::TempDir;

const std::string kSample = std::string(VELMORA_SOURCE_DIR) + "/examples/sample.sdx";

std::unique_ptr<Database> Open(const std::string& path) {
    auto db = std::make_unique<Database>();
    EXPECT_EQ(LoadDatabaseFile(*db, path, FileAccess::ReadOnly), OpenResult::Ok);
    return db;
}

void WriteText(const std::string& path, const std::string& text) {
    testing::WriteBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

std::set<std::string> Names(const std::string& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(EditInPlace, AnEditThatChangesNothingLeavesTheFileAndItsBackupAlone) {
    const auto edit = [](EditChange change) {
        return [change](const std::string& path) {
            std::ostringstream err;
            const FileEditResult r = EditDatabaseFile(path, [change](Database& db) {
                db.tv[0].set_name("Edited");
                return change;
            });
            return r.change == EditChange::Refused ? 1 : r.ok() ? 0 : 2;
        };
    };
    const auto cli = [](std::function<int(const std::string&, std::ostream&)> run) {
        return [run](const std::string& path) {
            std::ostringstream err;
            return run(path, err);
        };
    };
    const struct {
        const char* edit;
        std::function<int(const std::string&)> run;
        int exit_code;
        bool written;
    } cases[] = {
        {"a change that changed nothing", edit(EditChange::None), 0, false},
        {"a refused change", edit(EditChange::Refused), 1, false},
        {"a change", edit(EditChange::Made), 0, true},
        {"order after the file itself", cli([](const std::string& path, std::ostream& err) {
             return cli::Order(path, kSample, err);
         }),
         0, false},
        {"apply-csv of the file's own export", cli([](const std::string& path, std::ostream& err) {
             WriteText(path + ".csv", ChannelsCsv(*Open(path), ChannelTables::Both));
             return cli::ApplyCsv(path, path + ".csv", err);
         }),
         0, false},
        {"check --fix in place of a clean file",
         cli([](const std::string& path, std::ostream& err) {
             std::ostringstream out;
             return cli::Check(path, path, out, err);
         }),
         0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edit);
        TempDir dir;
        const std::string path = dir / "db.sdx";
        std::filesystem::copy_file(kSample, path);
        struct stat before {};
        ::stat(path.c_str(), &before);
        EXPECT_EQ(c.run(path), c.exit_code);
        struct stat after {};
        ::stat(path.c_str(), &after);
        EXPECT_EQ(std::filesystem::exists(path + ".bak"), c.written);
        EXPECT_EQ(ReadBytes(path) != ReadBytes(kSample), c.written);
        if (!c.written) {
            EXPECT_EQ(after.st_ino, before.st_ino) << "rewritten with the same bytes";
        }
    }
}

// The row of the export naming TV channel `index` of `db`, renamed.
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
    // Each writer renames a channel of its own again and again; beside them another
    // command rewrites the whole file.
    const struct {
        const char* beside;
        std::function<int(const std::string&, int)> run;
    } cases[] = {
        {"a fourth apply-csv",
         [](const std::string& path, int round) {
             std::ostringstream err;
             const std::string csv = path + ".extra.csv";
             WriteText(csv, RenamingCsv(*Open(kSample), kWriters, "X" + std::to_string(round)));
             return cli::ApplyCsv(path, csv, err);
         }},
        {"order",
         [](const std::string& path, int round) {
             // Lists of names in two orders, so that every run moves channels.
             const auto db = Open(kSample);
             std::string list;
             for (int i = 0; i < db->tv_count(); ++i)
                 list = round % 2 ? list + db->tv[i].name() + "\n" : db->tv[i].name() + "\n" + list;
             const std::string path_list = path + ".list.txt";
             WriteText(path_list, list);
             std::ostringstream err;
             return cli::Order(path, path_list, err);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.beside);
        TempDir dir;
        const std::string path = dir / "db.sdx";
        std::filesystem::copy_file(kSample, path);
        const auto original = Open(kSample);
        std::vector<uint32_t> keys;
        for (int w = 0; w < kWriters; ++w) keys.push_back(original->tv[w].key());

        std::vector<int> failures(kWriters + 1, 0);
        std::vector<std::thread> threads;
        for (int w = 0; w < kWriters; ++w) {
            threads.emplace_back([&, w] {
                const std::string csv = dir / ("w" + std::to_string(w) + ".csv");
                for (int e = 0; e < kEdits; ++e) {
                    WriteText(csv, RenamingCsv(*original, w,
                                               "W" + std::to_string(w) + " E" + std::to_string(e)));
                    std::ostringstream err;
                    if (cli::ApplyCsv(path, csv, err) != 0) ++failures[w];
                }
            });
        }
        threads.emplace_back([&] {
            for (int round = 0; round < kEdits; ++round)
                if (c.run(path, round) != 0) ++failures[kWriters];
        });
        for (std::thread& t : threads) t.join();

        EXPECT_EQ(failures, std::vector<int>(kWriters + 1, 0));
        const auto result = Open(path);
        for (int w = 0; w < kWriters; ++w) {
            int found = -1;
            for (int i = 0; i < result->tv_count(); ++i)
                if (result->tv[i].key() == keys[w]) found = i;
            ASSERT_GE(found, 0);
            EXPECT_EQ(result->tv[found].name(),
                      "W" + std::to_string(w) + " E" + std::to_string(kEdits - 1))
                << "writer " << w << "'s last edit was lost";
        }
    }
}

TEST(EditInPlace, OurOwnBackupAsASecondNameNeverMakesTheSaveWriteInPlace) {
    // A save killed between its two renames can leave NAME.bak as a second name of NAME.
    const struct {
        const char* shape;
        Backup backup;
        bool lock_usable;
    } cases[] = {
        {"no backup kept", Backup::None, true},
        {"backup kept", Backup::KeepOld, true},
        {"no backup kept, no lock", Backup::None, false},
        {"backup kept, no lock", Backup::KeepOld, false},
    };
    const std::vector<uint8_t> old_bytes = {'o', 'l', 'd'}, new_bytes = {'n', 'e', 'w'};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shape);
        TempDir dir;
        const std::string path = dir / "db.sdx";
        testing::WriteBytes(path, old_bytes);
        std::filesystem::create_hard_link(path, path + ".bak");
        // A folder where the lock file belongs cannot be locked.
        if (!c.lock_usable) std::filesystem::create_directory(SaveLockPath(path));
        ASSERT_EQ(ReplaceFile(path, new_bytes, c.backup), SaveResult::Written);
        EXPECT_EQ(ReadBytes(path), new_bytes);
        EXPECT_EQ(ReadBytes(path + ".bak"), old_bytes) << "the backup took the new content";
        std::set<std::string> expected = {"db.sdx", "db.sdx.bak"};
        if (!c.lock_usable) expected.insert("db.sdx.velmora-lock");
        EXPECT_EQ(Names(dir / ""), expected);
    }
}

TEST(EditInPlace, SavesWithoutALockRemoveEveryFileTheyMade) {
    constexpr int kSavers = 4, kSaves = 12;
    TempDir dir;
    const std::string path = dir / "db.sdx";
    testing::WriteBytes(path, {'0'});
    std::filesystem::create_directory(SaveLockPath(path));
    std::vector<std::thread> savers;
    for (int s = 0; s < kSavers; ++s) {
        savers.emplace_back([&, s] {
            for (int k = 0; k < kSaves; ++k)
                ReplaceFile(path, {static_cast<uint8_t>('a' + s), static_cast<uint8_t>(k)},
                            Backup::KeepOld);
        });
    }
    for (std::thread& t : savers) t.join();
    EXPECT_EQ(Names(dir / ""),
              (std::set<std::string>{"db.sdx", "db.sdx.bak", "db.sdx.velmora-lock"}));
}

// A stream whose every write fails, as a full disk's.
class FullDisk : public std::streambuf {
protected:
    int overflow(int) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(OutputErrors, OutputThatWasNotWrittenExitsOneWithAMessage) {
    const struct {
        const char* command;
        std::function<int(std::ostream&, std::ostream&)> run;
    } cases[] = {
        {"info", [](std::ostream& out, std::ostream& err) { return cli::Info(kSample, out, err); }},
        {"dump", [](std::ostream& out, std::ostream& err) { return cli::Dump(kSample, out, err); }},
        {"diff", [](std::ostream& out,
                    std::ostream& err) { return cli::Diff(kSample, kSample, out, err); }},
        {"check",
         [](std::ostream& out, std::ostream& err) { return cli::Check(kSample, "", out, err); }},
        {"export",
         [](std::ostream& out, std::ostream& err) {
             return cli::Export(kSample, cli::ExportFormat::Csv, "", false, out, err);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        FullDisk full;
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(c.run(out, err), 1);
        EXPECT_EQ(err.str(),
                  "Can not write the output: the disk may be full or the output closed.\n");
    }
    // The program itself, its standard output on a full device.
    const std::string command =
        std::string(VELMORA_CLI_PATH) + " dump " + kSample + " >/dev/full 2>/dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
}

}  // namespace
}  // namespace velmora
