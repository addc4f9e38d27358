// Apply Order: paired channels first in the reference's order, the rest after them in
// their old order; the reference as a database, a channel export CSV or a name list.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "compare/ApplyOrder.h"
#include "compare/NameList.h"
#include "compare/OrderReference.h"
#include "support/SampleDatabase.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

std::vector<std::string> Names(const Database& db, bool radio) {
    std::vector<std::string> names;
    for (int i = 0; i < db.channel_count(radio); ++i) names.push_back(db.channels(radio)[i].name());
    return names;
}

void Shuffle(Database& db, bool radio, unsigned seed) {
    std::mt19937 random(seed);
    std::shuffle(db.channels(radio).begin(), db.channels(radio).begin() + db.channel_count(radio),
                 random);
}

TEST(ApplyOrder, AShuffledCopyTakesBackTheOriginalOrderExactly) {
    auto original = std::make_unique<Database>();
    testing::FillSampleDatabase(*original, {8, 200, 1500, 400});
    auto copy = std::make_unique<Database>();
    copy->tables() = original->tables();
    Shuffle(*copy, false, 1);
    Shuffle(*copy, true, 2);
    ASSERT_NE(testing::Snapshot(*copy), testing::Snapshot(*original));

    const OrderCounts counts = ApplyOrder(*copy, *original);
    EXPECT_EQ(testing::Snapshot(*copy), testing::Snapshot(*original));
    EXPECT_EQ(OrderMessage(counts),
              "Ordered 1500 of 1500 TV channels and 400 of 400 radio channels");
}

TEST(ApplyOrder, UnpairedOnBothSidesPairedFirstThenTheRestInOldOrder) {
    auto db = testing::MakeSmallDatabase();
    auto reference = std::make_unique<Database>();
    reference->tables() = db->tables();
    // The reference: Lumen News, a channel this database lacks, Nova One. "Kanal Süd" and
    // "Polar Kids" are not in it.
    reference->tv[0] = db->tv[2];
    reference->tv[1] = testing::MakeChannel({.name = "Elsewhere", .tp_id = 0, .service = 9});
    reference->tv[1].set_video_pid(999);
    reference->tv[2] = db->tv[0];
    reference->set_tv_count(3);
    reference->set_radio_count(0);
    const OrderCounts counts = ApplyOrder(*db, *reference);
    EXPECT_EQ(Names(*db, false), (std::vector<std::string>{"Lumen News", "Nova One",
                                                           "Kanal S\xFC"
                                                           "d",
                                                           "Polar Kids"}));
    EXPECT_EQ(OrderMessage(counts), "Ordered 2 of 4 TV channels and 0 of 1 radio channels");
}

TEST(ApplyOrder, FavouriteGroupsStillNameTheSameChannels) {
    auto db = testing::MakeSmallDatabase();
    const FavouriteGroups before = db->favourites;
    auto reference = std::make_unique<Database>();
    reference->tables() = db->tables();
    std::reverse(reference->tv.begin(), reference->tv.begin() + reference->tv_count());
    ApplyOrder(*db, *reference);
    EXPECT_EQ(db->tv[0].name(), "Polar Kids");
    EXPECT_EQ(db->favourites.bytes, before.bytes);  // records moved whole, keys unchanged
}

TEST(OrderReference, NameListPairsByNameIgnoringCaseInBothTables) {
    auto db = testing::MakeSmallDatabase();
    const OrderReference ref = ReferenceFromNameList(
        "\xEF\xBB\xBFpolar kids\r\n\n  WAVE fm \nKanal S\xC3\xBC"
        "d\nNobody\n");
    ASSERT_TRUE(ref.db);
    const OrderCounts counts = ApplyOrder(*db, *ref.db);
    EXPECT_EQ(Names(*db, false), (std::vector<std::string>{"Polar Kids",
                                                           "Kanal S\xFC"
                                                           "d",
                                                           "Nova One", "Lumen News"}));
    EXPECT_EQ(OrderMessage(counts), "Ordered 2 of 4 TV channels and 1 of 1 radio channels");
}

TEST(OrderReference, NameListSectionsOrderOnlyTheirTable) {
    struct Row {
        const char* list;
        const char* first_tv;
        const char* first_radio;
    };
    // "Polar Kids" is a TV channel; the small database gets a radio channel of that name.
    const Row rows[] = {
        {"Polar Kids\n", "Polar Kids", "Polar Kids"},
        {"[TV]\nPolar Kids\n[Radio]\nWave FM\n", "Polar Kids", "Wave FM"},
        {"[radio]\nPolar Kids\n", "Nova One", "Polar Kids"},
        {"  [Tv] \r\nLumen News\r\n", "Lumen News", "Wave FM"},
        {"[TV]\n", nullptr, nullptr},  // sections without names are an empty list
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.list);
        auto db = testing::MakeSmallDatabase();
        testing::AppendChannel(
            *db, true, testing::MakeChannel({.name = "Polar Kids", .tp_id = 2, .service = 7}));
        const OrderReference ref = ReferenceFromNameList(row.list);
        if (!row.first_tv) {
            EXPECT_EQ(ref.problem, kNoNamesInList);
            continue;
        }
        ASSERT_TRUE(ref.db);
        ApplyOrder(*db, *ref.db);
        EXPECT_EQ(db->tv[0].name(), row.first_tv);
        EXPECT_EQ(db->radio[0].name(), row.first_radio);
    }
}

TEST(OrderReference, AnExportedNameListRestoresTheOrderOfBothTables) {
    auto original = std::make_unique<Database>();
    testing::FillSampleDatabase(*original, {8, 200, 300, 100});
    auto copy = std::make_unique<Database>();
    copy->tables() = original->tables();
    Shuffle(*copy, false, 3);
    Shuffle(*copy, true, 4);
    const OrderReference ref = ReferenceFromNameList(ChannelNameList(*original));
    ASSERT_TRUE(ref.db);
    ApplyOrder(*copy, *ref.db);
    EXPECT_EQ(Names(*copy, false), Names(*original, false));
    EXPECT_EQ(Names(*copy, true), Names(*original, true));
}

TEST(OrderReference, AnEmptyNameListIsRefused) {
    const OrderReference ref = ReferenceFromNameList("\n  \r\n");
    EXPECT_FALSE(ref.db);
    EXPECT_EQ(ref.problem, kNoNamesInList);
}

std::string CsvRow(const std::string& fields) {
    return fields + ",0,0,0,0,0,0,0,0,0,0\r\n";
}

TEST(OrderReference, ExportCsvPairsByTransponderAndPidsNotByTheOtherFilesKeys) {
    auto db = testing::MakeSmallDatabase();
    // Made from another file: its tp_ids (40, 41) mean nothing here. Quoted fields and a
    // UTF-8 name as the export writes them.
    const std::string csv =
        std::string(kChannelExportHeader) + "\r\n" +
        CsvRow("tv,1,Polar Kids,Nordlys 0.8W,0.0W,12100,H,27500,40,4,101,,101,8191") +
        CsvRow(
            "tv,2,\"Kanal S\xC3\xBC"
            "d\",Aurora 19.2E,0.0E,10700,H,27500,41,2,101,,101,8191") +
        CsvRow("radio,1,\"Wave, FM\",,,,,,,5,8191,,101,8191");
    const OrderReference ref = ReferenceFromExportCsv(csv);
    ASSERT_TRUE(ref.db) << ref.problem;
    EXPECT_EQ(ref.db->sat_count(), 2);
    EXPECT_EQ(ref.db->tp_count(), 2);
    ApplyOrder(*db, *ref.db);
    EXPECT_EQ(Names(*db, false), (std::vector<std::string>{"Polar Kids",
                                                           "Kanal S\xFC"
                                                           "d",
                                                           "Nova One", "Lumen News"}));
}

TEST(OrderReference, CsvThatIsNotTheExportIsRefusedWithItsLine) {
    const struct {
        const char* fault;
        std::string text;
        std::string problem;
    } cases[] = {
        {"no header", "tv,1,Nova\n", std::string(kNotChannelExport)},
        {"unclosed quote", std::string(kChannelExportHeader) + "\ntv,1,\"Nova\n",
         "line 2: A quoted field is not closed."},
        {"bad table", std::string(kChannelExportHeader) + "\n" + CsvRow("film,1,X,,,,,,,,,,,"),
         "line 2: the table must be tv or radio"},
        {"short row", std::string(kChannelExportHeader) + "\ntv,1,Nova\n",
         "line 2: expected 14 columns or more"},
    };
    for (const auto& c : cases) {
        const OrderReference ref = ReferenceFromExportCsv(c.text);
        EXPECT_FALSE(ref.db) << c.fault;
        EXPECT_EQ(ref.problem, c.problem) << c.fault;
    }
}

TEST(OrderReference, FileKindFollowsTheName) {
    testing::TempDir dir;
    const auto write = [&](const std::string& name, const std::string& text) {
        testing::WriteBytes(dir / name, std::vector<uint8_t>(text.begin(), text.end()));
        return dir / name;
    };
    EXPECT_EQ(LoadOrderReference(dir / "none.sdx").problem, "Can't not open the file!");
    EXPECT_EQ(LoadOrderReference(write("bad.SDX", "not a database")).problem,
              "This file is not a correct file,please select another!");
    EXPECT_EQ(LoadOrderReference(write("list.csv", "Nova One\n")).problem, kNotChannelExport);
    EXPECT_TRUE(LoadOrderReference(write("list.txt", "Nova One\n")).db);
    EXPECT_EQ(LoadOrderReference(dir / "none.txt").problem, "Can't not open the file!");
}

}  // namespace
}  // namespace velmora
