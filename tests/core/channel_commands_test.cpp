#include <gtest/gtest.h>

#include "tests/core/channel_bench.h"

namespace velmora {
namespace {

using testing::AddSatellite;
using testing::AddTransponder;
using testing::Append;
using testing::Cancel;
using testing::ConfirmChannel;
using testing::GroupKeys;
using testing::MakeChannel;
using testing::MoveTo;
using testing::Names;

class ChannelCommandsTest : public testing::ChannelBenchTest {
protected:
    void SetUp() override {
        AddSatellite(*db, "Astra");
        AddSatellite(*db, "Hotbird");
        AddTransponder(*db, 0, 4);
        AddTransponder(*db, 1, 9);
    }

    // TV channels named by `names`, all on transponder 4 with service numbers 1, 2, ...
    void AddTv(const std::vector<std::string>& names, int tp_id = 4) {
        for (const std::string& n : names)
            Append(*db, false,
                   MakeChannel({.name = n, .tp_id = tp_id, .service = ++service_, .pcr_pid = 100}));
    }

    void ListAll(int radio = 0) {
        list.FillAllChannels(*db);
        list.ShowTable(*db, radio ? ChannelTable::Radio : ChannelTable::Tv);
    }

    int service_ = 0;
};

// Add

TEST_F(ChannelCommandsTest, AddOpensTheDialogBelowTheLimitAndRefusesAtIt) {
    db->set_tv_count(2000);
    db->set_radio_count(1999);
    dialogs.channel.push_back(Cancel<ChannelForm>());
    EXPECT_EQ(Run(kCmdAddChannel), 0);
    EXPECT_EQ(dialogs.channel_runs, 1);

    db->set_radio_count(2000);
    EXPECT_EQ(Run(kCmdAddChannel), 0);
    EXPECT_EQ(dialogs.channel_runs, 1);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Channels are full,can't append");
    EXPECT_EQ(prompter.shown[0].caption, "Infomation");
    EXPECT_EQ(prompter.shown[0].icon, Icon::Stop);
    EXPECT_FALSE(watch.changed());
}

TEST_F(ChannelCommandsTest, AddHandsATemplateForTheSelectedTransponder) {
    AddTv({"a", "b"});
    list.FillTransponderChannels(*db, 9);
    list.ShowTable(*db, ChannelTable::Radio);
    dialogs.channel.push_back([](ChannelForm& form) {
        EXPECT_EQ(form.number, 1);
        EXPECT_TRUE(form.radio);
        EXPECT_FALSE(form.lists_enabled());
        EXPECT_EQ(form.record.tp_id(), 9);
        EXPECT_EQ(form.record.fta(), 1u);
        EXPECT_EQ(form.record.ttx_pid(), 8191);
        EXPECT_EQ(form.record.video_pid(), 8191);
        EXPECT_EQ(form.record.pcr_pid(), 0);
        return false;
    });
    EXPECT_EQ(Run(kCmdAddChannel), 0);

    ListAll(0);
    dialogs.channel.push_back([](ChannelForm& form) {
        EXPECT_EQ(form.number, 3);
        EXPECT_TRUE(form.lists_enabled());
        EXPECT_EQ(form.record.video_pid(), 0);
        return false;
    });
    EXPECT_EQ(Run(kCmdAddChannel), 0);
    EXPECT_FALSE(watch.changed());
}

TEST_F(ChannelCommandsTest, AddChoosesTheTableByTheVideoPid) {
    ListAll(1);
    dialogs.channel.push_back(ConfirmChannel(prompter, [](ChannelForm& f) {
        f.name = "Now TV";
        f.pcr_pid = "10";
        f.video_pid = "11";
        f.SelectSatellite(0);
    }));
    ASSERT_EQ(Run(kCmdAddChannel), 1);
    EXPECT_EQ(db->radio_count(), 0);
    ASSERT_EQ(db->tv_count(), 1);
    EXPECT_EQ(db->tv[0].name(), "Now TV");
    EXPECT_EQ(db->tv[0].service_number(), 1);
    EXPECT_TRUE(watch.changed());
    EXPECT_EQ(list.row_count(), 0);  // the radio list does not show it
}

// A channel stored in the table the list does not show gets a word; one that lands in
// the shown table does not.
TEST_F(ChannelCommandsTest, AddNotesARadioChannelStoredFromTheTvView) {
    struct Case {
        int shown_radio;
        const char* video_pid;
        bool noted;
    } cases[] = {{0, "8191", true}, {0, "11", false}, {1, "8191", false}};
    for (const Case& k : cases) {
        ListAll(k.shown_radio);
        dialogs.channel.push_back(ConfirmChannel(prompter, [&k](ChannelForm& f) {
            f.pcr_pid = "10";
            f.video_pid = k.video_pid;
            f.SelectSatellite(0);
        }));
        ChannelCommandContext c{*db, list, {}, prompter, dialogs};
        ASSERT_EQ(AddChannel(c), 1);
        EXPECT_EQ(c.note, k.noted ? std::string(kStoredAsRadioNote) : "") << k.video_pid;
    }
    EXPECT_EQ(db->radio_count(), 2);
}

TEST_F(ChannelCommandsTest, AddEntersTheKeyInEveryMarkedGroup) {
    for (int i = 0; i < 200; ++i) AddFavouriteKey(*db, 2, 0x10000 + i, false);  // FAV3 full
    ListAll(1);
    dialogs.channel.push_back(ConfirmChannel(prompter, [](ChannelForm& f) {
        f.pcr_pid = "10";
        f.SelectSatellite(1);
        f.fav[1] = f.fav[2] = f.fav[5] = true;
    }));
    ASSERT_EQ(Run(kCmdAddChannel), 1);
    ASSERT_EQ(db->radio_count(), 1);
    const uint32_t key = db->radio[0].key();
    EXPECT_EQ(key, (9u << 16) | 1u);
    EXPECT_EQ(GroupKeys(*db, 1, true), std::vector<uint32_t>{key});
    EXPECT_EQ(GroupKeys(*db, 5, true), std::vector<uint32_t>{key});
    EXPECT_TRUE(GroupKeys(*db, 0, true).empty());
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Favor are full,can not store more favor"});
    EXPECT_EQ(db->radio[0].fav_marks(), 0x26u);
}

TEST_F(ChannelCommandsTest, AddCancelledOrWithoutADatabaseChangesNothing) {
    ListAll();
    dialogs.channel.push_back(Cancel<ChannelForm>());
    EXPECT_EQ(Run(kCmdAddChannel), 0);
    db->database_open = false;
    EXPECT_EQ(Run(kCmdAddChannel), 0);
    EXPECT_EQ(Run(kCmdSortAToZ), 0);
    EXPECT_EQ(db->tv_count(), 0);
    EXPECT_FALSE(watch.changed());
}

// Edit

TEST_F(ChannelCommandsTest, EditWorksOnTheLastSelectedRowAndStoresTheResult) {
    AddTv({"a", "b", "c"});
    ListAll();
    dialogs.channel.push_back(ConfirmChannel(prompter, [](ChannelForm& f) {
        EXPECT_EQ(f.name, "c");
        EXPECT_EQ(f.number, 3);
        f.name = "C renamed";
    }));
    ASSERT_EQ(Run(kCmdEditChannel, {2, 0}), 1);
    EXPECT_EQ(Names(*db), (std::vector<std::string>{"a", "b", "C renamed"}));
    EXPECT_TRUE(watch.changed());
    EXPECT_EQ(list.CellText(*db, 2, kColName), "C renamed");
}

TEST_F(ChannelCommandsTest, EditWithoutSelectionOrCancelledChangesNothing) {
    AddTv({"a"});
    ListAll();
    EXPECT_EQ(Run(kCmdEditChannel, {}), 0);
    dialogs.channel.push_back(Cancel<ChannelForm>());
    EXPECT_EQ(Run(kCmdEditChannel, {0}), 0);
    EXPECT_EQ(dialogs.channel_runs, 1);
    EXPECT_FALSE(watch.changed());
}

TEST_F(ChannelCommandsTest, EditReconcilesAllEightGroups) {
    AddTv({"a", "b"});
    db->tv[1].set_fav(1, true);
    db->tv[1].set_fav(6, true);
    RebuildFavouriteGroups(*db);
    const uint32_t key = db->tv[1].key();
    for (int i = 0; i < 200; ++i) AddFavouriteKey(*db, 3, 0x10000 + i, false);  // FAV4 full
    ListAll();
    dialogs.channel.push_back(ConfirmChannel(prompter, [](ChannelForm& f) {
        f.fav[1] = false;  // FAV2 cleared
        f.fav[6] = false;  // FAV7 cleared
        f.fav[4] = true;   // FAV5 set
        f.fav[7] = true;   // FAV8 set
        f.fav[3] = true;   // FAV4 set, but the group is full
    }));
    ASSERT_EQ(Run(kCmdEditChannel, {1}), 1);
    EXPECT_TRUE(GroupKeys(*db, 1).empty());
    EXPECT_TRUE(GroupKeys(*db, 6).empty());
    EXPECT_EQ(GroupKeys(*db, 4), std::vector<uint32_t>{key});
    EXPECT_EQ(GroupKeys(*db, 7), std::vector<uint32_t>{key});
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Favor are full,can not store more favor"});
    EXPECT_TRUE(db->tv[1].fav(3));  // the mark is stored even so
}

TEST_F(ChannelCommandsTest, EditChangingTheTransponderMovesTheKeyInItsGroups) {
    AddTv({"a", "b", "c"});
    for (int i = 0; i < 3; ++i) db->tv[i].set_fav(5, true);
    RebuildFavouriteGroups(*db);
    ListAll();
    dialogs.channel.push_back(ConfirmChannel(prompter, [](ChannelForm& f) {
        f.SelectSatellite(1);  // transponder 9
    }));
    ASSERT_EQ(Run(kCmdEditChannel, {1}), 1);
    const uint32_t moved = db->tv[1].key();
    EXPECT_EQ(moved >> 16, 9u);
    EXPECT_EQ(GroupKeys(*db, 5), (std::vector<uint32_t>{db->tv[0].key(), moved, db->tv[2].key()}));
}

TEST_F(ChannelCommandsTest, EditInTheRadioListUsesTheRadioLists) {
    Channel r = MakeChannel({.name = "r", .tp_id = 4, .service = 5, .pcr_pid = 100});
    r.set_video_pid(8191);
    Append(*db, true, r);
    ListAll(1);
    dialogs.channel.push_back(ConfirmChannel(prompter, [](ChannelForm& f) { f.fav[0] = true; }));
    ASSERT_EQ(Run(kCmdEditChannel, {0}), 1);
    EXPECT_EQ(GroupKeys(*db, 0, true), std::vector<uint32_t>{r.key()});
    EXPECT_TRUE(GroupKeys(*db, 0, false).empty());
}

// Delete

TEST_F(ChannelCommandsTest, DeleteRemovesEverySelectedRow) {
    AddTv({"a", "b", "c", "d", "e"});
    ListAll();
    prompter.answers.push_back(Answer::Yes);
    ASSERT_EQ(Run(kCmdDeleteChannel, {3, 0, 2}), 1);
    EXPECT_EQ(Names(*db), (std::vector<std::string>{"b", "e"}));
    EXPECT_EQ(list.row_count(), 2);
    EXPECT_EQ(prompter.shown[0].text, "Are you sure to delete channel ?");
    EXPECT_EQ(prompter.shown[0].icon, Icon::Question);
    EXPECT_TRUE(watch.changed());
}

TEST_F(ChannelCommandsTest, DeleteAnsweredNoChangesNothing) {
    AddTv({"a", "b"});
    ListAll();
    prompter.answers.push_back(Answer::No);
    EXPECT_EQ(Run(kCmdDeleteChannel, {0, 1}), 0);
    EXPECT_EQ(Run(kCmdDeleteChannel, {}), 0);  // nothing selected: not even asked
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(db->tv_count(), 2);
    EXPECT_FALSE(watch.changed());
}

TEST_F(ChannelCommandsTest, DeleteInASatelliteListUsesTheRowMap) {
    AddTv({"a", "b"}, 4);
    AddTv({"x", "y"}, 9);
    AddTv({"c"}, 4);
    list.FillSatelliteChannels(*db, 1);
    prompter.answers.push_back(Answer::Yes);
    ASSERT_EQ(Run(kCmdDeleteChannel, {1}), 1);
    EXPECT_EQ(Names(*db), (std::vector<std::string>{"a", "b", "x", "c"}));
}

TEST_F(ChannelCommandsTest, DeleteTakesTheKeysOutOfTheGroups) {
    AddTv({"a", "b", "c"});
    db->tv[0].set_fav(0, true);
    db->tv[1].set_fav(0, true);
    db->tv[1].set_fav(7, true);
    RebuildFavouriteGroups(*db);
    const uint32_t kept = db->tv[0].key();
    ListAll();
    prompter.answers.push_back(Answer::Yes);
    ASSERT_EQ(Run(kCmdDeleteChannel, {1}), 1);
    EXPECT_EQ(GroupKeys(*db, 0), std::vector<uint32_t>{kept});
    EXPECT_TRUE(GroupKeys(*db, 7).empty());
}

// Swap and Move

TEST_F(ChannelCommandsTest, SwapExchangesTheTwoRowsRecords) {
    AddTv({"a", "b", "c"});
    ListAll();
    dialogs.move.push_back(MoveTo("1"));
    ASSERT_EQ(Run(kCmdSwapChannel, {2}), 1);
    EXPECT_EQ(dialogs.moves_offered[0].from, 3);
    EXPECT_EQ(dialogs.moves_offered[0].to, 1);
    EXPECT_EQ(Names(*db), (std::vector<std::string>{"c", "b", "a"}));
}

// The command runs, but leaves every byte: no step, so the database stays unmodified.
TEST_F(ChannelCommandsTest, SwapWithItselfRunsButChangesNoByte) {
    AddTv({"a", "b"});
    ListAll();
    dialogs.move.push_back(MoveTo("2"));
    ASSERT_EQ(Run(kCmdSwapChannel, {1}), 1);
    EXPECT_EQ(Names(*db), (std::vector<std::string>{"a", "b"}));
    EXPECT_FALSE(watch.changed());
}

TEST_F(ChannelCommandsTest, SwapOrMoveOutsideTheListedRowsIsOutOfRange) {
    AddTv({"a", "b"}, 4);
    AddTv({"x"}, 9);
    list.FillSatelliteChannels(*db, 0);
    // Three channels in the table, but only two rows listed.
    for (const char* to : {"0", "3"}) {
        dialogs.move.push_back(MoveTo(to));
        EXPECT_EQ(Run(kCmdSwapChannel, {0}), 0);
        dialogs.move.push_back(MoveTo(to));
        EXPECT_EQ(Run(kCmdMoveChannel, {0}), 0);
    }
    EXPECT_EQ(prompter.texts(), std::vector<std::string>(4, "Out of Range"));
    EXPECT_EQ(Names(*db), (std::vector<std::string>{"a", "b", "x"}));
    EXPECT_FALSE(watch.changed());
    EXPECT_EQ(list.last_move_target(), 0);
}

TEST_F(ChannelCommandsTest, MoveShiftsTheRowsBetween) {
    AddTv({"1", "2", "3", "4", "5"});
    ListAll();
    dialogs.move.push_back(MoveTo("1"));
    ASSERT_EQ(Run(kCmdMoveChannel, {2}), 1);
    EXPECT_EQ(Names(*db), (std::vector<std::string>{"3", "1", "2", "4", "5"}));
    dialogs.move.push_back(MoveTo("5"));
    ASSERT_EQ(Run(kCmdMoveChannel, {1}), 1);
    EXPECT_EQ(Names(*db), (std::vector<std::string>{"3", "2", "4", "5", "1"}));
}

TEST_F(ChannelCommandsTest, MoveOffersTheRowAfterTheLastTarget) {
    AddTv({"1", "2", "3", "4", "5"});
    ListAll();
    dialogs.move.push_back(MoveTo("1"));
    ASSERT_EQ(Run(kCmdMoveChannel, {2}), 1);
    EXPECT_EQ(list.last_move_target(), 1);
    dialogs.move.push_back(MoveTo("2"));
    ASSERT_EQ(Run(kCmdMoveChannel, {3}), 1);
    EXPECT_EQ(dialogs.moves_offered[1].from, 4);
    EXPECT_EQ(dialogs.moves_offered[1].to, 2);
    // A channel at or above the remembered target is offered row 1.
    dialogs.move.push_back(Cancel<MoveForm>());
    EXPECT_EQ(Run(kCmdMoveChannel, {1}), 0);
    EXPECT_EQ(dialogs.moves_offered[2].to, 1);
    EXPECT_EQ(list.last_move_target(), 0);
}

TEST_F(ChannelCommandsTest, MoveInASatelliteListKeepsOtherChannelsInPlace) {
    AddTv({"a"}, 4);
    AddTv({"x"}, 9);
    AddTv({"b"}, 4);
    AddTv({"y"}, 9);
    AddTv({"c"}, 4);
    list.FillSatelliteChannels(*db, 0);
    dialogs.move.push_back(MoveTo("1"));
    ASSERT_EQ(Run(kCmdMoveChannel, {2}), 1);
    EXPECT_EQ(Names(*db), (std::vector<std::string>{"c", "x", "a", "y", "b"}));
}

TEST(MoveFormChecks, ToMustBeAnInteger) {
    MoveForm form(3, 1);
    EXPECT_EQ(form.from_text(), "3");
    form.to_text = "two";
    auto failure = ValidateAndApply(form, form.to);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->message, "Please enter an integer.");
    EXPECT_EQ(failure->control, kIdMoveTo);
    EXPECT_EQ(form.to, 1);
    form.to_text = "-4";  // the caller judges the range
    EXPECT_FALSE(ValidateAndApply(form, form.to));
    EXPECT_EQ(form.to, -4);
}

}  // namespace
}  // namespace velmora
