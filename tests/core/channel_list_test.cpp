// What the channel list shows: filters, row map, cell texts, headers, the column choice.

#include <gtest/gtest.h>

#include "channels/ChannelList.h"
#include "channels/ShowInfoForm.h"
#include "database/Upkeep.h"

namespace velmora {
namespace {

class ChannelListing : public ::testing::Test {
protected:
    void SetUp() override {
        Database& d = *db;
        ResetToNewDatabase(d);
        d.set_sat_count(2);
        d.transponders[0].set_tp_id(5), d.transponders[0].set_satellite(1);
        d.transponders[1].set_tp_id(6), d.transponders[1].set_satellite(0);
        d.transponders[2].set_tp_id(7), d.transponders[2].set_satellite(1);
        d.set_tp_count(3);
        // TV: ids 7, 6, 5, 40 (no transponder), 5; marks for group 1 on positions 1, 2, 4.
        const int ids[] = {7, 6, 5, 40, 5};
        for (int i = 0; i < 5; ++i) {
            Channel& ch = d.tv[i];
            ch.set_name("TV " + std::to_string(i));
            ch.set_tp_id(static_cast<uint16_t>(ids[i]));
            ch.set_service_number(static_cast<uint16_t>(100 + i));
            ch.set_fav(1, i == 1 || i == 2 || i == 4);
        }
        d.set_tv_count(5);
        for (int i = 0; i < 2; ++i) {
            d.radio[i].set_name("Radio " + std::to_string(i));
            d.radio[i].set_tp_id(5);
            d.radio[i].set_video_pid(8191);
            d.radio[i].set_fav(1, i == 1);
        }
        d.set_radio_count(2);
        RebuildFavouriteGroups(d);
        d.database_open = true;
    }

    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (int r = 0; r < list.row_count(); ++r) names.push_back(list.CellText(*db, r, kColName));
        return names;
    }

    std::unique_ptr<Database> db = std::make_unique<Database>();
    ChannelList list;
};

TEST_F(ChannelListing, IndexCountsRowsWhileTheRowMapGivesTablePositions) {
    list.FillSatelliteChannels(*db, 1);
    EXPECT_EQ(list.row_map(), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(list.CellText(*db, 0, kColIndex), "1");
    EXPECT_EQ(list.CellText(*db, 2, kColIndex), "3");
    EXPECT_EQ(Names(), (std::vector<std::string>{"TV 0", "TV 2", "TV 4"}));
}

TEST_F(ChannelListing, ChannelOfAnUnknownTransponderIsListedUnderAllOnly) {
    list.FillAllChannels(*db);
    EXPECT_EQ(list.row_count(), 5);
    list.FillSatelliteChannels(*db, 0);
    EXPECT_EQ(list.row_map(), std::vector<int>{1});
    list.FillTransponderChannels(*db, 40);
    EXPECT_EQ(list.row_map(), std::vector<int>{3});
}

TEST_F(ChannelListing, TransponderIdMinusOneMatchesNothing) {
    list.FillTransponderChannels(*db, -1);
    EXPECT_EQ(list.row_count(), 0);
    list.FillSatelliteChannels(*db, -1);
    EXPECT_EQ(list.row_count(), 0);
}

TEST_F(ChannelListing, NothingIsListedWithoutAnOpenDatabase) {
    db->database_open = false;
    list.FillAllChannels(*db);
    EXPECT_EQ(list.row_count(), 0);
    EXPECT_EQ(list.ShownColumns().size(), 16u);
}

TEST_F(ChannelListing, RefreshListSwitchesTableAndKeepsTheFilter) {
    list.FillTransponderChannels(*db, 5);
    list.ShowTable(*db, ChannelTable::Radio);
    EXPECT_EQ(list.shown_table(), ChannelTable::Radio);
    EXPECT_EQ(list.list_mode(), kListTransponder);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Radio 0", "Radio 1"}));
}

TEST_F(ChannelListing, FavouriteGroupRowsAndRowMapStayInTableOrder) {
    // Group 1's TV keys in an order that differs from table order.
    FavouriteGroups& f = db->favourites;
    const uint32_t k1 = db->tv[1].key(), k2 = db->tv[2].key(), k4 = db->tv[4].key();
    f.set_entry(1, false, 0, k4), f.set_entry(1, false, 1, k1), f.set_entry(1, false, 2, k2);
    list.FillFavouriteChannels(*db, 1);
    EXPECT_EQ(list.row_map(), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(Names(), (std::vector<std::string>{"TV 1", "TV 2", "TV 4"}));
}

TEST_F(ChannelListing, RefreshListRelistsTheFavouriteGroup) {
    list.FillFavouriteChannels(*db, 1);
    db->tv[2].set_fav(1, false);  // a command clears a mark, then refreshes
    list.ShowTable(*db, ChannelTable::Tv);
    EXPECT_EQ(list.row_map(), (std::vector<int>{1, 4}));
    list.ShowTable(*db, ChannelTable::Radio);
    EXPECT_EQ(list.list_mode(), kListFavourite);
    EXPECT_EQ(Names(), std::vector<std::string>{"Radio 1"});
}

// A listing is a view: a stale key stays for the commands to mend, the list shows marks.
TEST_F(ChannelListing, ListingAGroupLeavesItsKeysAlone) {
    db->tv[4].set_fav(1, false);
    list.FillFavouriteChannels(*db, 1);
    EXPECT_EQ(db->favourites.tv_key_count(1), 3);
    EXPECT_EQ(db->favourites.radio_key_count(1), 1);
    EXPECT_EQ(list.row_map(), (std::vector<int>{1, 2}));
}

TEST_F(ChannelListing, CellTextsOfTheSixteenColumns) {
    Channel ch;
    ch.set_name("Nova TV");
    ch.set_video_pid(8191);
    ch.set_pcr_pid(0xFFFF);
    ch.set_ttx_pid(33);
    ch.bytes[8] = 0x2C, ch.bytes[9] = 0x01;  // first audio PID 300
    ch.set_fav(5, true);
    EXPECT_EQ(ChannelList::CellText(ch, 6, kColIndex), "7");
    EXPECT_EQ(ChannelList::CellText(ch, 0, kColName), "Nova TV");
    EXPECT_EQ(ChannelList::CellText(ch, 0, kColFtaCas), "CAS");
    EXPECT_EQ(ChannelList::CellText(ch, 0, kColLock), "Unlock");
    EXPECT_EQ(ChannelList::CellText(ch, 0, kColVideoPid), "8191");
    EXPECT_EQ(ChannelList::CellText(ch, 0, kColAudioPid), "300");
    EXPECT_EQ(ChannelList::CellText(ch, 0, kColPcrPid), "-1");
    EXPECT_EQ(ChannelList::CellText(ch, 0, kColTxtPid), "33");
    EXPECT_EQ(ChannelList::CellText(ch, 0, kColFav1), " ");
    EXPECT_EQ(ChannelList::CellText(ch, 0, kColFav1 + 5), "Yes");
    ch.set_fta(1);
    ch.set_locked(1);
    EXPECT_EQ(ChannelList::CellText(ch, 0, kColFtaCas), "FTA");
    EXPECT_EQ(ChannelList::CellText(ch, 0, kColLock), "Lock");
}

TEST_F(ChannelListing, FavouriteHeadersShowGroupNamesWhileOpen) {
    db->settings.set_fav_name(2, "Nachrichten");
    EXPECT_EQ(ChannelList::ColumnHeader(*db, kColFav1 + 2), "Nachrichten");
    EXPECT_EQ(ChannelList::ColumnHeader(*db, kColTxtPid), "TXT PID");
    db->database_open = false;
    EXPECT_EQ(ChannelList::ColumnHeader(*db, kColFav1 + 2), "FAV3");
}

class ShowInfoHostStub : public ShowInfoDialogHost {
public:
    std::function<bool(ShowInfoForm&)> run;
    bool RunShowInfo(ShowInfoForm& form) override { return run(form); }
};

TEST_F(ChannelListing, DefaultColumnChoiceGivesElevenColumns) {
    list.FillAllChannels(*db);
    ShowInfoHostStub host;
    host.run = [](ShowInfoForm& form) {
        form.checked.fill(false);
        form.SetDefault();
        return true;
    };
    ASSERT_TRUE(ShowChannelInfo(list, host));
    list.Relist(*db);  // as the view does
    EXPECT_EQ(
        list.ShownColumns(),
        (std::vector<int>{kColIndex, kColName, kColFtaCas, kColLock, kColVideoPid, kColAudioPid,
                          kColPcrPid, kColFav1, kColFav1 + 1, kColFav1 + 2, kColFav1 + 3}));
    EXPECT_EQ(list.row_count(), 5);
}

TEST_F(ChannelListing, ColumnChoiceOfNoBoxesLeavesIndexAndName) {
    ShowInfoHostStub host;
    host.run = [](ShowInfoForm& form) {
        form.checked.fill(false);
        return true;
    };
    ASSERT_TRUE(ShowChannelInfo(list, host));
    EXPECT_EQ(list.ShownColumns(), (std::vector<int>{kColIndex, kColName}));
}

TEST_F(ChannelListing, ColumnChoiceCancelledChangesNothing) {
    ShowInfoHostStub host;
    host.run = [](ShowInfoForm& form) {
        form.checked.fill(false);
        return false;
    };
    EXPECT_FALSE(ShowChannelInfo(list, host));
    EXPECT_EQ(list.ShownColumns().size(), 16u);
}

TEST_F(ChannelListing, ColumnChoiceDialogOpensWithTheCurrentFlags) {
    list.column_visible[kColLock] = false;
    ShowInfoHostStub host;
    bool lock_box = true;
    host.run = [&](ShowInfoForm& form) {
        lock_box = form.checked[kColLock];
        return false;
    };
    ShowChannelInfo(list, host);
    EXPECT_FALSE(lock_box);
}

}  // namespace
}  // namespace velmora
