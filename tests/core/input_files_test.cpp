// Inputs that are not plain files (FIFOs, devices, folders) are refused at once, never
// waited on or read without end: databases, listing pages and JSON alike.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "cli/Commands.h"
#include "database/DatabaseFile.h"
#include "import/ListingImport.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

using testing::TempDir;

constexpr int kHung = -1;

// Runs `read` in a child process and returns its exit code, or kHung when it had not
// finished after 20 seconds: a read that blocks must fail the test, not hang it.
int ExitCodeWithinTimeLimit(const std::function<int()>& read) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(20);
        ::_exit(read());
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return kHung;
    return WEXITSTATUS(status);
}

class NotAPlainFile : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0); }
    std::string Input() const {
        const std::string name = GetParam();
        return name == "fifo" ? fifo : name == "folder" ? dir / "" : name;
    }

    TempDir dir;
    std::string fifo = dir / "input";
};

TEST_P(NotAPlainFile, IsNoDatabase) {
    for (FileAccess access : {FileAccess::ReadOnly, FileAccess::ReadWrite}) {
        EXPECT_EQ(ExitCodeWithinTimeLimit([&] {
                      auto db = std::make_unique<Database>();
                      return static_cast<int>(LoadDatabaseFile(*db, Input(), access));
                  }),
                  static_cast<int>(OpenResult::CannotOpen));
    }
}

TEST_P(NotAPlainFile, IsAPageThatCannotBeOpened) {
    EXPECT_EQ(ExitCodeWithinTimeLimit([&] { return LoadListingPage(Input()).opened ? 1 : 0; }), 0);
}

TEST_P(NotAPlainFile, IsRefusedByEveryCommandWithItsUsualMessage) {
    const std::string sdx = dir / "db.sdx";
    ASSERT_EQ(SaveDatabaseFile(*testing::MakeSmallDatabase(), sdx), SaveResult::Written);
    const auto before = testing::ReadBytes(sdx);
    struct Case {
        std::function<int(std::ostream&)> run;
        std::string message;
    };
    std::ostringstream out;
    const Case cases[] = {
        {[&](std::ostream& err) { return cli::Info(Input(), out, err); },
         "Can't not open the file!\n"},
        {[&](std::ostream& err) { return cli::Dump(Input(), out, err); },
         "Can't not open the file!\n"},
        {[&](std::ostream& err) { return cli::Load(Input(), dir / "out.sdx", err); },
         "Can't not open the file!\n"},
        {[&](std::ostream& err) { return cli::Import(sdx, Input(), err); }, "Can't open file !\n"},
    };
    for (const Case& c : cases) {
        // The child reports its message through a file.
        const std::string message_file = dir / "message";
        const int code = ExitCodeWithinTimeLimit([&] {
            std::ofstream err(message_file);
            return c.run(err);
        });
        EXPECT_EQ(code, 1) << c.message;
        const auto said = testing::ReadBytes(message_file);
        EXPECT_EQ(std::string(said.begin(), said.end()), c.message);
    }
    EXPECT_EQ(testing::ReadBytes(sdx), before);
    EXPECT_FALSE(std::filesystem::exists(BackupPath(sdx)));
    EXPECT_FALSE(std::filesystem::exists(dir / "out.sdx"));
}

INSTANTIATE_TEST_SUITE_P(Inputs, NotAPlainFile, ::testing::Values("fifo", "/dev/zero", "folder"));

}  // namespace
}  // namespace velmora
