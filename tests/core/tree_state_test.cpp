// The node map and what selecting a tree node does to the list and the current selection.

#include <gtest/gtest.h>

#include "satellites/TreeState.h"

namespace velmora {
namespace {

// Two satellites; transponders in table order: sat 1, sat 0, sat 1, sat 1, sat 0, sat 1.
// Channels: one per transponder id, plus one on an id no transponder carries.
class TreeSelection : public ::testing::Test {
protected:
    void SetUp() override {
        Database& d = *db;
        d.set_sat_count(2);
        const int sats[] = {1, 0, 1, 1, 0, 1};
        for (int i = 0; i < 6; ++i) {
            d.transponders[i].set_satellite(static_cast<uint8_t>(sats[i]));
            d.transponders[i].set_tp_id(static_cast<uint16_t>(10 + i));
            d.tv[i].set_tp_id(static_cast<uint16_t>(10 + i));
            d.tv[i].set_fav(2, i % 2 == 0);
        }
        d.tv[6].set_tp_id(99);
        d.set_tp_count(6);
        d.set_tv_count(7);
        d.database_open = true;
        map.Build(d, 0);
        map.Build(d, 1);
        list.FillAllChannels(d);
    }

    std::unique_ptr<Database> db = std::make_unique<Database>();
    NodeMap map;
    ChannelList list;
};

TEST_F(TreeSelection, NodeMapListsEachSatellitesTranspondersInTableOrder) {
    EXPECT_EQ(map.entries(0), (std::vector<int>{1, 4}));
    EXPECT_EQ(map.entries(1), (std::vector<int>{0, 2, 3, 5}));
    EXPECT_EQ(map.TableIndex(1, 4), -1);
}

TEST_F(TreeSelection, RemovingATransponderShiftsLaterIndexesOfEverySatellite) {
    map.RemoveTransponder(1, 1);  // table index 2
    EXPECT_EQ(map.entries(1), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(map.entries(0), (std::vector<int>{1, 3}));
}

TEST_F(TreeSelection, ThirdTransponderOfSecondSatelliteListsItsChannels) {
    ASSERT_TRUE(SelectTreeNode(*db, list, map, {TreeNodeKind::Transponder, 1, 2}));
    EXPECT_EQ(list.current_satellite(), 1);
    EXPECT_EQ(list.current_tp_id(), 13);
    EXPECT_EQ(list.list_mode(), kListTransponder);
    EXPECT_EQ(list.row_map(), std::vector<int>{3});
}

TEST_F(TreeSelection, SatelliteListsTheChannelsOfItsTransponders) {
    ASSERT_TRUE(SelectTreeNode(*db, list, map, {TreeNodeKind::Satellite, 0, -1}));
    EXPECT_EQ(list.current_satellite(), 0);
    EXPECT_EQ(list.current_tp_id(), -1);
    EXPECT_EQ(list.list_mode(), kListSatellite);
    EXPECT_EQ(list.row_map(), (std::vector<int>{1, 4}));
}

TEST_F(TreeSelection, ChannelListListsEveryChannelAndClearsTheSelection) {
    SelectTreeNode(*db, list, map, {TreeNodeKind::Transponder, 1, 0});
    ASSERT_TRUE(SelectTreeNode(*db, list, map, {TreeNodeKind::ChannelList}));
    EXPECT_EQ(list.current_satellite(), -1);
    EXPECT_EQ(list.current_tp_id(), -1);
    EXPECT_EQ(list.list_mode(), kListAll);
    EXPECT_EQ(list.row_count(), 7);
}

TEST_F(TreeSelection, GroupListsItsMarkedChannels) {
    SelectTreeNode(*db, list, map, {TreeNodeKind::Satellite, 1, -1});
    ASSERT_TRUE(SelectTreeNode(*db, list, map, {TreeNodeKind::FavouriteGroup, -1, 2}));
    EXPECT_EQ(list.list_mode(), kListFavourite);
    EXPECT_EQ(list.row_map(), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(list.current_satellite(), -1);
    EXPECT_EQ(list.current_tp_id(), -1);
}

TEST_F(TreeSelection, OtherNodesLeaveListAndSelectionAlone) {
    SelectTreeNode(*db, list, map, {TreeNodeKind::Transponder, 1, 2});
    for (TreeNodeKind kind :
         {TreeNodeKind::AllServices, TreeNodeKind::Antenna, TreeNodeKind::FavList,
          TreeNodeKind::ParentalControl, TreeNodeKind::OtherSetting, TreeNodeKind::None}) {
        EXPECT_FALSE(SelectTreeNode(*db, list, map, {kind}));
        EXPECT_EQ(list.current_satellite(), 1);
        EXPECT_EQ(list.current_tp_id(), 13);
        EXPECT_EQ(list.list_mode(), kListTransponder);
        EXPECT_EQ(list.row_map(), std::vector<int>{3});
    }
}

TEST_F(TreeSelection, NothingHappensWhileNoDatabaseIsOpen) {
    list.ClearList();
    db->database_open = false;
    EXPECT_FALSE(SelectTreeNode(*db, list, map, {TreeNodeKind::ChannelList}));
    EXPECT_EQ(list.row_count(), 0);
    EXPECT_EQ(list.current_satellite(), -1);
}

}  // namespace
}  // namespace velmora
