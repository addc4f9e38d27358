// The import passes and the command on a database, with pages written to a scratch
// folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "database/Upkeep.h"
#include "import/ListingFileName.h"
#include "import/ListingImport.h"
#include "import/ListingImportCommand.h"
#include "support/ScriptedPrompter.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedFileChooser;
using testing::ScriptedPrompter;

constexpr const char* kFull = "Satellites are full,can't append the satellite";
constexpr const char* kCantOpen = "Can't open file !";
const std::string kDegree = "\xB0";

// One C-band and two Ku-band transponders.
const std::string kPage =
    "<tr><td><A HREF=t>3760</A> R</td><td>27500 -3/4</td></tr>\n"
    "<tr><td>11747 H</td><td>27500 -5/6</td></tr>\n"
    "<tr><td>12015 V</td><td>22000 -2/3</td></tr>\n";

class ListingImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::path(::testing::TempDir()) /
               ("velmora_import_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        ResetToNewDatabase(*db_);
        db_->database_open = true;
        watch.Reset();
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string WritePage(const std::string& name, const std::string& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    void AddSatellites(int n) {
        for (int i = 0; i < n; ++i) db_->satellites[i].set_name("Old " + std::to_string(i));
        db_->set_sat_count(n);
    }

    // `n` transponders of satellite 0 with ids 0..n-1.
    void AddTransponders(int n) {
        AddSatellites(std::max(db_->sat_count(), 1));
        for (int i = 0; i < n; ++i) {
            db_->transponders[i] = Transponder{};
            db_->transponders[i].set_frequency(10000 + i);
            db_->transponders[i].set_tp_id(i);
        }
        db_->set_tp_count(n);
    }

    fs::path dir_;
    std::unique_ptr<Database> db_ = std::make_unique<Database>();
    testing::ChangeWatch watch{*db_};
    ScriptedPrompter prompter_;
};

TEST_F(ListingImportTest, PageGivesCAndKuSatellitesWithTheirTransponders) {
    const std::string path = WritePage("Alpha 6 at 13.0" + kDegree + "E.htm", kPage);
    const ImportResult result = ImportListingPage(*db_, path, prompter_);

    EXPECT_EQ(result.new_satellites, (std::vector<int>{0, 1}));
    EXPECT_EQ(result.transponders_added, 3);
    ASSERT_EQ(db_->sat_count(), 2);
    EXPECT_EQ(db_->satellites[0].name(), "C_Alpha 6");
    EXPECT_EQ(db_->satellites[1].name(), "Ku_Alpha 6");
    EXPECT_EQ(db_->satellites[0].angle(), 130);
    EXPECT_EQ(db_->satellites[1].angle(), 130);

    ASSERT_EQ(db_->tp_count(), 3);
    const Transponder& c = db_->transponders[0];
    EXPECT_EQ(c.frequency(), 3760);
    EXPECT_EQ(c.symbol_rate(), 27500);
    EXPECT_EQ(c.tp_flags(), 3 << 2 | 1);
    EXPECT_EQ(c.satellite(), 0);
    EXPECT_EQ(c.tp_id(), 0);
    const Transponder& ku = db_->transponders[2];
    EXPECT_EQ(ku.frequency(), 12015);
    EXPECT_EQ(ku.tp_flags(), 2 << 2 | 1);
    EXPECT_EQ(ku.satellite(), 1);
    EXPECT_EQ(ku.tp_id(), 2);
    EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(ListingImportTest, KuOnlyPageStillCreatesCSatellite) {
    const std::string path = WritePage("Beta at 1E.htm", "11747 H< 27500 -5/6");
    const ImportResult result = ImportListingPage(*db_, path, prompter_);
    ASSERT_EQ(db_->sat_count(), 2);
    EXPECT_EQ(db_->satellites[0].name(), "C_Beta");
    EXPECT_EQ(db_->tp_count(), 1);
    EXPECT_EQ(db_->transponders[0].satellite(), 1);
    EXPECT_EQ(result.transponders_added, 1);
}

TEST_F(ListingImportTest, SixtyTwoSatellitesGiveCButNotKu) {
    AddSatellites(62);
    const std::string path = WritePage("Beta at 1E.htm", kPage);
    const ImportResult result = ImportListingPage(*db_, path, prompter_);
    EXPECT_EQ(result.new_satellites, std::vector<int>{62});
    EXPECT_EQ(db_->sat_count(), 63);
    EXPECT_EQ(db_->satellites[62].name(), "C_Beta");
    EXPECT_EQ(db_->tp_count(), 1);
    EXPECT_EQ(prompter_.texts(), std::vector<std::string>{kFull});
    EXPECT_EQ(prompter_.shown[0].caption, "Velmora");
}

TEST_F(ListingImportTest, SixtyThreeSatellitesChangeNothing) {
    AddSatellites(63);
    const std::string path = WritePage("Beta at 1E.htm", kPage);
    const ImportResult result = ImportListingPage(*db_, path, prompter_);
    EXPECT_TRUE(result.new_satellites.empty());
    EXPECT_EQ(db_->sat_count(), 63);
    EXPECT_EQ(db_->tp_count(), 0);
    EXPECT_EQ(prompter_.texts(), (std::vector<std::string>{kFull, kFull}));
}

TEST_F(ListingImportTest, UnreadableFileIsReportedByEachPass) {
    for (const std::string& path : {(dir_ / "missing at 1E.htm").string(), dir_.string()}) {
        prompter_.shown.clear();
        const ImportResult result = ImportListingPage(*db_, path, prompter_);
        EXPECT_TRUE(result.new_satellites.empty()) << path;
        EXPECT_EQ(prompter_.texts(), (std::vector<std::string>{kCantOpen, kCantOpen})) << path;
        EXPECT_EQ(prompter_.shown[0].icon, Icon::Error);
    }
    EXPECT_EQ(db_->sat_count(), 0);
}

TEST_F(ListingImportTest, NameWithoutAtCreatesNothingSilently) {
    for (const char* name : {"Gamma 13E.htm", " at 13E.htm"}) {
        const ImportResult result = ImportListingPage(*db_, WritePage(name, kPage), prompter_);
        EXPECT_TRUE(result.new_satellites.empty()) << name;
    }
    EXPECT_EQ(db_->sat_count(), 0);
    EXPECT_EQ(db_->tp_count(), 0);
    EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(ListingImportTest, NewRowsTakeLowestFreeIds) {
    AddTransponders(4);
    db_->transponders[2] = db_->transponders[3];  // ids 0, 1, 3
    db_->set_tp_count(3);
    ImportListingPage(*db_, WritePage("Beta at 1E.htm", kPage), prompter_);
    ASSERT_EQ(db_->tp_count(), 6);
    EXPECT_EQ(db_->transponders[3].tp_id(), 2);
    EXPECT_EQ(db_->transponders[4].tp_id(), 4);
    EXPECT_EQ(db_->transponders[5].tp_id(), 5);
}

TEST_F(ListingImportTest, IdsOf2000AndAboveAreNoObstacle) {
    AddTransponders(3);
    db_->transponders[0].set_tp_id(2000);
    db_->transponders[1].set_tp_id(65535);
    db_->transponders[2].set_tp_id(0);
    ImportListingPage(*db_, WritePage("Beta at 1E.htm", kPage), prompter_);
    ASSERT_EQ(db_->tp_count(), 6);
    EXPECT_EQ(db_->transponders[3].tp_id(), 1);
    EXPECT_EQ(db_->transponders[4].tp_id(), 2);
    EXPECT_EQ(db_->transponders[5].tp_id(), 3);
}

TEST_F(ListingImportTest, TableAt1999TakesOneMoreAndDropsTheRest) {
    AddTransponders(1999);
    const ImportResult result =
        ImportListingPage(*db_, WritePage("Beta at 1E.htm", kPage), prompter_);
    EXPECT_EQ(db_->tp_count(), 2000);
    EXPECT_EQ(db_->transponders[1999].frequency(), 3760);
    EXPECT_EQ(db_->transponders[1999].tp_id(), 1999);
    EXPECT_EQ(result.transponders_added, 1);
    EXPECT_EQ(result.transponders_dropped, 2);
    EXPECT_EQ(db_->sat_count(), 3);
    EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(ListingImportTest, FullTableKeepsTheSatellites) {
    AddTransponders(2000);
    const ImportResult result =
        ImportListingPage(*db_, WritePage("Beta at 1E.htm", kPage), prompter_);
    EXPECT_EQ(db_->tp_count(), 2000);
    EXPECT_EQ(result.new_satellites, (std::vector<int>{1, 2}));
    EXPECT_EQ(result.transponders_dropped, 3);
    EXPECT_EQ(db_->transponders[1999].frequency(), 10000 + 1999);
}

TEST_F(ListingImportTest, NewRowsOverwriteLeftoversWithZeros) {
    // After an Open the free slots hold 0xFF bytes.
    for (auto& tp : db_->transponders) tp.bytes.fill(0xFF);
    for (auto& sat : db_->satellites) sat.bytes.fill(0xFF);
    ImportListingPage(*db_, WritePage("Beta at 1E.htm", kPage), prompter_);
    const Transponder& tp = db_->transponders[0];
    for (int i = 6; i <= 9; ++i) EXPECT_EQ(tp.bytes[i], 0) << "byte " << i;
    EXPECT_EQ(tp.tp_flags() & 0xE2, 0);
    const Satellite& sat = db_->satellites[0];
    EXPECT_EQ(sat.bytes[15], 0);
    EXPECT_EQ(sat.bytes[22], 0);
    EXPECT_EQ(sat.bytes[23], 0);
    EXPECT_EQ(sat.sat_flags(), 2u);
}

TEST_F(ListingImportTest, Utf8FileNameGivesLatin1Name) {
    ImportListingPage(*db_, WritePage("T\u00FCrksat at 42.0\u00B0W.htm", kPage), prompter_);
    EXPECT_EQ(db_->satellites[0].name(), "C_T\xFCrksat");
    EXPECT_EQ(db_->satellites[0].angle(), 420);
    EXPECT_EQ(db_->satellites[0].west(), 1u);
}

TEST_F(ListingImportTest, EmptyAndBinaryPagesGiveBareSatellites) {
    ImportListingPage(*db_, WritePage("Empty at 1E.htm", ""), prompter_);
    std::mt19937 rng(3);
    std::string binary(1 << 20, '\0');
    for (char& b : binary) b = static_cast<char>(rng());
    ImportListingPage(*db_, WritePage("Noise at 1E.htm", binary), prompter_);
    EXPECT_EQ(db_->sat_count(), 4);
    for (int i = 0; i < db_->tp_count(); ++i) {
        EXPECT_GE(db_->transponders[i].satellite(), 2);  // nothing from the empty page
    }
}

TEST_F(ListingImportTest, ManyMatchesFillTheTableExactly) {
    std::string page;
    for (int i = 0; i < 1500; ++i) page += "3760</A> H< 27500 -3/4 11747 V< 22000 -5/6\n";
    const ImportResult result =
        ImportListingPage(*db_, WritePage("Big at 1E.htm", page), prompter_);
    EXPECT_EQ(db_->tp_count(), 2000);
    EXPECT_EQ(result.transponders_added, 2000);
    EXPECT_EQ(result.transponders_dropped, 1000);
    EXPECT_EQ(db_->LowestFreeTpId(), 2000);
    EXPECT_EQ(db_->transponders[1500].satellite(), 1);
}

TEST_F(ListingImportTest, SamplePageImportsItsTransponders) {
    const fs::path sample = fs::path(VELMORA_SOURCE_DIR) / "examples" / "sample-listing.htm";
    const fs::path copy = dir_ / "Example Sat 1 at 19.2\u00B0E.htm";
    ASSERT_TRUE(fs::copy_file(sample, copy));
    const ImportResult result = ImportListingPage(*db_, copy.string(), prompter_);
    ASSERT_EQ(result.new_satellites, (std::vector<int>{0, 1}));
    EXPECT_EQ(db_->satellites[0].name(), "C_Example Sat 1");
    EXPECT_EQ(db_->satellites[1].name(), "Ku_Example Sat ");
    EXPECT_EQ(db_->satellites[1].angle(), 192);
    EXPECT_EQ(db_->satellites[1].west(), 0u);
    EXPECT_EQ(db_->tp_count(), 11);
    int c_band = 0;
    for (int i = 0; i < db_->tp_count(); ++i) c_band += db_->transponders[i].satellite() == 0;
    EXPECT_EQ(c_band, 4);
}

TEST_F(ListingImportTest, PassOnPathReadsTheFile) {
    const std::string path = WritePage("Beta at 1E.htm", kPage);
    EXPECT_TRUE(ImportListingPass(*db_, path, Band::Ku, prompter_));
    EXPECT_EQ(db_->satellites[0].name(), "Ku_Beta");
    EXPECT_EQ(db_->tp_count(), 2);
    EXPECT_FALSE(ImportListingPass(*db_, dir_.string() + "/none at 1E.htm", Band::C, prompter_));
}

TEST_F(ListingImportTest, CommandAsksForPageWithTitleAndFilter) {
    ScriptedFileChooser files;
    files.answers.push_back(std::nullopt);
    const ImportResult result = RunListingImportCommand(*db_, files, prompter_);
    ASSERT_EQ(files.asked.size(), 1u);
    EXPECT_FALSE(files.asked[0].save);
    EXPECT_EQ(files.asked[0].title,
              "Select saved html file from " + std::string(kListingSiteHost) + " ");
    EXPECT_EQ(files.asked[0].filter, "HTM Files (*.htm)|*.htm|All Files (*.*)|*.*||");
    // Cancel changes nothing.
    EXPECT_TRUE(result.new_satellites.empty());
    EXPECT_EQ(db_->sat_count(), 0);
    EXPECT_FALSE(watch.changed());
}

TEST_F(ListingImportTest, CommandMarksModifiedOnlyWhenSatelliteAdded) {
    ScriptedFileChooser files;
    files.answers.push_back(WritePage("Gamma 13E.htm", kPage));
    RunListingImportCommand(*db_, files, prompter_);
    EXPECT_FALSE(watch.changed());

    files.answers.push_back(WritePage("Gamma at 13E.htm", ""));
    const ImportResult result = RunListingImportCommand(*db_, files, prompter_);
    EXPECT_EQ(result.new_satellites, (std::vector<int>{0, 1}));
    EXPECT_TRUE(watch.changed());
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// The passes stay silent about a page named without " at"; the command says what name
// it expects, once, and only then.
TEST_F(ListingImportTest, CommandSaysWhatNameItExpectsWhenTheNameHasNoAt) {
    ScriptedFileChooser files;
    for (const char* name : {"Gamma 13E.htm", " at 13E.htm"}) {
        prompter_.shown.clear();
        files.answers.push_back(WritePage(name, kPage));
        RunListingImportCommand(*db_, files, prompter_);
        ASSERT_EQ(prompter_.texts(), std::vector<std::string>{std::string(kListingNameHint)})
            << name;
    }
    EXPECT_NE(std::string(kListingNameHint)
                  .find("Example Sat 1 at 19.2\xB0"
                        "E.htm"),
              std::string::npos);
    EXPECT_EQ(db_->sat_count(), 0);

    prompter_.shown.clear();
    files.answers.push_back(WritePage("Gamma at 13E.htm", ""));
    RunListingImportCommand(*db_, files, prompter_);
    EXPECT_TRUE(prompter_.shown.empty());
}

}  // namespace
}  // namespace velmora
