// The diff of two databases: only-here and only-there records, the changed fields by
// their dump names, the order, the settings and the group names; its JSON; and the
// comparison's rows wording each change with the dialogs' labels.

#include <gtest/gtest.h>

#include "cli/DiffJson.h"
#include "compare/CompareRows.h"
#include "compare/DatabaseDiff.h"
#include "tests/core/TestDatabases.h"
#include "text/Translate.h"

namespace velmora {
namespace {

using Fields = std::vector<std::string>;

std::unique_ptr<Database> Copy(const Database& db) {
    auto copy = std::make_unique<Database>();
    copy->tables() = db.tables();
    return copy;
}

// The small database with a video PID of its own for every channel, as real channels
// on one transponder have.
std::unique_ptr<Database> MakeA() {
    auto db = testing::MakeSmallDatabase();
    for (bool radio : {false, true}) {
        for (int i = 0; i < db->channel_count(radio); ++i)
            db->channels(radio)[i].set_video_pid(uint16_t((radio ? 300 : 200) + i));
    }
    return db;
}

TEST(DiffDatabases, ADatabaseEqualsItself) {
    const auto a = MakeA();
    EXPECT_TRUE(DiffDatabases(*a, *Copy(*a)).empty());
}

TEST(DiffDatabases, OrphanTranspondersPairWithTheirLikes) {
    // Each row: the missing satellites that added transponders name, each with a channel.
    const std::vector<uint8_t> cases[] = {{7}, {7, 7}, {7, 9}};
    for (const auto& satellites : cases) {
        auto a = MakeA();
        for (const uint8_t s : satellites) {
            const auto id = static_cast<uint16_t>(a->tp_count());
            testing::AppendTransponder(*a, testing::MakeTransponder(11900 + id, s, id));
            testing::AppendChannel(
                *a, s == 9, testing::MakeChannel({.name = "Orphan", .tp_id = id, .service = 1}));
        }
        EXPECT_TRUE(DiffDatabases(*a, *Copy(*a)).empty());
    }
}

TEST(DiffDatabases, TpIdsNeverCountAsADifference) {
    const auto a = MakeA();
    auto b = Copy(*a);
    // B numbers its transponders from 100 up; channels follow their transponders.
    for (int t = 0; t < b->tp_count(); ++t) b->transponders[t].set_tp_id(uint16_t(100 + t));
    for (bool radio : {false, true}) {
        for (int i = 0; i < b->channel_count(radio); ++i) {
            Channel& ch = b->channels(radio)[i];
            ch.set_tp_id(uint16_t(ch.tp_id() + 100));
        }
    }
    EXPECT_TRUE(DiffDatabases(*a, *b).empty());
}

TEST(DiffDatabases, ChangedFieldsAreNamedAsTheDumpNamesThem) {
    const auto a = MakeA();
    auto b = Copy(*a);
    b->satellites[1].set_lnb_low(5150);
    b->satellites[1].set_diseqc(2);
    b->transponders[1].set_fec(4);
    b->tv[2].set_ttx_pid(33);
    b->tv[2].set_locked(1);
    b->tv[3].set_plain_audio_pid(0, 500);  // the first audio PID: pairs by name then
    b->tv[3].set_audio_count(1);
    const DatabaseDiff d = DiffDatabases(*a, *b);
    ASSERT_EQ(d.satellites.changed.size(), 1u);
    EXPECT_EQ(d.satellites.changed[0].fields, (Fields{"lnb_low", "sat_flags"}));
    ASSERT_EQ(d.transponders.changed.size(), 1u);
    EXPECT_EQ(d.transponders.changed[0].a, 1);
    EXPECT_EQ(d.transponders.changed[0].fields, (Fields{"tp_flags"}));
    ASSERT_EQ(d.tv.changed.size(), 2u);
    EXPECT_EQ(d.tv.changed[0].fields, (Fields{"ttx_pid", "ch_flags"}));
    EXPECT_EQ(d.tv.changed[1].fields, (Fields{"ch_flags", "audio"}));
    EXPECT_TRUE(d.radio.empty());
    EXPECT_FALSE(d.empty());
}

TEST(DiffDatabases, AChannelPairedByNameOnAnotherTransponderNamesTheTransponder) {
    const auto a = MakeA();
    auto b = Copy(*a);
    b->tv[0].set_tp_id(2);  // "Nova One" moves to the other satellite's transponder
    const DatabaseDiff d = DiffDatabases(*a, *b);
    ASSERT_EQ(d.tv.changed.size(), 1u);
    EXPECT_EQ(d.tv.changed[0].fields, (Fields{"transponder"}));
}

TEST(DiffDatabases, OnlyOnOneSideInIncreasingOrder) {
    const auto a = MakeA();
    auto b = Copy(*a);
    b->tv[1].set_name("Other One");
    b->tv[1].set_video_pid(900);
    testing::AppendChannel(*b, false,
                           testing::MakeChannel({.name = "Extra", .tp_id = 0, .service = 9}));
    b->tv[4].set_video_pid(950);
    b->set_sat_count(1);  // Nordlys is gone, and with it the pairing of its transponder
    const DatabaseDiff d = DiffDatabases(*a, *b);
    EXPECT_EQ(d.satellites.only_a, (std::vector<int>{1}));
    EXPECT_EQ(d.transponders.only_a, (std::vector<int>{2}));
    EXPECT_EQ(d.transponders.only_b, (std::vector<int>{2}));  // on no satellite now
    EXPECT_EQ(d.tv.only_a, (std::vector<int>{1}));
    EXPECT_EQ(d.tv.only_b, (std::vector<int>{1, 4}));
    // "Polar Kids" still pairs by name, its transponder gone with the satellite.
    ASSERT_EQ(d.tv.changed.size(), 1u);
    EXPECT_EQ(d.tv.changed[0].fields, (Fields{"transponder"}));
}

TEST(DiffDatabases, SameOrderIsFalseWhenPairedRecordsSwapPlaces) {
    const auto a = MakeA();
    auto b = Copy(*a);
    std::swap(b->tv[0], b->tv[3]);
    const DatabaseDiff d = DiffDatabases(*a, *b);
    EXPECT_FALSE(d.tv.same_order);
    EXPECT_TRUE(d.tv.changed.empty());
    EXPECT_TRUE(d.radio.same_order);
    EXPECT_FALSE(d.empty());
}

TEST(DiffDatabases, SettingsAndGroupNamesApart) {
    const auto a = MakeA();
    auto b = Copy(*a);
    b->settings.set_time_offset(-3);
    b->settings.set_password("1234");
    b->settings.set_fav_name(5, "Sport");
    const DatabaseDiff d = DiffDatabases(*a, *b);
    EXPECT_EQ(d.settings_changed, (Fields{"password", "time_offset"}));
    EXPECT_EQ(d.favourite_names_changed, (std::vector<int>{5}));
}

TEST(DiffJson, SectionsHoldTheIssuesShape) {
    const auto a = MakeA();
    auto b = Copy(*a);
    b->tv[2].set_name("Lumen 24");
    b->radio[0].set_name("Wave Two");
    b->radio[0].set_video_pid(1);
    b->settings.set_fav_name(0, "Mine");
    const cli::Json j = cli::DiffToJson(DiffDatabases(*a, *b), *a, *b);
    EXPECT_EQ(j.dump(),
              R"({"satellites":{"only_a":[],"only_b":[],"changed":[],"same_order":true},)"
              R"("transponders":{"only_a":[],"only_b":[],"changed":[],"same_order":true},)"
              R"("tv":{"only_a":[],"only_b":[],"changed":[{"a":2,"b":2,"fields":["name"],)"
              R"("values":{"name":["Lumen News","Lumen 24"]}}],)"
              R"("same_order":true},)"
              R"("radio":{"only_a":[0],"only_b":[0],"changed":[],"same_order":true},)"
              R"("settings":{"changed":[]},"favourite_names":{"changed":[0]}})");
}

TEST(DiffJson, EveryChangedFieldCarriesItsValueInAAndInB) {
    struct Row {
        const char* what;
        void (*change)(Database&);
        const char* section;
        const char* field;
        const char* values;  // the pair as the JSON prints it
    };
    const Row rows[] = {
        {"a number", [](Database& b) { b.satellites[0].set_lnb_low(5150); }, "satellites",
         "lnb_low", "[9750,5150]"},
        {"a name in UTF-8", [](Database& b) { b.tv[1].set_name("Kanal Nord"); }, "tv", "name",
         R"(["Kanal Süd","Kanal Nord"])"},
        {"the audio list",
         [](Database& b) {
             b.tv[3].set_plain_audio_pid(0, 500);
             b.tv[3].set_audio_count(1);
         },
         "tv", "audio", "[[],[[500,0]]]"},
        {"a channel's transponder by position", [](Database& b) { b.tv[0].set_tp_id(2); }, "tv",
         "transponder", "[0,2]"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const auto a = MakeA();
        auto b = Copy(*a);
        row.change(*b);
        const cli::Json j = cli::DiffToJson(DiffDatabases(*a, *b), *a, *b);
        const cli::Json& changed = j[row.section]["changed"];
        ASSERT_EQ(changed.size(), 1u);
        EXPECT_EQ(changed[0]["values"].size(), changed[0]["fields"].size());
        EXPECT_EQ(changed[0]["values"][row.field].dump(), row.values);
    }
}

// Each changed field under its dialog's label with both values; numbers packed into one
// field are split and only their differing parts listed; bits no label names as hex.
TEST(CompareRows, ChangesAreWordedWithTheDialogsLabelsAndBothValues) {
    using C = ReadableChange;
    struct Row {
        const char* what;
        void (*change)(Database&);
        std::vector<ReadableChange> changes;
    };
    const Row rows[] = {
        {"a name",
         [](Database& b) { b.tv[0].set_name("Nova One HD"); },
         {C{"Name", "Nova One", "Nova One HD"}}},
        {"the channel's flags",
         [](Database& b) {
             b.tv[0].set_locked(1);
             b.tv[0].set_fta(0);
             b.tv[0].set_fav(2, true);
             b.tv[0].set_audio_mode(1);
         },
         {C{"Audio mode", "Stereo", "Left"}, C{"Lock", "no", "yes"}, C{"Scramble", "no", "yes"},
          C{"FAV3", "no", "yes"}}},
        {"a flag no label names",
         [](Database& b) { b.tv[0].set_ch_flags(b.tv[0].ch_flags() | 1u << 25); },
         {C{"Other flags", "0x00400001", "0x02400001"}}},
        {"a transponder",
         [](Database& b) { b.transponders[1].set_fec(3); },
         {C{"FEC", "Auto", "3/4"}}},
        {"a satellite's switching",
         [](Database& b) {
             b.satellites[0].set_tone_22k(1);
             b.satellites[0].set_diseqc(2);
         },
         {C{"22KHz", "Off", "On"}, C{"DiSEqC", "None", "LNB2"}}},
        {"the locks",
         [](Database& b) { b.settings.set_lock_flags(0b0101); },
         {C{"Password Lock", "no", "yes"}, C{"Installation Lock", "no", "yes"}}},
        {"TV settings and the time",
         [](Database& b) {
             b.settings.set_screen_format(1);
             b.settings.set_time_offset(-5);
         },
         {C{"Time Offset", "GMT+00", "GMT-05"}, C{"TV Screen Format", "4:3", "16:9"}}},
        {"a group name",
         [](Database& b) { b.settings.set_fav_name(2, "Nachrichten"); },
         {C{"FAV3 Group Name", "News", "Nachrichten"}}},
        {"a name's record bytes become UTF-8",
         [](Database& b) {
             b.tv[0].set_name(
                 "Kanal S\xFC"
                 "d");
         },
         {C{"Name", "Nova One", "Kanal Süd"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const auto a = MakeA();
        auto b = Copy(*a);
        row.change(*b);
        std::vector<ReadableChange> changes;
        for (const CompareRow& r : BuildCompareRows(*a, *b, DiffDatabases(*a, *b)))
            changes.insert(changes.end(), r.changes.begin(), r.changes.end());
        EXPECT_EQ(changes, row.changes);
    }
}

// The rows' texts are UTF-8 (names turned from their record bytes, words translated)
// and the text filter ignores case in them, umlauts too.
TEST(CompareRows, TextsAreUtf8AndTheFilterIgnoresTheirCase) {
    const auto a = MakeA();
    auto b = Copy(*a);
    b->tv[0].set_name(
        "Kanal S\xFC"
        "d");
    const std::vector<CompareRow> rows = BuildCompareRows(*a, *b, DiffDatabases(*a, *b));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].there_text, "1 Kanal Süd");
    struct Case {
        const char* filter;
        bool matches;
    };
    const Case cases[] = {
        {"kanal süd", true}, {"SÜD", true}, {"S\xFC", false},  // record bytes are no UTF-8
        {"nova one", true},                                    // the other side
        {"name", true},                                        // the label
        {"Sä", false},                                         // another letter
    };
    for (const Case& c : cases)
        EXPECT_EQ(RowMatches(rows[0], CompareFilter{{}, {}, c.filter}), c.matches) << c.filter;

    // Labels and words go through the translation of the comparison.
    SetTranslator(
        [](const char* context, const char* text) { return std::string(context) + ":" + text; });
    const std::vector<CompareRow> translated = BuildCompareRows(*a, *b, DiffDatabases(*a, *b));
    SetTranslator(nullptr);
    ASSERT_EQ(translated[0].changes.size(), 1u);
    EXPECT_EQ(translated[0].changes[0].label, "compare:Name");
}

}  // namespace
}  // namespace velmora
