// The list keeps the user's place through the channel commands: the same channels stay
// selected and current wherever the command put them.

#include <gtest/gtest.h>

#include "channels/ListPlace.h"
#include "tests/core/channel_bench.h"

namespace velmora {
namespace {

using testing::Append;
using testing::ConfirmChannel;
using testing::MakeChannel;
using testing::MoveTo;

class ListPlaceTest : public testing::ChannelBenchTest {
protected:
    void SetUp() override {
        testing::AddSatellite(*db, "Astra");
        testing::AddTransponder(*db, 0, 4);
        int service = 0;
        for (const char* name : {"e", "b", "d", "a", "c"})
            Append(*db, false,
                   MakeChannel({.name = name, .tp_id = 4, .service = ++service, .pcr_pid = 100}));
        list.FillAllChannels(*db);
    }

    // Runs command `id` on `selected` with `current` as the current row, and returns
    // where the place is found afterwards, as its row keeps it.
    ListRows RunKeepingPlace(int id, std::vector<int> selected, int current) {
        const ListPlace place = TakeListPlace(*db, list, selected, current);
        EXPECT_EQ(Run(id, std::move(selected)), 1);
        const bool by_position = FindCommand(id)->keep_place == KeepPlace::ByRecordOrPosition;
        return FindListPlace(place, *db, list, by_position);
    }
};

TEST_F(ListPlaceTest, SortKeepsTheSameChannelsSelected) {
    // "e" and "a" selected, "a" current; after A--->Z they stand in rows 4 and 0.
    const ListRows rows = RunKeepingPlace(kCmdSortAToZ, {0, 3}, 3);
    EXPECT_EQ(testing::Names(*db), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(rows.selected, (std::vector<int>{0, 4}));
    EXPECT_EQ(rows.current, 0);
}

TEST_F(ListPlaceTest, MoveAndSwapFollowTheMovedChannel) {
    dialogs.move.push_back(MoveTo("4"));
    ListRows rows = RunKeepingPlace(kCmdMoveChannel, {0}, 0);
    EXPECT_EQ(testing::Names(*db), (std::vector<std::string>{"b", "d", "a", "e", "c"}));
    EXPECT_EQ(rows.selected, std::vector<int>{3});
    EXPECT_EQ(rows.current, 3);

    dialogs.move.push_back(MoveTo("1"));
    rows = RunKeepingPlace(kCmdSwapChannel, {4}, 4);
    EXPECT_EQ(testing::Names(*db), (std::vector<std::string>{"c", "d", "a", "e", "b"}));
    EXPECT_EQ(rows.selected, std::vector<int>{0});
}

TEST_F(ListPlaceTest, DeleteSelectsTheRowAfterTheDeletedOnes) {
    prompter.answers.push_back(Answer::Yes);
    ListRows rows = RunKeepingPlace(kCmdDeleteChannel, {1, 2}, 2);
    EXPECT_EQ(testing::Names(*db), (std::vector<std::string>{"e", "a", "c"}));
    EXPECT_EQ(rows.selected, std::vector<int>{1}) << "\"a\", which followed them";
    EXPECT_EQ(rows.current, 1);

    prompter.answers.push_back(Answer::Yes);
    rows = RunKeepingPlace(kCmdDeleteChannel, {2}, 2);
    EXPECT_EQ(rows.selected, std::vector<int>{1}) << "the new last row";
}

TEST_F(ListPlaceTest, EditKeepsTheEditedChannelAndAddKeepsTheSelection) {
    dialogs.channel.push_back(ConfirmChannel(prompter, [](ChannelForm& f) { f.name = "z"; }));
    ListRows rows = RunKeepingPlace(kCmdEditChannel, {1, 2}, 2);
    EXPECT_EQ(testing::Names(*db)[2], "z");
    EXPECT_EQ(rows.selected, (std::vector<int>{1, 2}));
    EXPECT_EQ(rows.current, 2);

    dialogs.channel.push_back(ConfirmChannel(prompter, [](ChannelForm& f) {
        f.pcr_pid = f.video_pid = "100";
        f.SelectSatellite(0);
    }));
    rows = RunKeepingPlace(kCmdAddChannel, {3}, 3);
    EXPECT_EQ(list.row_count(), 6);
    EXPECT_EQ(rows.selected, std::vector<int>{3});
}

TEST_F(ListPlaceTest, AnotherTableShownFindsNothing) {
    const ListPlace place = TakeListPlace(*db, list, {1}, 1);
    list.ShowTable(*db, ChannelTable::Radio);
    const ListRows rows = FindListPlace(place, *db, list, false);
    EXPECT_TRUE(rows.selected.empty());
    EXPECT_EQ(rows.current, -1);
}

}  // namespace
}  // namespace velmora
