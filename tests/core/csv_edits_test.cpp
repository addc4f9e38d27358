// Spreadsheet edits brought back: what a row may change, how the tables follow the rows'
// order, and the refusals that leave every byte as it was.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "database/Upkeep.h"
#include "exchange/ChannelCsv.h"
#include "exchange/CsvEdits.h"
#include "exchange/CsvText.h"
#include "tests/core/TestDatabases.h"
#include "tests/core/csv_edit_support.h"
#include "tests/support/SampleDatabase.h"

namespace velmora {
namespace {

using testing::EditedCsv;
using testing::Rows;

class CsvEdits : public ::testing::Test {
protected:
    void SetUp() override {
        db = std::make_unique<Database>();
        testing::FillSampleDatabase(*db);
        before = testing::Snapshot(*db);
    }
    void ExpectRefused(const std::string& text, const std::string& refusal) {
        const CsvEditsResult r = ApplyCsvEdits(*db, text);
        EXPECT_EQ(r.refusal, refusal);
        EXPECT_FALSE(r.changed);
        EXPECT_TRUE(testing::Snapshot(*db) == before) << "a refused file changed the tables";
    }
    std::unique_ptr<Database> db;
    std::vector<uint8_t> before;
};

TEST_F(CsvEdits, UnchangedExportChangesNoByte) {
    const CsvEditsResult r = ApplyCsvEdits(*db, ChannelsCsv(*db, ChannelTables::Both, true));
    EXPECT_FALSE(r.refusal) << *r.refusal;
    EXPECT_FALSE(r.changed);
    EXPECT_TRUE(testing::Snapshot(*db) == before);
}

TEST_F(CsvEdits, OneChangedNameChangesOnlyThatName) {
    const std::string csv = EditedCsv(*db, [](Rows& rows) { rows[3][kCsvName] = "Renamed"; });
    const CsvEditsResult r = ApplyCsvEdits(*db, csv);
    ASSERT_FALSE(r.refusal) << *r.refusal;
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(db->tv[2].name(), "Renamed");
    auto restored = std::make_unique<Database>();
    testing::FillSampleDatabase(*restored);
    db->tv[2].set_name(restored->tv[2].name());
    EXPECT_TRUE(testing::Snapshot(*db) == before) << "something besides the name changed";
}

TEST_F(CsvEdits, ReversedTvRowsReverseTheTvTable) {
    const std::string csv = EditedCsv(*db, [this](Rows& rows) {
        std::reverse(rows.begin() + 1, rows.begin() + 1 + db->tv_count());
    });
    auto expected = std::make_unique<Database>();
    testing::FillSampleDatabase(*expected);
    std::reverse(expected->tv.begin(), expected->tv.begin() + db->tv_count());
    ASSERT_FALSE(ApplyCsvEdits(*db, csv).refusal);
    EXPECT_TRUE(testing::Snapshot(*db) == testing::Snapshot(*expected));
}

TEST_F(CsvEdits, ChannelsWithoutARowFollowInTheirOrder) {
    // Rows for TV channels 5 and 2 only (positions 4 and 1), nothing for radio.
    const std::string csv = EditedCsv(*db, [](Rows& rows) { rows = {rows[0], rows[5], rows[2]}; });
    const Channel fifth = db->tv[4], second = db->tv[1], first = db->tv[0], third = db->tv[2];
    const Channel radio_first = db->radio[0];
    ASSERT_FALSE(ApplyCsvEdits(*db, csv).refusal);
    EXPECT_EQ(db->tv[0].bytes, fifth.bytes);
    EXPECT_EQ(db->tv[1].bytes, second.bytes);
    EXPECT_EQ(db->tv[2].bytes, first.bytes);
    EXPECT_EQ(db->tv[3].bytes, third.bytes);
    EXPECT_EQ(db->radio[0].bytes, radio_first.bytes);
}

TEST_F(CsvEdits, FieldsAreStoredAsTheChannelDialogStoresThem) {
    const std::string csv = EditedCsv(*db, [](Rows& rows) {
        auto& r = rows[1];
        r[kCsvName] = "A\tB\xC3\xBC\xE2\x82\xAC, \"C\"";  // tab filtered, euro dropped
        r[kCsvVideoPid] = "8191";
        r[kCsvPcrPid] = " 300 ";
        r[kCsvTtxPid] = "+301";
        r[kCsvScrambled] = "1";
        r[kCsvLocked] = "1";
        r[kCsvSatellite] = "ignored";
        r[kCsvFrequency] = "1";
        r[kCsvAudioPid] = "7";
    });
    const Channel old = db->tv[0];
    ASSERT_FALSE(ApplyCsvEdits(*db, csv).refusal);
    const Channel& ch = db->tv[0];
    EXPECT_EQ(ch.name(), "AB\xFC, \"C\"");
    EXPECT_EQ(ch.video_pid(), 8191);
    EXPECT_EQ(ch.radio_flag(), 1u) << "as OK sets it for video PID 8191";
    EXPECT_EQ(ch.pcr_pid(), 300);
    EXPECT_EQ(ch.ttx_pid(), 301);
    EXPECT_EQ(ch.fta(), 0u);
    EXPECT_EQ(ch.locked(), 1u);
    EXPECT_EQ(ch.first_audio_pid(), old.first_audio_pid()) << "audio_pid is only read";
    EXPECT_EQ(ch.tp_id(), old.tp_id());
}

TEST_F(CsvEdits, FavouriteGroupsFollowTheMarks) {
    const Channel ch = db->tv[0];
    const int set_group = ch.fav(0) ? 1 : 0;  // a group ch is in or not, whichever fits
    int cleared = -1;
    for (int g = 0; g < 8; ++g)
        if (ch.fav(g)) cleared = g;
    const std::string csv = EditedCsv(*db, [&](Rows& rows) {
        rows[1][kCsvFav1 + set_group] = "1";
        if (cleared >= 0 && cleared != set_group) rows[1][kCsvFav1 + cleared] = "0";
    });
    ASSERT_FALSE(ApplyCsvEdits(*db, csv).refusal);
    EXPECT_TRUE(db->tv[0].fav(set_group));
    EXPECT_GE(FindFavouriteKey(*db, set_group, ch.key(), false), 0);
    if (cleared >= 0 && cleared != set_group) {
        EXPECT_FALSE(db->tv[0].fav(cleared));
        EXPECT_EQ(FindFavouriteKey(*db, cleared, ch.key(), false), kCannotDo);
    }
    // The groups are what a rebuild from the marks gives, in the same members.
    for (int g = 0; g < 8; ++g) {
        int marked = 0;
        for (int i = 0; i < db->tv_count(); ++i) marked += db->tv[i].fav(g);
        EXPECT_EQ(db->favourites.tv_key_count(g), marked) << "group " << g;
    }
}

TEST_F(CsvEdits, NamesWithQuotesCommasAndLatin1LettersRoundTrip) {
    db->tv[0].set_name("A, \"B\" \xC4\xD6\xDC\xDF");
    db->radio[0].set_name("\xB0Radio;x'y");
    before = testing::Snapshot(*db);
    const CsvEditsResult r = ApplyCsvEdits(*db, ChannelsCsv(*db, ChannelTables::Both));
    EXPECT_FALSE(r.refusal) << *r.refusal;
    EXPECT_TRUE(testing::Snapshot(*db) == before);
}

TEST_F(CsvEdits, RefusedFilesChangeNothing) {
    const Channel first = db->tv[0], second = db->tv[1], thirty_first = db->tv[30];
    const Channel radio = db->radio[0];
    struct Case {
        const char* fault;
        std::function<void(Rows&)> edit;
        std::string refusal;
    };
    const std::string no_channel = "line 3, column service_number: No TV channel has tp_id " +
                                   std::to_string(second.tp_id()) + " and service_number 9999.";
    const Case cases[] = {
        {"video PID out of range", [](Rows& r) { r[14][kCsvVideoPid] = "9000"; },
         "line 15, column video_pid: Please enter an integer between 1 and 8191."},
        {"PCR PID not a number", [](Rows& r) { r[2][kCsvPcrPid] = "abc"; },
         "line 3, column pcr_pid: Please enter an integer."},
        {"numbers before ranges", [](Rows& r) { r[2][kCsvPcrPid] = "0", r[2][kCsvVideoPid] = "x"; },
         "line 3, column video_pid: Please enter an integer."},
        {"name too long", [](Rows& r) { r[2][kCsvName] = "Sixteen letters!"; },
         "line 3, column name: Please enter no more than 15 characters."},
        {"name not UTF-8",
         [](Rows& r) {
             r[2][kCsvName] =
                 "S\xFC"
                 "d";
         },
         "line 3, column name: The name is not UTF-8 text; save the file as CSV in UTF-8."},
        {"name of characters a channel name cannot hold",
         [](Rows& r) { r[2][kCsvName] = "\xF0\x9F\x93\xBA\xF0\x9F\x8E\xAC"; },
         "line 3, column name: No character of the name fits a channel name (ISO-8859-1): the "
         "name would be empty."},
        {"flag not 0 or 1", [](Rows& r) { r[2][kCsvFav1 + 7] = "yes"; },
         "line 3, column fav8: Please enter 1 or 0."},
        {"radio video PID", [this](Rows& r) { r[1 + db->tv_count()][kCsvVideoPid] = "100"; },
         "line 152, column video_pid: The video PID of a radio channel cannot be changed."},
        {"no such channel", [](Rows& r) { r[2][kCsvServiceNumber] = "9999"; }, no_channel},
        {"wrong table", [](Rows& r) { r[31][kCsvTable] = "radio"; },
         "line 32, column service_number: No radio channel has tp_id " +
             std::to_string(thirty_first.tp_id()) + " and service_number " +
             std::to_string(thirty_first.service_number()) + "."},
        {"channel twice", [](Rows& r) { r.push_back(r[1]); },
         "line 182, column service_number: The channel with tp_id " +
             std::to_string(first.tp_id()) + " and service_number " +
             std::to_string(first.service_number()) + " is already on line 2."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        // A good edit earlier in the file must not survive the refusal either.
        ExpectRefused(EditedCsv(*db,
                                [&](Rows& r) {
                                    r[1][kCsvName] = "Changed";
                                    std::swap(r[3], r[4]);
                                    c.edit(r);
                                }),
                      c.refusal);
    }
    EXPECT_EQ(radio.bytes, db->radio[0].bytes);
}

TEST_F(CsvEdits, UnchangedPidsOutsideTheDialogRangeAreKept) {
    db->tv[5].set_pcr_pid(0);
    db->tv[5].set_ttx_pid(9000);
    before = testing::Snapshot(*db);
    const std::string csv = EditedCsv(*db, [](Rows& r) { r[6][kCsvName] = "Still 0"; });
    ASSERT_FALSE(ApplyCsvEdits(*db, csv).refusal);
    EXPECT_EQ(db->tv[5].pcr_pid(), 0);
    EXPECT_EQ(db->tv[5].ttx_pid(), 9000);
    EXPECT_EQ(db->tv[5].name(), "Still 0");
}

TEST_F(CsvEdits, AKeyHeldByMoreThanOneChannelIsRefusedNamingLineAndKey) {
    // Matching rows to such channels by their order would swap their contents when the
    // rows are sorted.
    const struct {
        bool radio;
        int twin_of, twin_at;  // positions in the table
    } cases[] = {{false, 3, 7}, {true, 0, 2}};
    for (const auto& c : cases) {
        SetUp();
        auto& table = db->channels(c.radio);
        table[c.twin_at] = table[c.twin_of];
        table[c.twin_at].set_name("Twin");
        before = testing::Snapshot(*db);
        const Channel& twin = table[c.twin_at];
        const int line = 2 + (c.radio ? db->tv_count() : 0) + c.twin_of;
        ExpectRefused(ChannelsCsv(*db, ChannelTables::Both),
                      "line " + std::to_string(line) + ", column service_number: More than one " +
                          (c.radio ? "radio" : "TV") + " channel has tp_id " +
                          std::to_string(twin.tp_id()) + " and service_number " +
                          std::to_string(twin.service_number()) +
                          ", so the row could change either. \"Check Database...\" (Tools menu) "
                          "mends key collisions; apply the file after it.");
    }
}

TEST_F(CsvEdits, AFullFavouriteGroupRefusesTheNewMark) {
    // Group 7 holds 200 keys: every TV channel without mark 7 is marked in the records
    // of a rebuilt database, so the first unmarked one cannot join.
    auto big = std::make_unique<Database>();
    testing::FillSampleDatabase(*big, {4, 40, 250, 0});
    for (int i = 0; i < 200; ++i) big->tv[i].set_fav(7, true);
    for (int i = 200; i < 250; ++i) big->tv[i].set_fav(7, false);
    for (int g = 0; g < 8; ++g) big->favourites.set_tv_key_count(g, 0);
    RebuildFavouriteGroups(*big);
    const auto snapshot = testing::Snapshot(*big);
    const std::string csv = EditedCsv(*big, [](Rows& r) { r[201][kCsvFav1 + 7] = "1"; });
    EXPECT_EQ(ApplyCsvEdits(*big, csv).refusal,
              "line 202, column fav8: Favor are full,can not store more favor");
    EXPECT_TRUE(testing::Snapshot(*big) == snapshot);
    // Clearing a mark in the same file makes room.
    const std::string freed = EditedCsv(*big, [](Rows& r) {
        r[201][kCsvFav1 + 7] = "1";
        r[1][kCsvFav1 + 7] = "0";
    });
    EXPECT_FALSE(ApplyCsvEdits(*big, freed).refusal);
    EXPECT_TRUE(big->tv[200].fav(7));
}

}  // namespace
}  // namespace velmora
