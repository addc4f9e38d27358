#include <gtest/gtest.h>

#include "satellite_test_support.h"
#include "satellites/ModifiedTpList.h"
#include "satellites/TransponderOps.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

using testing::ChannelTpIds;
using testing::MakeDatabase;
using testing::OkWith;
using testing::PressOk;
using testing::ScriptedPrompter;
using testing::ScriptedSatelliteDialogs;

class TransponderOpsTest : public ::testing::Test {
protected:
    ScriptedPrompter prompter;
    ScriptedSatelliteDialogs dialogs;

    void ConfirmNew(int frequency, int symbol_rate, int polarisation, int fec) {
        dialogs.transponder.push_back(OkWith([=](TransponderForm& f) {
            f.frequency = std::to_string(frequency);
            f.symbol_rate = std::to_string(symbol_rate);
            f.polarisation = polarisation;
            f.fec = fec;
        }));
    }
};

TEST_F(TransponderOpsTest, AddOfAnExistingTransponderIsRefusedOnlyOnItsOwnSatellite) {
    auto db = MakeDatabase(2, {{0, 12000, 27500, 1, 3}});
    testing::ChangeWatch watch(*db);
    ConfirmNew(12000, 27500, 1, 5);  // same but for the FEC
    EXPECT_EQ(AddTransponder(*db, prompter, dialogs, 0).change, TreeChange::None);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Tp is already exist");
    EXPECT_EQ(prompter.shown[0].caption, "Add Transponder");
    EXPECT_EQ(prompter.shown[0].icon, Icon::Stop);
    EXPECT_EQ(db->tp_count(), 1);
    EXPECT_FALSE(watch.changed());

    ConfirmNew(12000, 27500, 1, 3);
    const TreeEffect effect = AddTransponder(*db, prompter, dialogs, 1);
    EXPECT_EQ(effect.change, TreeChange::AppendTransponderNode);
    EXPECT_EQ(db->tp_count(), 2);
    EXPECT_EQ(db->transponders[1].satellite(), 1);
    EXPECT_TRUE(watch.changed());
}

TEST_F(TransponderOpsTest, AddGivesTheLowestFreeId) {
    auto db = MakeDatabase(1, {{0, 10000}, {0, 10001}, {0, 10002}, {0, 10003}, {0, 10004}});
    testing::ChangeWatch watch(*db);
    prompter.answers.push_back(Answer::Yes);
    DeleteTransponder(*db, prompter, 0, 2);  // id 2
    ConfirmNew(11000, 27500, 0, 0);
    AddTransponder(*db, prompter, dialogs, 0);
    EXPECT_EQ(db->transponders[db->tp_count() - 1].tp_id(), 2);
}

TEST_F(TransponderOpsTest, AddToTheThirdSatelliteAppendsItsNextNode) {
    auto db = MakeDatabase(3, {{2, 10000}, {0, 10500}, {2, 11000}});
    testing::ChangeWatch watch(*db);
    ConfirmNew(12000, 27500, 1, 3);
    const TreeEffect effect = AddTransponder(*db, prompter, dialogs, 2);
    EXPECT_EQ(effect.satellite, 2);
    EXPECT_EQ(effect.position, 2);  // shown as 3
    EXPECT_EQ(effect.tp_index, 3);
    EXPECT_EQ(effect.select, TreeSelect::Keep);
    EXPECT_EQ(db->transponders[3].tp_id(), 3);
}

TEST_F(TransponderOpsTest, AddWithAFullTableIsRefusedAfterTheDialog) {
    std::vector<testing::TpRow> tps;
    for (int i = 0; i < kMaxTransponders; ++i) tps.push_back({0, 1 + i});
    auto db = MakeDatabase(1, tps);
    testing::ChangeWatch watch(*db);
    dialogs.transponder.push_back([](TransponderForm& f) { return PressOk(f); });
    EXPECT_EQ(AddTransponder(*db, prompter, dialogs, 0).change, TreeChange::None);
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Transponder are full"}));
    EXPECT_EQ(prompter.shown[0].caption, "Add Transponder");
    EXPECT_EQ(db->tp_count(), kMaxTransponders);
}

TEST_F(TransponderOpsTest, EditConfirmedUnchangedIsRefusedButAFecChangePasses) {
    auto db = MakeDatabase(1, {{0, 12000, 27500, 0, 2}});
    testing::ChangeWatch watch(*db);
    dialogs.transponder.push_back([](TransponderForm& f) { return PressOk(f); });
    EXPECT_EQ(EditTransponder(*db, prompter, dialogs, 0, 0).change, TreeChange::None);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Tp is already exist");
    EXPECT_EQ(prompter.shown[0].caption, "Edit Transponder");
    EXPECT_FALSE(watch.changed());

    dialogs.transponder.push_back(OkWith([](TransponderForm& f) { f.fec = 4; }));
    const TreeEffect effect = EditTransponder(*db, prompter, dialogs, 0, 0);
    EXPECT_EQ(effect.change, TreeChange::RelabelTransponder);
    EXPECT_EQ(effect.position, 0);
    EXPECT_EQ(db->transponders[0].fec(), 4);
    EXPECT_EQ(db->transponders[0].tp_id(), 0);
    EXPECT_TRUE(watch.changed());
}

TEST_F(TransponderOpsTest, DeleteSecondOfFourTakesItsChannelsAndKeepsTheNodeSelected) {
    // Satellite 1 owns table positions 1, 2, 4, 5 (ids 1, 2, 4, 5).
    auto db = MakeDatabase(
        2, {{0, 1}, {1, 11000}, {1, 11500, 22000, 1, 3}, {0, 4}, {1, 12000}, {1, 12500}},
        {2, 1, 2, 4}, {2, 5});
    testing::ChangeWatch watch(*db);
    prompter.answers.push_back(Answer::Yes);
    const TreeEffect effect = DeleteTransponder(*db, prompter, 1, 1);
    EXPECT_EQ(prompter.shown[0].text,
              "Are you sure to delete this transponder ?\n2 | 11500 | VER | 22000 | 3/4");
    EXPECT_EQ(prompter.shown[0].caption, "Velmora");
    EXPECT_EQ(db->tp_count(), 5);
    EXPECT_EQ(db->FindTransponder(2), -1);
    EXPECT_EQ(ChannelTpIds(*db, false), (std::vector<int>{1, 4}));
    EXPECT_EQ(ChannelTpIds(*db, true), (std::vector<int>{5}));
    EXPECT_EQ(effect.change, TreeChange::RemoveTransponderNode);
    EXPECT_EQ(effect.satellite, 1);
    EXPECT_EQ(effect.position, 1);
    EXPECT_EQ(effect.tp_index, 2);
    // The node now standing for transponder id 4 stays selected, and its channels are shown.
    EXPECT_EQ(effect.select, TreeSelect::Transponder);
    EXPECT_EQ(effect.select_position, 1);
    EXPECT_TRUE(effect.refill_channels);
    EXPECT_EQ(testing::SelectedTpId(*db, effect), 4);
    EXPECT_TRUE(watch.changed());
}

TEST_F(TransponderOpsTest, DeletingTheLastSelectsTheOneBeforeOrTheSatellite) {
    auto db = MakeDatabase(1, {{0, 11000}, {0, 12000}});
    testing::ChangeWatch watch(*db);
    prompter.answers = {Answer::Yes, Answer::Yes};
    const TreeEffect last = DeleteTransponder(*db, prompter, 0, 1);
    EXPECT_EQ(last.select, TreeSelect::Transponder);
    EXPECT_EQ(last.select_position, 0);
    EXPECT_EQ(testing::SelectedTpId(*db, last), 0);
    const TreeEffect only = DeleteTransponder(*db, prompter, 0, 0);
    EXPECT_EQ(only.select, TreeSelect::Satellite);
    EXPECT_EQ(only.select_satellite, 0);
    EXPECT_EQ(testing::SelectedTpId(*db, only), -1);
}

TEST_F(TransponderOpsTest, DeleteAnsweredNoChangesNothing) {
    auto db = MakeDatabase(1, {{0, 11000}}, {0});
    testing::ChangeWatch watch(*db);
    prompter.answers.push_back(Answer::No);
    EXPECT_EQ(DeleteTransponder(*db, prompter, 0, 0).change, TreeChange::None);
    EXPECT_EQ(db->tp_count(), 1);
    EXPECT_EQ(db->tv_count(), 1);
    EXPECT_FALSE(watch.changed());
}

TEST_F(TransponderOpsTest, ModifiedTpListShowsCaptionAndRows) {
    auto db = MakeDatabase(2, {{1, 11747, 27500, 1, 3}, {0, 1}, {1, 950, 2000, 0, 0}});
    testing::ChangeWatch watch(*db);
    ModifiedTpList list(*db, prompter, dialogs, 1);
    EXPECT_EQ(list.Caption(), "S1--Transponder List");
    EXPECT_EQ(list.rows(), (std::vector<std::string>{"01    11747    VER     27500   3/4",
                                                     "02    00950    HOR     02000   Auto"}));
    EXPECT_EQ(list.row_map(), (std::vector<int>{0, 2}));
}

TEST_F(TransponderOpsTest, ModifiedTpDeletingRowsOneAndThreeOfFive) {
    auto db = MakeDatabase(2, {{0, 10000}, {1, 1}, {0, 10100}, {0, 10200}, {0, 10300}, {0, 10400}},
                           {0, 2, 3, 4, 5}, {3});
    testing::ChangeWatch watch(*db);
    dialogs.modify.push_back([](ModifiedTpList& list) { list.Delete({2, 0}); });
    const TreeEffect effect = ModifyTransponders(*db, prompter, dialogs, 0);
    EXPECT_TRUE(prompter.shown.empty());  // no confirmation
    std::vector<int> frequencies;
    for (int i = 0; i < db->tp_count(); ++i) frequencies.push_back(db->transponders[i].frequency());
    EXPECT_EQ(frequencies, (std::vector<int>{1, 10100, 10300, 10400}));
    EXPECT_EQ(ChannelTpIds(*db, false), (std::vector<int>{2, 4, 5}));
    EXPECT_EQ(ChannelTpIds(*db, true), (std::vector<int>{}));
    EXPECT_EQ(effect.change, TreeChange::RebuildSatellites);
    EXPECT_EQ(effect.select_satellite, 0);
    EXPECT_TRUE(watch.changed());
}

TEST_F(TransponderOpsTest, ModifiedTpCancelAfterAddKeepsItAndRebuilds) {
    auto db = MakeDatabase(1, {{0, 10000}});
    testing::ChangeWatch watch(*db);
    ConfirmNew(12000, 27500, 1, 3);
    dialogs.modify.push_back([](ModifiedTpList& list) {
        EXPECT_TRUE(list.Add());
        EXPECT_EQ(list.rows().back(), "02    12000    VER     27500   3/4");
        EXPECT_EQ(list.row_map().back(), 1);
    });
    EXPECT_EQ(ModifyTransponders(*db, prompter, dialogs, 0).change, TreeChange::RebuildSatellites);
    EXPECT_EQ(db->tp_count(), 2);
}

TEST_F(TransponderOpsTest, ModifiedTpEditAttemptRebuildsEvenWhenCancelled) {
    auto db = MakeDatabase(1, {{0, 10000}, {0, 10100}});
    testing::ChangeWatch watch(*db);
    dialogs.transponder.push_back([](TransponderForm&) { return false; });
    dialogs.transponder.push_back(OkWith([](TransponderForm& f) { f.frequency = "10150"; }));
    dialogs.modify.push_back([](ModifiedTpList& list) { list.Edit({1, 0}); });
    EXPECT_EQ(ModifyTransponders(*db, prompter, dialogs, 0).change, TreeChange::RebuildSatellites);
    EXPECT_EQ(db->transponders[0].frequency(), 10000);
    EXPECT_EQ(db->transponders[1].frequency(), 10150);
}

TEST_F(TransponderOpsTest, ModifiedTpClosedWithoutChangesLeavesTheTree) {
    auto db = MakeDatabase(1, {{0, 10000}});
    testing::ChangeWatch watch(*db);
    dialogs.modify.push_back([](ModifiedTpList& list) {
        list.Edit({});
        list.Delete({7});
    });
    EXPECT_EQ(ModifyTransponders(*db, prompter, dialogs, 0).change, TreeChange::None);
    EXPECT_FALSE(watch.changed());
}

TEST_F(TransponderOpsTest, ModifiedTpListsEveryTransponderBeyondThreeHundred) {
    std::vector<testing::TpRow> tps;
    for (int i = 0; i < 450; ++i) tps.push_back({0, 10000 + i});
    auto db = MakeDatabase(1, tps);
    testing::ChangeWatch watch(*db);
    ModifiedTpList list(*db, prompter, dialogs, 0);
    ASSERT_EQ(list.rows().size(), 450u);
    EXPECT_EQ(list.rows()[449].substr(0, 3), "450");
    list.Delete({420});
    EXPECT_EQ(db->tp_count(), 449);
    EXPECT_EQ(db->transponders[420].frequency(), 10421);
}

}  // namespace
}  // namespace velmora
