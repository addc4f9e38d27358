// Copy to this database: what comes along with each kind of record, the ids it gets,
// and the capacities that refuse a copy without changing anything.

#include <gtest/gtest.h>

#include "compare/CompareRows.h"
#include "compare/CopyAcross.h"
#include "compare/DatabaseDiff.h"
#include "support/ScriptedPrompter.h"
#include "tests/core/TestDatabases.h"
#include "tests/core/favourite_invariant.h"

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
    Channel ch = MakeChannel({.name = "Fresh", .tp_id = 9, .service = 4, .fav_marks = 0b1001});
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
    Channel ch = MakeChannel(
        {.name = "Second Nova", .tp_id = 0, .service = 1});  // service 1 is taken on tp 0 here
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
    const auto counts = Copy(
        {.satellites = {0, 1}, .transponders = {0, 2}, .tv = {0, 3}, .radio = {0}, .fields = {}});
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
    Channel ch = MakeChannel({.name = "Extra TV", .tp_id = 7, .service = 1});
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

// A changed record or setting takes the chosen fields from there and nothing else.
TEST_F(CopyTest, AChangedRecordTakesTheChosenFieldsOnly) {
    using S = CompareSection;
    const struct {
        const char* name;
        S section;
        int position;  // here and there
        std::vector<std::string> fields;
        void (*change_there)(Database&);  // two fields differ there
        bool (*taken)(const Database&);   // the first changed field is here
        bool (*left)(const Database&);    // the other one is not
    } cases[] = {
        {"satellite name",
         S::Satellites,
         1,
         {"name"},
         [](Database& db) { db.satellites[1].set_name("Thor"), db.satellites[1].set_lnb_low(1); },
         [](const Database& db) { return db.satellites[1].name() == "Thor"; },
         [](const Database& db) { return db.satellites[1].lnb_low() == 0; }},
        {"symbol rate",
         S::Transponders,
         0,
         {"symbol_rate"},
         [](Database& db) {
             db.transponders[0].set_symbol_rate(22000), db.transponders[0].set_fec(3);
         },
         [](const Database& db) { return db.transponders[0].symbol_rate() == 22000; },
         [](const Database& db) { return db.transponders[0].fec() == 0; }},
        {"channel name",
         S::Tv,
         2,
         {"name"},
         [](Database& db) { db.tv[2].set_name("Lumen HD"), db.tv[2].set_ttx_pid(33); },
         [](const Database& db) { return db.tv[2].name() == "Lumen HD"; },
         [](const Database& db) { return db.tv[2].ttx_pid() == 8191; }},
        {"audio with its count",
         S::Radio,
         0,
         {"audio"},
         [](Database& db) {
             db.radio[0].set_plain_audio_pid(1, 90), db.radio[0].set_audio_count(2),
                 db.radio[0].set_locked(1);
         },
         [](const Database& db) {
             return db.radio[0].plain_audio_pid(1) == 90 && db.radio[0].audio_count() == 2;
         },
         [](const Database& db) { return db.radio[0].locked() == 0; }},
        {"a setting",
         S::Settings,
         -1,
         {"menu_color"},
         [](Database& db) { db.settings.set_menu_color(7), db.settings.set_fav_name(2, "Kids"); },
         [](const Database& db) { return db.settings.menu_color() == 7; },
         [](const Database& db) { return db.settings.fav_name(2) != "Kids"; }},
        {"a group name",
         S::Settings,
         2,
         {"fav_names[2]"},
         [](Database& db) { db.settings.set_fav_name(2, "Kids"), db.settings.set_menu_color(7); },
         [](const Database& db) { return db.settings.fav_name(2) == "Kids"; },
         [](const Database& db) { return db.settings.menu_color() != 7; }},
    };
    for (const auto& c : cases) {
        here->tables() = testing::MakeSmallDatabase()->tables();
        there->tables() = here->tables();
        c.change_there(*there);
        CopySelection s;
        s.fields = {{c.section, c.position, c.position, c.fields}};
        const auto counts = Copy(s);
        ASSERT_TRUE(counts) << c.name;
        EXPECT_EQ(counts->fields, 1) << c.name;
        EXPECT_TRUE(c.taken(*here)) << c.name;
        EXPECT_TRUE(c.left(*here)) << c.name;
        EXPECT_TRUE(prompter.shown.empty()) << c.name;
    }
}

// A channel's marks and key taken from there keep its favourite groups in step; a
// service number taken here is left, and the user told.
TEST_F(CopyTest, ChannelFieldsKeepTheGroupsInStep) {
    const struct {
        const char* name;
        void (*change_there)(Channel&);
        std::vector<std::string> fields;
        int service_number;  // of TV channel 0 here afterwards
        uint32_t marks;
        size_t told;
    } cases[] = {
        {"marks", [](Channel& ch) { ch.set_fav_marks(0b110); }, {"ch_flags"}, 1, 0b110, 0},
        {"key", [](Channel& ch) { ch.set_service_number(9); }, {"service_number"}, 9, 0b01, 0},
        {"taken key",
         [](Channel& ch) { ch.set_service_number(2); },
         {"service_number"},
         1,
         0b01,
         1},
    };
    for (const auto& c : cases) {
        here->tables() = testing::MakeSmallDatabase()->tables();
        there->tables() = here->tables();
        c.change_there(there->tv[0]);
        prompter.shown.clear();
        CopySelection s;
        s.fields = {{CompareSection::Tv, 0, 0, c.fields}};
        ASSERT_TRUE(Copy(s)) << c.name;
        EXPECT_EQ(here->tv[0].service_number(), c.service_number) << c.name;
        EXPECT_EQ(here->tv[0].fav_marks(), c.marks) << c.name;
        EXPECT_EQ(prompter.shown.size(), c.told) << c.name;
        EXPECT_EQ(testing::FavouriteMismatch(*here), "") << c.name;
    }
}

// A satellite copied asks whether its channels come too.
TEST_F(CopyTest, ASatelliteOffersItsChannels) {
    there->satellites[2].set_name("Nilesat");
    there->satellites[2].set_angle(700);
    there->set_sat_count(3);
    AppendTransponder(*there, MakeTransponder(11000, 2, 7));
    AppendChannel(*there, false, MakeChannel({.name = "Nile TV", .tp_id = 7, .service = 1}));
    AppendChannel(*there, true, MakeChannel({.name = "Nile FM", .tp_id = 7, .service = 2}));
    for (const auto& [answer, channels] : {std::pair{Answer::Yes, 2}, {Answer::No, 0}}) {
        here->tables() = testing::MakeSmallDatabase()->tables();
        prompter.shown.clear();
        prompter.answers = {answer};
        const auto counts = Copy(Only(&CopySelection::satellites, {2}));
        ASSERT_TRUE(counts);
        EXPECT_EQ(prompter.texts(),
                  std::vector<std::string>{std::string(kCopySatelliteChannelsQuestion)});
        EXPECT_EQ(counts->tv + counts->radio, channels);
        EXPECT_EQ(here->tv_count(), 4 + channels / 2);
    }
}

// The copy is offered only for rows it can take something from, else says why.
TEST(CopyRefusal, SaysWhyTheChosenRowsHoldNothingToCopy) {
    using St = CompareStatus;
    const std::vector<CompareRow> rows = {
        {CompareSection::Tv, St::OnlyHere, 0, -1, "", "", "", {}},
        {CompareSection::Tv, St::OnlyThere, -1, 1, "", "", "", {}},
        {CompareSection::Tv, St::Changed, 2, 2, "", "", "name", {"name"}},
        {CompareSection::Tv, St::Changed, 3, 3, "", "", "transponder", {"transponder"}},
        {CompareSection::Tv, St::Changed, -1, -1, "", "", "order", {}},
    };
    const struct {
        std::vector<int> chosen;
        std::string_view refusal;
    } cases[] = {
        {{}, kCopyNothingSelected},
        {{0}, kCopyOnlyHere},
        {{1}, ""},
        {{2}, ""},
        {{0, 2}, ""},
        {{3}, kCopyParent},
        {{4}, kCopyOrder},
        {{0, 4}, kCopyOrder},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CopyRefusal(rows, c.chosen), c.refusal) << ::testing::PrintToString(c.chosen);
}

}  // namespace
}  // namespace velmora
