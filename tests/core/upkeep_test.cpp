// The operations that keep favourite groups, channels and transponders consistent.

#include "database/Upkeep.h"

#include <gtest/gtest.h>

#include "database/NameLists.h"
#include "database/SdxFile.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

using testing::AppendChannel;
using testing::AppendTransponder;
using testing::MakeChannel;
using testing::MakeTransponder;
using testing::NewDatabase;

constexpr bool kTv = false;
constexpr bool kRadio = true;

// Group g holding `tv` TV keys 1.. and `radio` radio keys 1001..
void FillGroup(Database& db, int g, int tv, int radio) {
    for (int i = 0; i < tv; ++i) AddFavouriteKey(db, g, 1 + i, kTv);
    for (int i = 0; i < radio; ++i) AddFavouriteKey(db, g, 1001 + i, kRadio);
}

TEST(FavouriteGroups, BadGroupNumberIsMinusOneForEveryOperation) {
    auto db = NewDatabase();
    for (int g : {-1, 8}) {
        EXPECT_EQ(FindFavouriteKey(*db, g, 1, kTv), kBadGroup);
        EXPECT_EQ(AddFavouriteKey(*db, g, 1, kTv), kBadGroup);
        EXPECT_EQ(RemoveFavouriteKey(*db, g, 1, kTv), kBadGroup);
        EXPECT_EQ(PurgeFavouriteGroup(*db, g, kTv), kBadGroup);
    }
}

TEST(AddFavouriteKey, FullGroupRefusesAndChangesNothing) {
    auto db = NewDatabase();
    FillGroup(*db, 2, 120, 80);
    const auto before = db->favourites.bytes;
    EXPECT_EQ(AddFavouriteKey(*db, 2, 77, kTv), kCannotDo);
    EXPECT_EQ(AddFavouriteKey(*db, 2, 77, kRadio), kCannotDo);
    EXPECT_EQ(db->favourites.bytes, before);
}

TEST(AddFavouriteKey, GroupWith199KeysTakesOneMore) {
    auto db = NewDatabase();
    FillGroup(*db, 0, 150, 49);
    EXPECT_EQ(AddFavouriteKey(*db, 0, 9999, kRadio), 1);
    EXPECT_EQ(db->favourites.slot(0, 199 - 49), 9999u);
    EXPECT_EQ(db->favourites.radio_key_count(0), 50);
    EXPECT_EQ(db->favourites.changed(0), 1);
}

TEST(AddFavouriteKey, AppendsAKeyAlreadyPresent) {
    auto db = NewDatabase();
    AddFavouriteKey(*db, 1, 42, kTv);
    EXPECT_EQ(AddFavouriteKey(*db, 1, 42, kTv), 1);
    EXPECT_EQ(db->favourites.tv_key_count(1), 2);
    EXPECT_EQ(FindFavouriteKey(*db, 1, 42, kTv), 0);
}

TEST(RemoveFavouriteKey, ClosesTheRadioListAndMarksTheFreedSlot) {
    auto db = NewDatabase();
    FillGroup(*db, 4, 197, 0);
    for (uint32_t key : {0xAu, 0xBu, 0xCu}) AddFavouriteKey(*db, 4, key, kRadio);
    const auto tv_before =
        std::vector<uint8_t>(db->favourites.group(4), db->favourites.group(4) + 4 * 197);
    EXPECT_EQ(RemoveFavouriteKey(*db, 4, 0xB, kRadio), 1);
    EXPECT_EQ(db->favourites.slot(4, 199), 0xAu);
    EXPECT_EQ(db->favourites.slot(4, 198), 0xCu);
    EXPECT_EQ(db->favourites.slot(4, 197), 0xFFFFFFFFu);
    EXPECT_EQ(db->favourites.radio_key_count(4), 2);
    EXPECT_EQ(std::vector<uint8_t>(db->favourites.group(4), db->favourites.group(4) + 4 * 197),
              tv_before);
}

TEST(RemoveFavouriteKey, AbsentKeyIsRefusedAndLeavesChangedAlone) {
    auto db = NewDatabase();
    EXPECT_EQ(RemoveFavouriteKey(*db, 3, 5, kTv), kCannotDo);
    EXPECT_EQ(db->favourites.changed(3), 0);
}

TEST(PurgeFavouriteGroup, DropsKeysWithoutAMarkedChannelKeepingOrder) {
    auto db = NewDatabase();
    AppendChannel(*db, kTv,
                  MakeChannel({.name = "A", .tp_id = 0, .service = 1, .fav_marks = 1u << 2}));
    AppendChannel(
        *db, kTv,
        MakeChannel({.name = "B", .tp_id = 0, .service = 2}));  // key present but mark cleared
    AppendChannel(*db, kTv,
                  MakeChannel({.name = "C", .tp_id = 0, .service = 3, .fav_marks = 1u << 2}));
    for (uint16_t s : {3, 2, 9, 1})
        AddFavouriteKey(*db, 2, MakeChannel({.name = "", .tp_id = 0, .service = s}).key(), kTv);
    db->favourites.set_changed(2, 0);
    EXPECT_EQ(PurgeFavouriteGroup(*db, 2, kTv), 2);
    EXPECT_EQ(db->favourites.tv_key_count(2), 2);
    EXPECT_EQ(db->favourites.slot(2, 0), 3u);
    EXPECT_EQ(db->favourites.slot(2, 1), 1u);
    EXPECT_EQ(db->favourites.slot(2, 3), 1u);  // freed slots keep their old values
    EXPECT_EQ(db->favourites.changed(2), 1);
}

TEST(PurgeFavouriteGroup, FullGroupIsPurgedToo) {
    // A full group whose channels were deleted would otherwise keep their keys for good
    // and refuse every new member.
    auto db = NewDatabase();  // no channels at all: every key is stale
    FillGroup(*db, 5, 100, 100);
    EXPECT_EQ(PurgeFavouriteGroup(*db, 5, kTv), 100);
    EXPECT_EQ(db->favourites.tv_key_count(5), 0);
    EXPECT_EQ(db->favourites.radio_key_count(5), 100);
    EXPECT_EQ(PurgeFavouriteGroup(*db, 5, kTv), 0);  // empty list
    EXPECT_EQ(PurgeFavouriteGroup(*db, 5, kRadio), 100);
}

TEST(RebuildFavouriteGroups, ChannelIsListedInEveryGroupItIsMarkedFor) {
    auto db = NewDatabase();
    AppendChannel(
        *db, kTv,
        MakeChannel({.name = "A", .tp_id = 7, .service = 1, .fav_marks = 1u << 0 | 1u << 5}));
    AppendChannel(*db, kRadio,
                  MakeChannel({.name = "R", .tp_id = 7, .service = 2, .fav_marks = 1u << 7}));
    RebuildFavouriteGroups(*db);
    EXPECT_EQ(FindFavouriteKey(*db, 0, db->tv[0].key(), kTv), 0);
    EXPECT_EQ(FindFavouriteKey(*db, 5, db->tv[0].key(), kTv), 0);
    EXPECT_EQ(FindFavouriteKey(*db, 7, db->radio[0].key(), kRadio), 0);
    EXPECT_EQ(db->favourites.changed(1), 0);
    EXPECT_EQ(db->favourites.changed(5), 1);
}

TEST(RebuildFavouriteGroups, TvKeysComeFirstAndStopAt200) {
    auto db = NewDatabase();
    for (int i = 0; i < 250; ++i)
        AppendChannel(*db, kTv,
                      MakeChannel({.name = "T", .tp_id = 0, .service = i, .fav_marks = 1}));
    for (int i = 0; i < 10; ++i)
        AppendChannel(*db, kRadio,
                      MakeChannel({.name = "R", .tp_id = 1, .service = i, .fav_marks = 1 | 2}));
    RebuildFavouriteGroups(*db);
    EXPECT_EQ(db->favourites.tv_key_count(0), 200);
    EXPECT_EQ(db->favourites.slot(0, 199), db->tv[199].key());
    EXPECT_EQ(db->favourites.radio_key_count(0), 0);
    EXPECT_EQ(db->favourites.radio_key_count(1), 10);
}

TEST(CleanChannelNames, DropsControlAndUnlistedHighBytes) {
    auto db = NewDatabase();
    AppendChannel(*db, kRadio,
                  MakeChannel({.name = "\x41\x07\xE9\xB0\x85\x42", .tp_id = 0, .service = 1}));
    CleanChannelNames(*db);
    EXPECT_EQ(db->radio[0].name(), "\x41\xE9\xB0\x42");
}

TEST(CleanChannelNames, FullSixteenByteNameEndsInsideTheField) {
    auto db = NewDatabase();
    Channel ch = MakeChannel({.name = "", .tp_id = 0x0056, .service = 0x1234});
    std::fill_n(ch.name_field(), Channel::kNameSize, uint8_t('Z'));
    AppendChannel(*db, kTv, ch);
    CleanChannelNames(*db);
    EXPECT_EQ(db->tv[0].name(), std::string(15, 'Z'));
    EXPECT_EQ(db->tv[0].service_number(), 0x1234);
    EXPECT_EQ(db->tv[0].tp_id(), 0x0056);
}

TEST(SortSatelliteTransponders, SortsOnlyThePositionsOfThatSatellite) {
    auto db = NewDatabase();
    const int freq[] = {10000, 10100, 12000, 10200, 10300, 11000, 10400, 10500, 10600, 11500};
    for (int i = 0; i < 10; ++i) {
        const bool ours = i == 2 || i == 5 || i == 9;
        AppendTransponder(*db, MakeTransponder(freq[i], ours ? 3 : 1, 100 + i));
    }
    SortSatelliteTransponders(*db, 3);
    EXPECT_EQ(db->transponders[2].frequency(), 11000);
    EXPECT_EQ(db->transponders[2].tp_id(), 105);  // the record moved whole
    EXPECT_EQ(db->transponders[5].frequency(), 11500);
    EXPECT_EQ(db->transponders[9].frequency(), 12000);
    for (int i : {0, 1, 3, 4, 6, 7, 8}) EXPECT_EQ(db->transponders[i].frequency(), freq[i]);
}

TEST(SortSatelliteTransponders, EqualFrequenciesKeepTheirOrder) {
    auto db = NewDatabase();
    for (int i = 0; i < kMaxTransponders; ++i)
        AppendTransponder(*db, MakeTransponder(12000 - (i / 2) % 700, 0, i));
    SortSatelliteTransponders(*db, 0);
    for (int i = 1; i < kMaxTransponders; ++i) {
        const Transponder& a = db->transponders[i - 1];
        const Transponder& b = db->transponders[i];
        ASSERT_LE(a.frequency(), b.frequency());
        if (a.frequency() == b.frequency()) {
            ASSERT_LT(a.tp_id(), b.tp_id());
        }
    }
}

TEST(SortAllSatelliteTransponders, GivesTheOrderOfSortingEachSatelliteInTurn) {
    auto one_by_one = NewDatabase();
    auto all_at_once = NewDatabase();
    uint32_t seed = 7;
    for (int i = 0; i < 600; ++i) {
        seed = seed * 1103515245u + 12345u;
        // Indexes 5..7 and 255 belong to no satellite in use and stay where they are.
        const uint8_t satellite = (seed >> 8) % 9 == 8 ? 255 : (seed >> 8) % 8;
        const Transponder t = MakeTransponder(10000 + (seed >> 16) % 50, satellite, i);
        AppendTransponder(*one_by_one, t);
        AppendTransponder(*all_at_once, t);
    }
    one_by_one->set_sat_count(5);
    all_at_once->set_sat_count(5);
    for (int s = 0; s < 5; ++s) SortSatelliteTransponders(*one_by_one, s);
    SortAllSatelliteTransponders(*all_at_once);
    for (int i = 0; i < 600; ++i)
        ASSERT_EQ(all_at_once->transponders[i].bytes, one_by_one->transponders[i].bytes) << i;
    int moved = 0;
    for (int i = 0; i < 600; ++i) moved += one_by_one->transponders[i].tp_id() != i;
    EXPECT_GT(moved, 0);
}

TEST(DeleteTransponderChannels, DropsBothTablesKeepingOrder) {
    auto db = NewDatabase();
    for (int tp : {7, 3, 7, 4})
        AppendChannel(*db, kTv, MakeChannel({.name = "T", .tp_id = tp, .service = 1}));
    for (int tp : {7, 5})
        AppendChannel(*db, kRadio, MakeChannel({.name = "R", .tp_id = tp, .service = 1}));
    EXPECT_EQ(DeleteTransponderChannels(*db, 7), 3);
    EXPECT_EQ(db->tv_count(), 2);
    EXPECT_EQ(db->tv[0].tp_id(), 3);
    EXPECT_EQ(db->tv[1].tp_id(), 4);
    EXPECT_EQ(db->radio_count(), 1);
    EXPECT_EQ(db->radio[0].tp_id(), 5);
    EXPECT_EQ(DeleteTransponderChannels(*NewDatabase(), 7), 0);
}

TEST(DeleteTransponderAt, ClosesTheGapAndLeavesTheLastSlot) {
    auto db = NewDatabase();
    for (int i = 0; i < 3; ++i) AppendTransponder(*db, MakeTransponder(11000 + i, 0, i));
    EXPECT_EQ(DeleteTransponderAt(*db, 0), 1);
    EXPECT_EQ(db->tp_count(), 2);
    EXPECT_EQ(db->transponders[0].tp_id(), 1);
    EXPECT_EQ(db->transponders[1].tp_id(), 2);
    EXPECT_EQ(db->transponders[2].tp_id(), 2);  // old bytes stay in the freed slot
    EXPECT_EQ(DeleteTransponderAt(*db, 2), 0);
}

TEST(ResetToNewDatabase, GivesDefaultSettingsZeroTablesAndAReopenableHeader) {
    auto db = testing::MakeSmallDatabase();
    ResetToNewDatabase(*db);
    const SettingsBlock& s = db->settings;
    EXPECT_EQ(s.bytes[1], 5);
    EXPECT_EQ(s.bytes[2], 40);
    EXPECT_EQ(s.bytes[4], 38);
    EXPECT_EQ(s.bytes[5], 1);
    EXPECT_EQ(s.password(), "4826");
    EXPECT_EQ(s.bytes[12], 0);
    for (int g = 0; g < 8; ++g) EXPECT_EQ(s.fav_name(g), kDefaultFavouriteNames[g]);
    EXPECT_EQ(db->sat_count() + db->tp_count() + db->tv_count() + db->radio_count(), 0);
    EXPECT_EQ(db->transponders[0].satellite(), 0);
    EXPECT_EQ(db->tv[3].tp_id(), 0);
    EXPECT_EQ(db->header.sat_size(), 28);
    EXPECT_EQ(db->header.fav_a() * db->header.fav_b(), 6464);

    const auto file = WriteDatabase(*db);
    ASSERT_TRUE(file);
    auto other = std::make_unique<Database>();
    EXPECT_TRUE(ReadDatabase(*other, *file));
}

}  // namespace
}  // namespace velmora
