// Copy to this database: what comes along with each kind of record, the ids it gets,
// and the capacities that refuse a copy without changing anything.

#include <gtest/gtest.h>

#include "compare/CopyAcross.h"
#include "compare/DatabaseDiff.h"
#include "support/ScriptedPrompter.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

using testing::AppendChannel;
using testing::AppendTransponder;
using testing::MakeChannel;
using testing::MakeTransponder;

// A selection of positions in one table only.
CopySelection Only(std::vector<int> CopySelection::*table, std::vector<int> positions) {
    CopySelection s;
    s.*table = std::move(positions);
    return s;
}

struct CopyTest : ::testing::Test {
    std::unique_ptr<Database> here = testing::MakeSmallDatabase();
    testing::ChangeWatch watch{*here};
    std::unique_ptr<Database> there = std::make_unique<Database>();
    testing::ScriptedPrompter prompter;

    CopyTest() { there->tables() = here->tables(); }

    std::optional<CopyCounts> Copy(const CopySelection& s) {
        watch.Reset();
        return CopyAcross(*here, *there, s, prompter);
    }
};

TEST_F(CopyTest, AChannelComesWithItsTransponderAudioFlagsAndMarks) {
    // There: a new transponder (tp_id 9) on Nordlys, carrying a channel in groups 0 and 3.
    AppendTransponder(*there, MakeTransponder(12500, 1, 9));
    Channel ch = MakeChannel("Fresh", 4, 9, 0b1001);
    ch.set_video_pid(700);
    ch.set_plain_audio_pid(0, 701);
    ch.set_audio_count(1);
    ch.set_locked(1);
    AppendChannel(*there, false, ch);

    const auto counts = Copy(Only(&CopySelection::tv, {4}));
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->tv, 1);
    EXPECT_EQ(counts->transponders, 1);
    ASSERT_EQ(here->tp_count(), 4);
    EXPECT_EQ(here->transponders[3].tp_id(), 3);  // the lowest free tp_id here
    EXPECT_EQ(here->transponders[3].satellite(), 1);
    const Channel& copied = here->tv[4];
    EXPECT_EQ(copied.tp_id(), 3);
    EXPECT_EQ(copied.service_number(), 4);
    EXPECT_EQ(copied.first_audio_pid(), 701);
    EXPECT_EQ(copied.locked(), 1u);
    EXPECT_EQ(FindFavouriteKey(*here, 0, copied.key(), false), 2);
    EXPECT_EQ(FindFavouriteKey(*here, 3, copied.key(), false), 0);
    EXPECT_TRUE(watch.changed());
    EXPECT_TRUE(DiffDatabases(*here, *there).tv.only_b.empty());
}

TEST_F(CopyTest, AChannelOnAPairedTransponderTakesThatTransponderAndAFreeKey) {
    Channel ch = MakeChannel("Second Nova", 1, 0);  // service 1 is taken on tp 0 here
    ch.set_video_pid(555);
    AppendChannel(*there, false, ch);
    ASSERT_TRUE(Copy(Only(&CopySelection::tv, {4})));
    EXPECT_EQ(here->tp_count(), 3);
    EXPECT_EQ(here->tv[4].tp_id(), 0);
    EXPECT_EQ(here->tv[4].service_number(), 3);  // after 1 and 2 on tp 0, as Add numbers
}

TEST_F(CopyTest, ASatelliteComesWithAllItsTransponders) {
    Satellite& s = there->satellites[2];
    s.set_name("Nilesat");
    s.set_angle(700);
    s.set_west(1);
    there->set_sat_count(3);
    AppendTransponder(*there, MakeTransponder(11000, 2, 3));
    AppendTransponder(*there, MakeTransponder(11100, 2, 4));
    const auto counts = Copy(Only(&CopySelection::satellites, {2}));
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->satellites, 1);
    EXPECT_EQ(counts->transponders, 2);
    EXPECT_EQ(here->satellites[2].name(), "Nilesat");
    EXPECT_EQ(here->transponders[3].satellite(), 2);
    EXPECT_EQ(here->transponders[4].tp_id(), 4);
}

TEST_F(CopyTest, ATransponderGoesOntoThePairedSatellite) {
    // There the satellites stand the other way round.
    std::swap(there->satellites[0], there->satellites[1]);
    for (int t = 0; t < there->tp_count(); ++t)
        there->transponders[t].set_satellite(1 - there->transponders[t].satellite());
    AppendTransponder(*there, MakeTransponder(11900, 1, 3));  // Aurora there
    ASSERT_TRUE(Copy(Only(&CopySelection::transponders, {3})));
    EXPECT_EQ(here->transponders[3].satellite(), 0);  // Aurora here
}

TEST_F(CopyTest, RecordsAlreadyHereAreNotCopiedAgain) {
    const auto before = testing::Snapshot(*here);
    const auto counts =
        Copy({.satellites = {0, 1}, .transponders = {0, 2}, .tv = {0, 3}, .radio = {0}});
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->total(), 0);
    EXPECT_EQ(testing::Snapshot(*here), before);
    EXPECT_FALSE(watch.changed());
}

TEST_F(CopyTest, EachFullTableRefusesTheWholeCopyWithAddsMessage) {
    // There: a new satellite with a transponder and a channel on it.
    there->satellites[2].set_name("Extra");
    there->satellites[2].set_angle(4200);
    there->set_sat_count(3);
    AppendTransponder(*there, MakeTransponder(11000, 2, 7));
    Channel ch = MakeChannel("Extra TV", 1, 7);
    AppendChannel(*there, false, ch);

    const struct {
        const char* full;
        void (*fill)(Database&);
        const char* message;
    } cases[] = {
        {"satellites", [](Database& db) { db.set_sat_count(kMaxSatellites); },
         "Satellites are full,can't append the satellite"},
        {"transponders", [](Database& db) { db.set_tp_count(kMaxTransponders); },
         "Transponder are full"},
        {"channels", [](Database& db) { db.set_radio_count(kMaxChannels - db.tv_count()); },
         "Channels are full,can't append"},
    };
    for (const auto& c : cases) {
        here->tables() = testing::MakeSmallDatabase()->tables();
        c.fill(*here);
        prompter.shown.clear();
        const auto before = testing::Snapshot(*here);
        // The channel brings its transponder and satellite: each must fit.
        EXPECT_FALSE(Copy(Only(&CopySelection::tv, {4}))) << c.full;
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{c.message}) << c.full;
        EXPECT_EQ(testing::Snapshot(*here), before) << c.full;
        EXPECT_FALSE(watch.changed()) << c.full;
    }
}

}  // namespace
}  // namespace velmora
