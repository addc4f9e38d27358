// velmora-cli diff and order: exit codes, messages on standard error, and the order of a
// shuffled copy restored from the original.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

#include "cli/Commands.h"
#include "cli/JsonSchema.h"
#include "database/DatabaseFile.h"
#include "tests/core/TestDatabases.h"

namespace velmora::cli {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

const std::string kSample = std::string(VELMORA_SOURCE_DIR) + "/examples/sample.sdx";
constexpr const char* kCannotOpen = "Can't not open the file!\n";
constexpr const char* kNotValid = "This file is not a correct file,please select another!\n";

struct CliResult {
    int exit_code;
    std::string out, err;
};

CliResult DiffOf(const std::string& a, const std::string& b) {
    std::ostringstream out, err;
    const int code = Diff(a, b, out, err);
    return {code, out.str(), err.str()};
}

CliResult OrderOf(const std::string& file, const std::string& reference) {
    std::ostringstream err;
    const int code = Order(file, reference, err);
    return {code, "", err.str()};
}

std::unique_ptr<Database> Opened(const std::string& path) {
    auto db = std::make_unique<Database>();
    EXPECT_EQ(LoadDatabaseFile(*db, path, FileAccess::ReadOnly), OpenResult::Ok) << path;
    return db;
}

TEST(CliDiff, TheSampleWithItselfDiffersInNothing) {
    const CliResult r = DiffOf(kSample, kSample);
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.err, "");
    const Json j = Json::parse(r.out);
    for (const char* section : {"satellites", "transponders", "tv", "radio"}) {
        EXPECT_EQ(j[section]["only_a"], Json::array()) << section;
        EXPECT_EQ(j[section]["changed"], Json::array()) << section;
        EXPECT_EQ(j[section]["same_order"], true) << section;
    }
}

TEST(CliDiff, AChangedCopyExitsThreeAndNamesTheChange) {
    TempDir dir;
    auto db = Opened(kSample);
    db->tv[1].set_ttx_pid(42);
    ASSERT_EQ(SaveDatabaseFile(*db, dir / "b.sdx"), SaveResult::Written);
    const CliResult r = DiffOf(kSample, dir / "b.sdx");
    EXPECT_EQ(r.exit_code, 3);
    const Json changed = Json::parse(r.out)["tv"]["changed"];
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0],
              Json::parse(
                  R"({"a": 1, "b": 1, "fields": ["ttx_pid"], "values": {"ttx_pid": [195, 42]}})"));
}

TEST(CliDiff, AFileThatCannotBeOpenedExitsOneWithOpensMessage) {
    TempDir dir;
    WriteBytes(dir / "broken.sdx", {1, 2, 3});
    const CliResult missing = DiffOf(kSample, dir / "none.sdx");
    EXPECT_EQ(missing.exit_code, 1);
    EXPECT_EQ(missing.err, kCannotOpen);
    EXPECT_EQ(missing.out, "");
    const CliResult broken = DiffOf(dir / "broken.sdx", kSample);
    EXPECT_EQ(broken.exit_code, 1);
    EXPECT_EQ(broken.err, kNotValid);
}

TEST(CliOrder, AShuffledCopyOrderedByTheOriginalIsTheOriginalAgain) {
    TempDir dir;
    const auto original = Opened(kSample);
    auto shuffled = Opened(kSample);
    std::mt19937 random(15);
    for (bool radio : {false, true}) {
        auto& table = shuffled->channels(radio);
        std::shuffle(table.begin(), table.begin() + shuffled->channel_count(radio), random);
    }
    const std::string copy = dir / "copy.sdx";
    ASSERT_EQ(SaveDatabaseFile(*shuffled, copy), SaveResult::Written);
    const auto shuffled_bytes = ReadBytes(copy);

    const CliResult r = OrderOf(copy, kSample);
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.err, "Ordered " + std::to_string(original->tv_count()) + " of " +
                         std::to_string(original->tv_count()) + " TV channels and " +
                         std::to_string(original->radio_count()) + " of " +
                         std::to_string(original->radio_count()) + " radio channels\n");
    const auto ordered = Opened(copy);
    // Every table and block as the original's; the header may differ only in how the
    // stream was packed.
    Json got = DatabaseToJson(*ordered), want = DatabaseToJson(*original);
    got.erase("header");
    want.erase("header");
    EXPECT_EQ(got, want);
    EXPECT_EQ(ReadBytes(copy + ".bak"), shuffled_bytes);  // kept as Save keeps it
}

TEST(CliOrder, AReferenceThatCannotBeReadLeavesTheFileUnchanged) {
    TempDir dir;
    const std::string file = dir / "db.sdx";
    WriteBytes(file, ReadBytes(kSample));
    WriteBytes(dir / "bad.csv", {'x', '\n'});
    const struct {
        std::string reference, err;
    } cases[] = {
        {dir / "none.sdx", kCannotOpen},
        {dir / "none.txt", kCannotOpen},
        {dir / "bad.csv", "This file is not a channel list exported as CSV.\n"},
    };
    for (const auto& c : cases) {
        const CliResult r = OrderOf(file, c.reference);
        EXPECT_EQ(r.exit_code, 1) << c.reference;
        EXPECT_EQ(r.err, c.err) << c.reference;
        EXPECT_EQ(ReadBytes(file), ReadBytes(kSample)) << c.reference;
    }
    EXPECT_EQ(OrderOf(dir / "none.sdx", kSample).err, kCannotOpen);
}

}  // namespace
}  // namespace velmora::cli
