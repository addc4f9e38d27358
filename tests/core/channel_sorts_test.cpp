#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "channels/ChannelSorts.h"
#include "tests/core/channel_bench.h"

namespace velmora {
namespace {

using testing::AddSatellite;
using testing::AddTransponder;
using testing::Append;
using testing::MakeChannel;
using testing::Names;

class ChannelSortsTest : public testing::ChannelBenchTest {
protected:
    int Run(int id, int radio = 0) {
        list.ShowTable(*db, radio ? ChannelTable::Radio : ChannelTable::Tv);
        return ChannelBenchTest::Run(id);
    }

    // TV channels: (name, tp_id) pairs, service numbers in table order.
    void AddTv(const std::vector<std::pair<std::string, int>>& channels) {
        for (const auto& [name, tp] : channels)
            Append(*db, false,
                   MakeChannel(
                       {.name = name, .tp_id = tp, .service = db->tv_count() + 1, .pcr_pid = 100}));
    }
};

// The receiver's own sort: passes of neighbour exchanges, equal names never exchanged.
std::vector<std::string> BubbleSorted(std::vector<std::string> names, bool descending) {
    const int n = static_cast<int>(names.size());
    for (int k = 0; k + 1 < n; ++k) {
        for (int j = 0; j + 1 < n - k; ++j) {
            const int c = CompareNames(names[j], names[j + 1]);
            if (descending ? c < 0 : c > 0) std::swap(names[j], names[j + 1]);
        }
    }
    return names;
}

TEST(NameComparison, FoldsCaseAsIso8859_1) {
    EXPECT_EQ(CompareNames("abc", "ABC"), 0);
    EXPECT_EQ(CompareNames("\xE9t\xE9", "\xC9T\xC9"), 0);  // été, ÉTÉ
    EXPECT_EQ(CompareNames("\xFE", "\xDE"), 0);            // þ, Þ
    EXPECT_NE(CompareNames("\xF7", "\xD7"), 0);            // ÷ is no letter
    EXPECT_NE(CompareNames("\xFF", "\x9F"), 0);            // ÿ has no capital here
    EXPECT_LT(CompareNames("Z", "\xC0"), 0);               // bytes compare unsigned
    EXPECT_LT(CompareNames("ab", "abc"), 0);               // a prefix is less
    EXPECT_GT(CompareNames("b", "ABC"), 0);
}

TEST_F(ChannelSortsTest, EqualNamesKeepTheirOrder) {
    AddTv({{"bbc", 0}, {"Abc", 0}, {"abc", 0}});
    ASSERT_EQ(Run(kCmdSortAToZ), 1);
    EXPECT_EQ(Names(*db), (std::vector<std::string>{"Abc", "abc", "bbc"}));

    db->tv[0].set_name("bbc");
    db->tv[1].set_name("Abc");
    db->tv[2].set_name("abc");
    ASSERT_EQ(Run(kCmdSortZToA), 1);
    EXPECT_EQ(Names(*db), (std::vector<std::string>{"bbc", "Abc", "abc"}));
}

TEST_F(ChannelSortsTest, NameSortsEqualTheBubbleSortOnRandomLists) {
    std::mt19937 random(20051223);
    const std::vector<std::string> pool = {"bbc",       "BBC",       "Bbc", "abc", "ABC", "ab",  "",
                                           "\xE9t\xE9", "\xC9T\xC9", "z",   "Z",   "zz",  "\xF7"};
    for (int round = 0; round < 40; ++round) {
        for (bool descending : {false, true}) {
            db->set_tv_count(0);
            const int n = 1 + static_cast<int>(random() % 60);
            std::vector<std::string> names;
            for (int i = 0; i < n; ++i) {
                // The service number records the old position, so equal names are told apart.
                const std::string base = pool[random() % pool.size()];
                names.push_back(base);
                Append(*db, false,
                       MakeChannel({.name = base, .tp_id = 0, .service = i + 1, .pcr_pid = 100}));
            }
            ASSERT_EQ(Run(descending ? kCmdSortZToA : kCmdSortAToZ), 1);
            // Same names in the same order, and equal names in their old order.
            EXPECT_EQ(Names(*db), BubbleSorted(names, descending));
            for (int i = 0; i + 1 < n; ++i) {
                if (CompareNames(db->tv[i].name(), db->tv[i + 1].name()) == 0) {
                    EXPECT_LT(db->tv[i].service_number(), db->tv[i + 1].service_number());
                }
            }
        }
    }
}

TEST_F(ChannelSortsTest, NameSortInASatelliteListUsesOnlyItsPositions) {
    AddSatellite(*db, "Astra");
    AddSatellite(*db, "Hotbird");
    AddTransponder(*db, 0, 4);
    AddTransponder(*db, 1, 9);
    AddTv({{"d", 4}, {"m", 9}, {"c", 4}, {"a", 9}, {"b", 4}});
    list.FillSatelliteChannels(*db, 0);
    ASSERT_EQ(Run(kCmdSortAToZ), 1);
    EXPECT_EQ(Names(*db), (std::vector<std::string>{"b", "m", "c", "a", "d"}));
}

TEST_F(ChannelSortsTest, TransponderSortKeepsEveryRecordOnce) {
    AddTv({{"a", 5}, {"b", 2500}, {"c", 1}, {"d", 5}, {"e", 2000}, {"f", 0}, {"g", 1999}});
    ASSERT_EQ(Run(kCmdSortByTransponder), 1);
    // Ordered by id; ids of 2000 and more follow in their old order.
    EXPECT_EQ(Names(*db), (std::vector<std::string>{"f", "c", "a", "d", "g", "b", "e"}));
    EXPECT_EQ(list.row_count(), 7);
    EXPECT_TRUE(watch.changed());
}

TEST_F(ChannelSortsTest, SatelliteSortKeepsChannelsWithoutTransponderAfterTheOthers) {
    AddSatellite(*db, "Astra");
    AddSatellite(*db, "Hotbird");
    AddTransponder(*db, 1, 4);
    AddTransponder(*db, 0, 9);
    AddTransponder(*db, 0, 4);  // a later duplicate id: the first one decides
    AddTv({{"h1", 4}, {"lost1", 77}, {"a1", 9}, {"h2", 4}, {"lost2", 3000}, {"a2", 9}});
    ASSERT_EQ(Run(kCmdSortBySatellite), 1);
    EXPECT_EQ(Names(*db), (std::vector<std::string>{"a1", "a2", "h1", "h2", "lost1", "lost2"}));
}

TEST_F(ChannelSortsTest, TransponderThenSatelliteGivesTransponderOrderWithinSatellites) {
    AddSatellite(*db, "Astra");
    AddSatellite(*db, "Hotbird");
    AddTransponder(*db, 1, 3);
    AddTransponder(*db, 0, 8);
    AddTransponder(*db, 0, 2);
    AddTv({{"h3", 3}, {"a8", 8}, {"a2", 2}, {"h3b", 3}, {"a8b", 8}});
    ASSERT_EQ(Run(kCmdSortByTransponder), 1);
    ASSERT_EQ(Run(kCmdSortBySatellite), 1);
    EXPECT_EQ(Names(*db), (std::vector<std::string>{"a2", "a8", "a8b", "h3", "h3b"}));
}

TEST_F(ChannelSortsTest, SortsWorkOnTheRadioTableWhenItIsShown) {
    AddTv({{"tv-z", 1}, {"tv-a", 0}});
    Channel r1 = MakeChannel({.name = "r-z", .tp_id = 3, .service = 1, .pcr_pid = 100});
    Channel r2 = MakeChannel({.name = "r-a", .tp_id = 2, .service = 2, .pcr_pid = 100});
    Append(*db, true, r1);
    Append(*db, true, r2);
    ASSERT_EQ(Run(kCmdSortAToZ, 1), 1);
    EXPECT_EQ(Names(*db, true), (std::vector<std::string>{"r-a", "r-z"}));
    EXPECT_EQ(Names(*db, false), (std::vector<std::string>{"tv-z", "tv-a"}));
}

}  // namespace
}  // namespace velmora
