// The health check and its fixes on small databases: one finding of each kind with its
// positions and its mended result, two kinds on the same records, the favourite groups
// kept in step by every fix, and fixing again changing nothing.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "database/DatabaseFile.h"
#include "health/Findings.h"
#include "health/Fixes.h"
#include "tests/core/TestDatabases.h"
#include "tests/core/channel_fixture.h"

namespace velmora {
namespace {

using testing::Append;
using testing::GroupKeys;
using Kind = FindingKind;
using Table = FindingTable;

// Two satellites, three transponders, three TV channels and one radio channel, in
// favourite groups; no findings.
std::unique_ptr<Database> CleanDatabase() {
    auto db = testing::OpenDatabase();
    testing::AddSatellite(*db, "Aurora");
    testing::AddSatellite(*db, "Nordlys");
    testing::AddTransponder(*db, 0, 0, 11000);
    testing::AddTransponder(*db, 0, 1, 11500);
    testing::AddTransponder(*db, 1, 2, 12000);
    Append(*db, false,
           testing::MakeChannel({.name = "Alpha", .tp_id = 0, .service = 1, .pcr_pid = 100}));
    Append(*db, false,
           testing::MakeChannel({.name = "Beta", .tp_id = 0, .service = 2, .pcr_pid = 100}));
    Append(*db, false,
           testing::MakeChannel({.name = "Gamma", .tp_id = 1, .service = 1, .pcr_pid = 100}));
    Channel wave = testing::MakeChannel({.name = "Wave", .tp_id = 2, .service = 1, .pcr_pid = 100});
    wave.set_video_pid(8191);
    Append(*db, true, wave);
    db->tv[0].set_fav_marks(0b001);
    db->tv[1].set_fav_marks(0b011);
    db->radio[0].set_fav_marks(0b001);
    RebuildFavouriteGroups(*db);
    return db;
}

// Channel or transponder `name`, placed on `tp_id` with `service`.
Channel Named(const std::string& name, int tp_id, int service, uint32_t marks = 0) {
    Channel ch =
        testing::MakeChannel({.name = name, .tp_id = tp_id, .service = service, .pcr_pid = 100});
    ch.set_fav_marks(marks);
    return ch;
}

// Appends a channel the way a file may hold it: marked, with its key in the groups.
void AddMarked(Database& db, bool radio, const Channel& ch) {
    Append(db, radio, ch);
    for (int g = 0; g < FavouriteGroups::kGroups; ++g)
        if (ch.fav(g)) AddFavouriteKey(db, g, ch.key(), radio);
}

// Whether every group lists exactly the keys of the channels marked for it, as many
// times as such channels carry them.
::testing::AssertionResult GroupsInStep(const Database& db) {
    for (int g = 0; g < FavouriteGroups::kGroups; ++g) {
        for (bool radio : {false, true}) {
            std::vector<uint32_t> marked;
            for (int i = 0; i < db.channel_count(radio); ++i)
                if (db.channels(radio)[i].fav(g)) marked.push_back(db.channels(radio)[i].key());
            std::vector<uint32_t> listed = GroupKeys(db, g, radio);
            std::sort(marked.begin(), marked.end());
            std::sort(listed.begin(), listed.end());
            if (marked != listed)
                return ::testing::AssertionFailure()
                       << "group " << g << (radio ? " radio" : " TV") << " out of step";
        }
    }
    return ::testing::AssertionSuccess();
}

struct Expected {
    Kind kind;
    Table table;
    int index;
    std::vector<int> others;
};

struct Case {
    const char* name;
    std::function<void(Database&)> make;
    std::vector<Expected> found;
    std::function<void(const Database&)> mended;  // what the fixes leave
};

std::vector<Case> Cases() {
    return {
        {"key collision in one table",
         [](Database& db) { AddMarked(db, false, Named("Delta", 0, 1, 0b100)); },
         {{Kind::KeyCollision, Table::Tv, 0, {3}}},
         [](const Database& db) {
             EXPECT_EQ(db.tv[3].service_number(), 3);  // 1 and 2 are taken on tp 0
             EXPECT_EQ(db.tv[0].service_number(), 1);
             EXPECT_EQ(GroupKeys(db, 2), std::vector<uint32_t>{db.tv[3].key()});
         }},
        {"key collision of a TV and a radio channel",
         [](Database& db) {
             Channel echo = Named("Echo", 0, 2, 0b001);
             echo.set_video_pid(8191);
             AddMarked(db, true, echo);
         },
         {{Kind::KeyCollision, Table::Tv, 1, {1}}},
         [](const Database& db) {
             EXPECT_EQ(db.radio[1].service_number(), 3);
             EXPECT_EQ(GroupKeys(db, 0, true),
                       (std::vector<uint32_t>{db.radio[0].key(), db.radio[1].key()}));
         }},
        {"duplicate channel",
         [](Database& db) { AddMarked(db, false, Named("ALPHA", 0, 7, 0b110)); },
         {{Kind::DuplicateChannel, Table::Tv, 0, {3}}},
         [](const Database& db) {
             EXPECT_EQ(testing::Names(db), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
             EXPECT_EQ(db.tv[0].fav_marks(), 0b111u);
         }},
        {"orphan channel",
         [](Database& db) { AddMarked(db, false, Named("Lost", 9, 1)); },
         {{Kind::OrphanChannel, Table::Tv, 3, {}}},
         [](const Database& db) { EXPECT_EQ(db.tv[3].tp_id(), 9); }},
        {"duplicate transponder",
         [](Database& db) {
             testing::AddTransponder(db, 1, 3, 12000);
             Channel echo = Named("Echo", 3, 1, 0b001);
             echo.set_video_pid(8191);
             AddMarked(db, true, echo);
         },
         {{Kind::DuplicateTransponder, Table::Transponders, 2, {3}}},
         [](const Database& db) {
             EXPECT_EQ(db.tp_count(), 3);
             EXPECT_EQ(db.radio[1].tp_id(), 2);
             EXPECT_EQ(db.radio[1].service_number(), 2);  // Wave holds 1 there
         }},
        {"orphan transponder",
         [](Database& db) { testing::AddTransponder(db, 5, 3, 12500); },
         {{Kind::OrphanTransponder, Table::Transponders, 3, {}}},
         [](const Database& db) { EXPECT_EQ(db.tp_count(), 4); }},
        {"duplicate transponder id",
         [](Database& db) { testing::AddTransponder(db, 1, 1, 12500); },
         {{Kind::DuplicateTpId, Table::Transponders, 1, {3}}},
         [](const Database& db) {
             EXPECT_EQ(db.transponders[3].tp_id(), 3);
             EXPECT_EQ(db.transponders[1].tp_id(), 1);
             EXPECT_EQ(db.tv[2].tp_id(), 1);  // Gamma stays with the first
         }},
        {"PID out of range",
         [](Database& db) {
             Channel loud = Named("Loud", 1, 2);
             loud.set_video_pid(9000);
             AddMarked(db, false, loud);
         },
         {{Kind::PidOutOfRange, Table::Tv, 3, {}}},
         [](const Database& db) { EXPECT_EQ(db.tv[3].video_pid(), 9000); }},
        {"collision and duplicate on the same records",
         [](Database& db) { AddMarked(db, false, Named("Beta", 0, 2, 0b100)); },
         {{Kind::KeyCollision, Table::Tv, 1, {3}}, {Kind::DuplicateChannel, Table::Tv, 1, {3}}},
         [](const Database& db) {
             EXPECT_EQ(db.tv_count(), 3);
             EXPECT_EQ(db.tv[1].fav_marks(), 0b111u);
         }},
    };
}

TEST(HealthCheck, FindsEachKindAtItsPositions) {
    EXPECT_TRUE(CheckDatabase(*CleanDatabase()).empty());
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        auto db = CleanDatabase();
        c.make(*db);
        const std::vector<Finding> found = CheckDatabase(*db);
        ASSERT_EQ(found.size(), c.found.size());
        for (size_t k = 0; k < found.size(); ++k) {
            EXPECT_EQ(found[k].kind, c.found[k].kind);
            EXPECT_EQ(found[k].table, c.found[k].table);
            EXPECT_EQ(found[k].index, c.found[k].index);
            EXPECT_EQ(found[k].others, c.found[k].others);
            EXPECT_FALSE(found[k].text.empty());
        }
    }
}

TEST(HealthCheck, FixMendsWhatItCanKeepsGroupsInStepAndSettles) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        auto db = CleanDatabase();
        c.make(*db);
        ASSERT_TRUE(GroupsInStep(*db));
        const bool mendable = IsMendable(c.found[0].kind);
        EXPECT_EQ(FixAllFindings(*db), mendable ? static_cast<int>(c.found.size()) : 0);
        c.mended(*db);
        EXPECT_TRUE(GroupsInStep(*db));
        for (const Finding& f : CheckDatabase(*db)) EXPECT_FALSE(IsMendable(f.kind)) << f.text;
        // Fixing again changes nothing.
        const auto once = testing::Snapshot(*db);
        EXPECT_EQ(FixAllFindings(*db), 0);
        EXPECT_EQ(testing::Snapshot(*db), once);
    }
}

TEST(HealthCheck, TextsNameTheRecordsAsTheListCountsThem) {
    auto db = CleanDatabase();
    AddMarked(*db, false, Named("Delta", 0, 1));
    AddMarked(*db, false, Named("Lost", 9, 4));
    db->tv[4].set_ttx_pid(8200);
    const auto found = CheckDatabase(*db);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].text,
              "TV channel \"Alpha\" (No. 1) and TV channel \"Delta\" (No. 4) share the channel "
              "key of service 1 on transponder id 0, so their favourite marks are ambiguous.");
    EXPECT_EQ(found[1].text,
              "TV channel \"Lost\" (No. 5) is on transponder id 9, which no transponder has.");
    EXPECT_EQ(found[2].text,
              "TV channel \"Lost\" (No. 5) has a PID above 8191: teletext PID 8200.");
    EXPECT_EQ(CountFindings(found), (std::array<int, kFindingKinds>{1, 0, 1, 0, 0, 0, 1}));
}

TEST(HealthCheck, RenumberedChannelTakesItsOwnPlaceInAGroup) {
    // Both channels of one key in group 0: the later one's entry is the second.
    auto db = CleanDatabase();
    AddMarked(*db, false, Named("Delta", 1, 1, 0b001));
    AddMarked(*db, false, Named("Zeta", 1, 1, 0b001));
    const uint32_t shared = db->tv[2].key();
    db->tv[2].set_fav(0, true);
    db->favourites.bytes.fill(0);
    RebuildFavouriteGroups(*db);
    ASSERT_EQ(GroupKeys(*db, 0).size(), 5u);
    FixFindings(*db, CheckDatabase(*db));
    EXPECT_EQ(db->tv[2].key(), shared);
    EXPECT_EQ(GroupKeys(*db, 0), (std::vector<uint32_t>{db->tv[0].key(), db->tv[1].key(), shared,
                                                        db->tv[3].key(), db->tv[4].key()}));
    EXPECT_EQ(db->tv[3].service_number(), 2);
    EXPECT_EQ(db->tv[4].service_number(), 3);
}

TEST(HealthCheck, MergedMarkFindsRoomInAFullGroup) {
    auto db = CleanDatabase();
    AddMarked(*db, false, Named("alpha", 0, 9, 0b10000));
    for (int n = 0; n < FavouriteGroups::kSlots - 1; ++n)
        AddFavouriteKey(*db, 4, 0xFFFF0000u + n, true);  // fill the group with radio keys
    ASSERT_EQ(AddFavouriteKey(*db, 4, 1, false), kCannotDo);
    FixAllFindings(*db);
    EXPECT_EQ(db->tv_count(), 3);
    EXPECT_TRUE(db->tv[0].fav(4));
    EXPECT_EQ(GroupKeys(*db, 4), std::vector<uint32_t>{db->tv[0].key()});
}

TEST(HealthCheck, ANewTpIdIsFreeOfOrphanChannelsToo) {
    // Ids 0-2 are taken; channels name 3 and 4 that no transponder has.
    auto db = CleanDatabase();
    testing::AddTransponder(*db, 1, 1, 12500);
    AddMarked(*db, false, Named("Lost", 3, 1));
    AddMarked(*db, true, Named("Gone", 4, 1));
    FixAllFindings(*db);
    EXPECT_EQ(db->transponders[3].tp_id(), 5);
    const auto found = CheckDatabase(*db);
    EXPECT_EQ(CountFindings(found)[static_cast<int>(Kind::OrphanChannel)], 2)
        << "an orphan was attached to the transponder given its id";
}

TEST(HealthCheck, AMarkDroppedForAFullGroupIsTold) {
    const struct {
        const char* fix;
        std::function<void(Database&)> make;
        std::string note;
    } cases[] = {
        // Marked channels a full group could not list, as Open leaves them: the new key
        // can only be appended.
        {"key collision",
         [](Database& db) {
             db.tv[0].set_fav(2, true);
             AddFavouriteKey(db, 2, db.tv[0].key(), false);
             Append(db, false, Named("Delta", 0, 1, 0b100));
         },
         "TV channel 4 \"Delta\" lost its mark for favourite group 3: its new key found the "
         "group full."},
        {"duplicate transponder",
         [](Database& db) {
             testing::AddTransponder(db, 1, 3, 12000);
             Channel echo = Named("Echo", 3, 2, 0b100);
             echo.set_video_pid(8191);
             Append(db, true, echo);
         },
         "Radio channel 2 \"Echo\" lost its mark for favourite group 3: its new key found the "
         "group full."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fix);
        auto db = CleanDatabase();
        c.make(*db);
        // Group 2 filled up with keys of no channel.
        for (int n = 0; AddFavouriteKey(*db, 2, 0xFFFF0000u + n, false) == 1; ++n) {
        }
        std::vector<std::string> notes;
        FixAllFindings(*db, &notes);
        EXPECT_EQ(notes, std::vector<std::string>{c.note});
    }
}

TEST(HealthCheck, TheExampleDatabaseIsClean) {
    auto db = std::make_unique<Database>();
    ASSERT_EQ(LoadDatabaseFile(*db, std::string(VELMORA_SOURCE_DIR) + "/examples/sample.sdx",
                               FileAccess::ReadOnly),
              OpenResult::Ok);
    for (const Finding& f : CheckDatabase(*db)) ADD_FAILURE() << f.text;
}

}  // namespace
}  // namespace velmora
