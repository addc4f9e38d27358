#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "channels/ChannelList.h"
#include "database/Upkeep.h"
#include "printing/ChannelPrintLayout.h"

namespace velmora {
namespace {

constexpr PrinterMetrics kPrinter300{3424, 300, 50};

class ChannelPrintLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        db = std::make_unique<Database>();
        ResetToNewDatabase(*db);
        db->database_open = true;
    }

    void AddChannels(const std::vector<std::string>& names) {
        int n = db->tv_count();
        for (const auto& name : names) {
            Channel& ch = db->tv[n++];
            ch.set_name(name);
            ch.set_video_pid(101);
        }
        db->set_tv_count(n);
        list.FillAllChannels(*db);
    }

    void AddNumberedChannels(int count) {
        std::vector<std::string> names;
        for (int i = 0; i < count; ++i) names.push_back("Chan " + std::to_string(i));
        AddChannels(names);
    }

    void ShowOnly(std::initializer_list<int> columns) {
        list.column_visible.fill(false);
        for (int c : columns) list.column_visible[c] = true;
    }

    ChannelPrintLayout Begin(PrinterMetrics printer = kPrinter300) {
        return ChannelPrintLayout::Begin(*db, list, printer);
    }

    std::unique_ptr<Database> db;
    ChannelList list;
};

TEST_F(ChannelPrintLayoutTest, HeaderAndRowLineOfIndexNameLock) {
    AddChannels({"Test 1", "Test 100"});
    db->tv[0].set_locked(1);
    list.ShowTable(*db, ChannelTable::Tv);
    ShowOnly({kColIndex, kColName, kColLock});

    const auto layout = Begin();
    EXPECT_EQ(layout.widths[kColName], 8);
    EXPECT_EQ(layout.HeaderLine(), "|Index|  Name  | Lock |");
    EXPECT_EQ(layout.RowLine(*db, list, 0), " 1     Test 1   Lock   ");
}

// Every header segment is as long as its row slot, so each bar stands above the slot's
// last, blank character; "Unlock" and "Yes" fill their slots without pushing the line.
TEST_F(ChannelPrintLayoutTest, HeaderBarsStandAboveTheLastBlankOfEachSlot) {
    AddChannels({"Das Erste HD", "ZDF"});
    db->tv[0].set_fav(0, true);
    db->tv[0].set_fav(7, true);
    db->tv[0].set_fta(1);
    list.ShowTable(*db, ChannelTable::Tv);

    const auto layout = Begin();
    const std::string header = layout.HeaderLine();
    for (int row = 0; row < 2; ++row) {
        const std::string line = layout.RowLine(*db, list, row);
        ASSERT_EQ(line.size(), header.size()) << line;
        for (size_t i = 1; i < header.size(); ++i) {
            if (header[i] == '|') {
                EXPECT_EQ(line[i], ' ') << "column bar at " << i << " of " << line;
            }
        }
    }
    EXPECT_NE(layout.RowLine(*db, list, 1).find("Unlock "), std::string::npos);
}

TEST_F(ChannelPrintLayoutTest, FavouriteColumnsPrintFixedHeaders) {
    db->settings.set_fav_name(0, "Sport");
    AddChannels({"Eurosport"});
    ShowOnly({kColIndex, kColName, kColFav1});

    EXPECT_EQ(Begin().HeaderLine(), "|Index|   Name   |FAV1|");
}

TEST_F(ChannelPrintLayoutTest, OddLongestNameWidensNameByOne) {
    AddChannels({"ARD", "Phoenix"});  // 7 characters
    ShowOnly({kColIndex, kColName});

    const auto layout = Begin();
    EXPECT_EQ(layout.widths[kColName], 8);
    EXPECT_EQ(layout.HeaderLine(), "|Index|  Name  |");
}

TEST_F(ChannelPrintLayoutTest, NamesShorterThanHeaderKeepTheHeaderWidth) {
    AddChannels({"N3", "BR"});
    ShowOnly({kColIndex, kColName});

    const auto layout = Begin();
    EXPECT_EQ(layout.widths[kColName], 4);
    const std::string header = layout.HeaderLine();
    const std::string row = layout.RowLine(*db, list, 0);
    EXPECT_EQ(header, "|Index|Name|");
    EXPECT_EQ(row, " 1     N3   ");
    EXPECT_EQ(row.size(), header.size());
}

TEST_F(ChannelPrintLayoutTest, CellLongerThanItsSlotIsKeptWhole) {
    const std::vector<int> columns = {kColIndex, kColName};
    auto widths = DefaultPrintWidths();
    widths[kColName] = 4;
    EXPECT_EQ(BuildRowLine({"12345678", "Sky Cinema"}, columns, widths), " 12345678Sky Cinema");
}

TEST_F(ChannelPrintLayoutTest, BodyFontStaysWithin40And160Tenths) {
    AddChannels({"ORF1", "ORF2"});
    ShowOnly({kColIndex, kColName});
    EXPECT_EQ(Begin().body_tenths, 160);  // 8012 / 9 would be 890

    list.column_visible.fill(true);
    EXPECT_EQ(Begin().body_tenths, 8012 / (5 + 4 + 7 + 6 + 9 + 9 + 7 + 7 + 8 * 4));

    EXPECT_EQ(BodyFontTenths(200), 40);
    EXPECT_EQ(BodyFontTenths(1000), 40);
    EXPECT_EQ(BodyFontTenths(50), 160);
}

TEST_F(ChannelPrintLayoutTest, ZeroCharHeightFallsBackToTheDeviceFont) {
    AddChannels({"ORF1"});
    const auto layout = Begin({3424, 0, 50});
    EXPECT_EQ(layout.line_height, 54);
}

TEST_F(ChannelPrintLayoutTest, RowsPerPageRowsFillOnePageAndOneMoreAddsASecond) {
    ShowOnly({kColIndex, kColName});
    const PrinterMetrics printer{1000, 300, 50};  // line height 70: (800 / 70) - 1 = 10 rows
    AddNumberedChannels(10);
    auto layout = Begin(printer);
    ASSERT_EQ(layout.rows_per_page, 10);
    EXPECT_EQ(layout.page_count, 1);
    EXPECT_EQ(layout.PageRows(1).size(), 10);

    AddNumberedChannels(1);
    layout = Begin(printer);
    EXPECT_EQ(layout.page_count, 2);
    EXPECT_EQ(layout.PageRows(1).size(), 10);
    EXPECT_EQ(layout.PageRows(2).first, 10);
    EXPECT_EQ(layout.PageRows(2).size(), 1);
    EXPECT_EQ(layout.PageRows(3).size(), 0);
}

TEST_F(ChannelPrintLayoutTest, EmptyListPrintsOneHeaderOnlyPage) {
    list.FillAllChannels(*db);
    const auto layout = Begin();
    EXPECT_EQ(layout.page_count, 1);
    EXPECT_EQ(layout.PageRows(1).size(), 0);
    EXPECT_EQ(layout.HeaderLine().substr(0, 12), "|Index|Name|");
}

TEST_F(ChannelPrintLayoutTest, PageTooShortForItsHeaderStillPrintsOneRowPerPage) {
    AddNumberedChannels(3);
    const auto layout = Begin({150, 300, 50});
    EXPECT_EQ(layout.rows_per_page, 1);
    EXPECT_EQ(layout.page_count, 3);
    EXPECT_EQ(layout.PageRows(3).first, 2);
    EXPECT_EQ(layout.PageRows(3).size(), 1);
}

TEST_F(ChannelPrintLayoutTest, RowLinesFollowTheListingNotTheTable) {
    AddChannels({"Radio Bremen", "Astra Info", "Sat.1"});
    db->tv[1].set_tp_id(7);
    list.FillTransponderChannels(*db, 7);
    const auto layout = Begin();
    ASSERT_EQ(layout.row_count, 1);
    EXPECT_EQ(layout.RowLine(*db, list, 0).substr(0, 17), " 1     Astra Info");
}

}  // namespace
}  // namespace velmora
