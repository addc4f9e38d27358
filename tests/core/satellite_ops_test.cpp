#include <gtest/gtest.h>

#include "satellite_test_support.h"
#include "satellites/SatelliteOps.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

using testing::MakeDatabase;
using testing::MoveTo;
using testing::PressOk;
using testing::SatelliteNames;
using testing::ScriptedPrompter;
using testing::ScriptedSatelliteDialogs;
using testing::TransponderSatellites;

class SatelliteOpsTest : public ::testing::Test {
protected:
    ScriptedPrompter prompter;
    ScriptedSatelliteDialogs dialogs;
    SatelliteTreeState tree;
};

TEST_F(SatelliteOpsTest, AddWorksUpToSixtyThreeThenRefusesWithoutDialog) {
    auto db = MakeDatabase(62);
    testing::ChangeWatch watch(*db);
    dialogs.satellite.push_back([](SatelliteForm& f) { return PressOk(f); });
    const TreeEffect added = AddSatellite(*db, prompter, dialogs);
    EXPECT_EQ(db->sat_count(), 63);
    EXPECT_EQ(added.change, TreeChange::AddSatelliteNode);
    EXPECT_EQ(added.satellite, 62);
    EXPECT_EQ(added.select, TreeSelect::Keep);

    watch.Reset();
    EXPECT_EQ(AddSatellite(*db, prompter, dialogs).change, TreeChange::None);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Satellites are full,can't append the satellite");
    EXPECT_EQ(prompter.shown[0].caption, "Velmora");
    EXPECT_EQ(db->sat_count(), 63);
    EXPECT_FALSE(watch.changed());
}

TEST_F(SatelliteOpsTest, NewSatelliteConfirmedUnchangedStoresTheDefaults) {
    auto db = MakeDatabase(0);
    testing::ChangeWatch watch(*db);
    dialogs.satellite.push_back([](SatelliteForm& f) {
        EXPECT_TRUE(f.transponder_rows.empty());
        EXPECT_EQ(f.lnb_type, 0);
        return PressOk(f);
    });
    AddSatellite(*db, prompter, dialogs);
    const Satellite& sat = db->satellites[0];
    EXPECT_EQ(sat.name(), "New SAT");
    EXPECT_EQ(sat.lnb_low(), 9750);
    EXPECT_EQ(sat.lnb_high(), 10600);
    EXPECT_EQ(sat.universal(), 1u);
    EXPECT_EQ(sat.ref_tp(), 255u);
    EXPECT_EQ(sat.sat_flags(), 0x100u | (255u << 10));
    EXPECT_TRUE(watch.changed());
}

TEST_F(SatelliteOpsTest, CancelledDialogsChangeNothing) {
    auto db = MakeDatabase(2);
    testing::ChangeWatch watch(*db);
    const auto before = db->satellites;
    dialogs.satellite.push_back([](SatelliteForm&) { return false; });
    dialogs.satellite.push_back([](SatelliteForm& f) {
        f.name = "Changed";
        return false;
    });
    dialogs.move.push_back([](int, int&) { return false; });
    dialogs.move.push_back([](int, int&) { return false; });
    EXPECT_EQ(AddSatellite(*db, prompter, dialogs).change, TreeChange::None);
    EXPECT_EQ(EditSatellite(*db, dialogs, 1).change, TreeChange::None);
    EXPECT_EQ(MoveSatellite(*db, prompter, dialogs, tree, 0).change, TreeChange::None);
    EXPECT_EQ(SwapSatellite(*db, prompter, dialogs, 0).change, TreeChange::None);
    EXPECT_EQ(db->sat_count(), 2);
    for (int s = 0; s < 2; ++s) EXPECT_EQ(db->satellites[s].bytes, before[s].bytes);
    EXPECT_FALSE(watch.changed());
    EXPECT_EQ(tree.last_move_target, 1);
}

TEST_F(SatelliteOpsTest, MoveSecondOfFiveToFourthShiftsSatellitesAndTheirTransponders) {
    auto db = MakeDatabase(5, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {1, 6}});
    testing::ChangeWatch watch(*db);
    dialogs.move.push_back([](int from, int& to) {
        EXPECT_EQ(from, 2);
        to = 4;
        return true;
    });
    const TreeEffect effect = MoveSatellite(*db, prompter, dialogs, tree, 1);
    EXPECT_EQ(SatelliteNames(*db), (std::vector<std::string>{"S0", "S2", "S3", "S1", "S4"}));
    EXPECT_EQ(TransponderSatellites(*db), (std::vector<int>{0, 3, 1, 2, 4, 3}));
    EXPECT_EQ(effect.change, TreeChange::RebuildSatellites);
    EXPECT_EQ(effect.select, TreeSelect::Satellite);
    EXPECT_EQ(effect.select_satellite, 1);
    EXPECT_TRUE(effect.refill_channels);
    EXPECT_TRUE(watch.changed());
    EXPECT_EQ(testing::SelectedSatellite(effect), 1);
}

TEST_F(SatelliteOpsTest, MoveTowardsTheStartShiftsTheOthersUp) {
    auto db = MakeDatabase(5, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}});
    testing::ChangeWatch watch(*db);
    dialogs.move.push_back(MoveTo(2));
    MoveSatellite(*db, prompter, dialogs, tree, 3);
    EXPECT_EQ(SatelliteNames(*db), (std::vector<std::string>{"S0", "S3", "S1", "S2", "S4"}));
    EXPECT_EQ(TransponderSatellites(*db), (std::vector<int>{0, 2, 3, 1, 4}));
}

// Runs and rebuilds, but leaves every byte: no step, so the database stays unmodified.
TEST_F(SatelliteOpsTest, MoveOntoItselfRebuildsButChangesNoByte) {
    auto db = MakeDatabase(3, {{2, 1}});
    testing::ChangeWatch watch(*db);
    dialogs.move.push_back(MoveTo(3));
    const TreeEffect effect = MoveSatellite(*db, prompter, dialogs, tree, 2);
    EXPECT_EQ(SatelliteNames(*db), (std::vector<std::string>{"S0", "S1", "S2"}));
    EXPECT_EQ(TransponderSatellites(*db), (std::vector<int>{2}));
    EXPECT_EQ(effect.change, TreeChange::RebuildSatellites);
    EXPECT_FALSE(watch.changed());
}

TEST_F(SatelliteOpsTest, MoveProposesThePlaceAfterTheLastTarget) {
    auto db = MakeDatabase(5);
    testing::ChangeWatch watch(*db);
    dialogs.move.push_back(MoveTo(3));
    dialogs.move.push_back([](int, int&) { return false; });
    MoveSatellite(*db, prompter, dialogs, tree, 0);
    MoveSatellite(*db, prompter, dialogs, tree, 0);
    db->set_sat_count(3);  // now below the remembered 4
    dialogs.move.push_back([](int, int&) { return false; });
    MoveSatellite(*db, prompter, dialogs, tree, 0);
    EXPECT_EQ(dialogs.proposed_to, (std::vector<int>{1, 4, 1}));
}

TEST_F(SatelliteOpsTest, MoveOrSwapOutsideOneToCountIsOutOfRange) {
    for (int to : {0, 4, -7}) {
        auto db = MakeDatabase(3, {{0, 1}, {1, 2}});
        testing::ChangeWatch watch(*db);
        ScriptedPrompter p;
        SatelliteTreeState state;
        dialogs.move.push_back(MoveTo(to));
        dialogs.move.push_back(MoveTo(to));
        EXPECT_EQ(MoveSatellite(*db, p, dialogs, state, 1).change, TreeChange::None);
        EXPECT_EQ(SwapSatellite(*db, p, dialogs, 1).change, TreeChange::None);
        EXPECT_EQ(p.texts(), (std::vector<std::string>{"Out ot range", "Out ot range"}));
        EXPECT_EQ(SatelliteNames(*db), (std::vector<std::string>{"S0", "S1", "S2"}));
        EXPECT_EQ(TransponderSatellites(*db), (std::vector<int>{0, 1}));
        EXPECT_FALSE(watch.changed());
        // The refused Move still moved the proposal on, but never to a place below 1.
        EXPECT_EQ(state.last_move_target, to + 1);
        dialogs.move.push_back([](int, int&) { return false; });
        MoveSatellite(*db, p, dialogs, state, 1);
        EXPECT_EQ(dialogs.proposed_to.back(), to + 1 >= 1 && to + 1 <= 3 ? to + 1 : 1);
    }
}

TEST_F(SatelliteOpsTest, SwapExchangesSatellitesAndTheirTransponders) {
    auto db = MakeDatabase(4, {{0, 1}, {3, 2}, {1, 3}, {0, 4}});
    testing::ChangeWatch watch(*db);
    dialogs.move.push_back([](int from, int& to) {
        EXPECT_EQ(from, 1);
        EXPECT_EQ(to, 1);
        to = 4;
        return true;
    });
    const TreeEffect effect = SwapSatellite(*db, prompter, dialogs, 0);
    EXPECT_EQ(SatelliteNames(*db), (std::vector<std::string>{"S3", "S1", "S2", "S0"}));
    EXPECT_EQ(TransponderSatellites(*db), (std::vector<int>{3, 0, 1, 3}));
    EXPECT_EQ(effect.select_satellite, 0);
    EXPECT_TRUE(watch.changed());
}

TEST_F(SatelliteOpsTest, SwapWithItselfChangesNothingButIsAChange) {
    auto db = MakeDatabase(2, {{0, 1}});
    testing::ChangeWatch watch(*db);
    dialogs.move.push_back(MoveTo(1));
    EXPECT_EQ(SwapSatellite(*db, prompter, dialogs, 0).change, TreeChange::RebuildSatellites);
    EXPECT_EQ(SatelliteNames(*db), (std::vector<std::string>{"S0", "S1"}));
    EXPECT_EQ(TransponderSatellites(*db), (std::vector<int>{0}));
    EXPECT_FALSE(watch.changed());
}

TEST_F(SatelliteOpsTest, DeleteTakesTranspondersAndChannelsAndLowersLaterSatellites) {
    // tp ids 0..5; satellite 1 owns ids 1, 3 and 4.
    auto db = MakeDatabase(3, {{0, 1}, {1, 2}, {2, 3}, {1, 4}, {1, 5}, {2, 6}}, {0, 1, 2, 3, 5, 4},
                           {3, 2, 1});
    testing::ChangeWatch watch(*db);
    prompter.answers.push_back(Answer::Yes);
    const TreeEffect effect = DeleteSatellite(*db, prompter, 1);
    EXPECT_EQ(prompter.shown[0].text, "Are you sure to delete (S1) satellite?");
    EXPECT_EQ(prompter.shown[0].icon, Icon::Question);
    EXPECT_EQ(prompter.shown[0].buttons, Buttons::YesNo);
    EXPECT_EQ(SatelliteNames(*db), (std::vector<std::string>{"S0", "S2"}));
    EXPECT_EQ(TransponderSatellites(*db), (std::vector<int>{0, 1, 1}));
    EXPECT_EQ(db->transponders[1].tp_id(), 2);
    EXPECT_EQ(db->transponders[2].tp_id(), 5);
    EXPECT_EQ(testing::ChannelTpIds(*db, false), (std::vector<int>{0, 2, 5}));
    EXPECT_EQ(testing::ChannelTpIds(*db, true), (std::vector<int>{2}));
    EXPECT_EQ(effect.change, TreeChange::RebuildSatellites);
    EXPECT_EQ(effect.select, TreeSelect::Satellite);
    EXPECT_EQ(effect.select_satellite, 1);
    EXPECT_TRUE(effect.refill_channels);
    EXPECT_TRUE(watch.changed());
}

TEST_F(SatelliteOpsTest, DeleteSelectsTheSamePlaceTheFirstOrNothing) {
    auto db = MakeDatabase(2);
    testing::ChangeWatch watch(*db);
    prompter.answers = {Answer::Yes, Answer::Yes};
    const TreeEffect last = DeleteSatellite(*db, prompter, 1);
    EXPECT_EQ(last.select, TreeSelect::Satellite);
    EXPECT_EQ(last.select_satellite, 0);
    const TreeEffect only = DeleteSatellite(*db, prompter, 0);
    EXPECT_EQ(only.select, TreeSelect::Nothing);
    EXPECT_TRUE(only.refill_channels);
    EXPECT_EQ(db->sat_count(), 0);
    EXPECT_EQ(testing::SelectedSatellite(only), -1);
    EXPECT_EQ(testing::SelectedTpId(*db, only), -1);
}

TEST_F(SatelliteOpsTest, DeleteAnsweredNoChangesNothing) {
    auto db = MakeDatabase(2, {{0, 1}, {1, 2}}, {0, 1});
    testing::ChangeWatch watch(*db);
    prompter.answers.push_back(Answer::No);
    EXPECT_EQ(DeleteSatellite(*db, prompter, 0).change, TreeChange::None);
    EXPECT_EQ(db->sat_count(), 2);
    EXPECT_EQ(db->tp_count(), 2);
    EXPECT_EQ(db->tv_count(), 2);
    EXPECT_FALSE(watch.changed());
}

}  // namespace
}  // namespace velmora
