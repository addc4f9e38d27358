// What applying a spreadsheet's file tells: the counts of renamed, moved and otherwise
// changed channels, and the names a spreadsheet converted.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "exchange/ChannelCsv.h"
#include "exchange/CsvEdits.h"
#include "exchange/SpreadsheetNames.h"
#include "tests/core/TestDatabases.h"
#include "tests/core/csv_edit_support.h"

namespace velmora {
namespace {

using testing::EditedCsv;
using testing::Rows;
constexpr int kTv = 50;

// 50 TV channels and 3 radio channels on one transponder.
std::unique_ptr<Database> FiftyChannels() {
    auto db = testing::NewDatabase();
    db->set_sat_count(1);
    testing::AppendTransponder(*db, testing::MakeTransponder(11000, 0, 0));
    for (int i = 0; i < kTv + 3; ++i) {
        Channel ch = testing::MakeChannel({.name = "Channel " + std::to_string(i + 1),
                                           .tp_id = 0,
                                           .service = static_cast<uint16_t>(i + 1)});
        if (i >= kTv) {
            ch.set_video_pid(8191);
            ch.set_radio_flag(1);
        }
        testing::AppendChannel(*db, i >= kTv, ch);
    }
    return db;
}

// Rows 1..50 are the TV channels, 51..53 the radio channels.
void Drag(Rows& rows, int from, int to) {
    auto row = rows[from];
    rows.erase(rows.begin() + from);
    rows.insert(rows.begin() + to, row);
}

TEST(CsvEditsSummary, CountsRenamedFewestMovedAndOtherwiseChangedChannels) {
    struct Case {
        const char* what;
        std::function<void(Rows&)> edit;
        CsvEditsSummary expected;
    };
    const std::vector<Case> cases = {
        {"nothing", [](Rows&) {}, {0, 0, 0, 0}},
        {"one dragged from the top to row 40", [](Rows& r) { Drag(r, 1, 40); }, {0, 1, 0, 0}},
        {"one dragged from row 40 to the top", [](Rows& r) { Drag(r, 40, 1); }, {0, 1, 0, 0}},
        {"two swapped", [](Rows& r) { std::swap(r[3], r[7]); }, {0, 2, 0, 0}},
        {"TV reversed",
         [](Rows& r) { std::reverse(r.begin() + 1, r.begin() + 1 + kTv); },
         {0, kTv - 1, 0, 0}},
        {"each table moved on its own",
         [](Rows& r) {
             Drag(r, 1, 10);
             Drag(r, 53, 51);
         },
         {0, 2, 0, 0}},
        {"a TV row left out keeps its place after the listed ones",
         [](Rows& r) { r.erase(r.begin() + 50); },
         {0, 0, 0, 0}},
        {"renamed", [](Rows& r) { r[2][kCsvName] = "New"; }, {1, 0, 0, 0}},
        {"renamed and moved count in both",
         [](Rows& r) {
             r[1][kCsvName] = "New";
             Drag(r, 1, 30);
         },
         {1, 1, 0, 0}},
        {"flags alone",
         [](Rows& r) {
             r[5][kCsvLocked] = "1";
             r[52][kCsvFav1] = "1";
         },
         {0, 0, 2, 0}},
        {"a renamed channel's flags are no other change",
         [](Rows& r) {
             r[5][kCsvName] = "New";
             r[5][kCsvScrambled] = "1";
         },
         {1, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const auto db = FiftyChannels();
        const CsvEditsResult r = ApplyCsvEdits(*db, EditedCsv(*db, c.edit));
        ASSERT_FALSE(r.refusal) << c.what << ": " << *r.refusal;
        EXPECT_EQ(r.summary.renamed, c.expected.renamed) << c.what;
        EXPECT_EQ(r.summary.moved, c.expected.moved) << c.what;
        EXPECT_EQ(r.summary.other, c.expected.other) << c.what;
    }
    CsvEditsSummary s{1, 2, 3, 0};
    EXPECT_EQ(SummaryLine(s), "1 channels renamed, 2 moved, 3 with other changes");
}

TEST(CsvEditsSummary, NamesThatLookConvertedAreCountedAndListedFirst) {
    const auto db = FiftyChannels();
    db->tv[9].set_name("007");
    db->tv[19].set_name("3/4");
    const CsvEditsResult r = ApplyCsvEdits(*db, EditedCsv(*db, [](Rows& rows) {
        rows[2][kCsvName] = "Renamed";
        rows[10][kCsvName] = "7";
        rows[20][kCsvName] = "03.Apr";
    }));
    ASSERT_FALSE(r.refusal);
    EXPECT_EQ(r.summary.renamed, 3);
    EXPECT_EQ(r.summary.looks_converted, 2);
    ASSERT_EQ(r.changes.size(), 3u);
    EXPECT_EQ(r.changes[0].old_name, "007");
    EXPECT_EQ(r.changes[0].name, "7");
    EXPECT_TRUE(r.changes[1].looks_converted);
    EXPECT_FALSE(r.changes[2].looks_converted);
    EXPECT_EQ(db->tv[9].name(), "7") << "a warning, not a refusal";
    EXPECT_EQ(ConvertedNamesLine(2), "2 names look converted by a spreadsheet");
}

TEST(SpreadsheetNames, TellsWhatASpreadsheetMakesOfANameFromAUsersRename) {
    struct Case {
        const char* old_name;
        const char* new_name;
        bool converted;
    };
    const Case cases[] = {
        {"007", "7", true},
        {"0049", "49", true},
        {"1E5", "1.00E+05", true},
        {"1E5", "1,00E+05", true},
        {"123456789012", "1.23457E+11", true},
        {"1.50", "1.5", true},
        {"=1+1", "2", true},
        {"=A1", "#NAME?", true},
        {"3/4", "03.Apr", true},
        {"3/4", "2026-04-03", true},
        {"3/4", "4/3/2026", true},
        {"3/4", "46115", true},
        {"1-2", "2. Jan", true},
        {"3.4.", "03.04.2026", true},
        {"24.12.", "24. Dez", true},
        {"Das Erste", "Das Erste HD", false},
        {"ProSieben", "Pro7", false},
        {"7", "7", false},
        {"RTL 2", "RTL II", false},
        {"3sat", "3sat HD", false},
        {"3/4", "3/4 HD", false},
        {"100", "101", false},
        {"1-2-3 TV", "123 TV", false},
        {"Sky", "2026-04-03", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LooksConvertedBySpreadsheet(c.old_name, c.new_name), c.converted)
            << c.old_name << " -> " << c.new_name;
    }
}

}  // namespace
}  // namespace velmora
