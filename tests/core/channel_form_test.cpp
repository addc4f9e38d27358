#include <gtest/gtest.h>

#include "core/channel_fixture.h"

namespace velmora {
namespace {

using testing::AddSatellite;
using testing::AddTransponder;
using testing::Append;
using testing::MakeChannel;
using testing::ScriptedPrompter;

class ChannelFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        AddSatellite(*db, "Astra");
        AddSatellite(*db, "Hotbird");
        AddTransponder(*db, 1, 7, 10719, 1, 27500, 3);
        AddTransponder(*db, 0, 4, 11778, 1, 27500, 2);
        AddTransponder(*db, 0, 9, 12188, 0, 22000, 0);
    }

    ChannelForm Open(const Channel& ch, bool radio = false, bool change_transponder = true) {
        return ChannelForm(*db, ch, 1, radio, change_transponder);
    }

    std::unique_ptr<Database> db = testing::OpenDatabase();
    ScriptedPrompter prompter;
};

TEST_F(ChannelFormTest, OpeningShowsTheRecordsFields) {
    Channel ch = MakeChannel({.name = "ZDF", .tp_id = 9, .pcr_pid = 100});
    ch.set_fav(1, true);
    ch.set_fav(6, true);
    ch.set_fta(0);
    ch.set_audio_mode(3);
    const ChannelForm form = Open(ch);
    EXPECT_EQ(form.name, "ZDF");
    EXPECT_EQ(form.pcr_pid, "100");
    EXPECT_EQ(form.ttx_pid, "8191");
    EXPECT_EQ(form.fav,
              (std::array<bool, 8>{false, true, false, false, false, false, true, false}));
    EXPECT_TRUE(form.scramble);
    EXPECT_EQ(form.audio_mode, -1);
}

TEST_F(ChannelFormTest, ListsSatellitesAndTheChannelsTransponders) {
    const ChannelForm form = Open(MakeChannel({.name = "ZDF", .tp_id = 9, .pcr_pid = 100}));
    EXPECT_EQ(form.satellite_rows, (std::vector<std::string>{"1-Astra", "2-Hotbird"}));
    EXPECT_EQ(form.satellite_row, 0);
    EXPECT_EQ(form.transponder_rows,
              (std::vector<std::string>{"11778/VER/27500/2/3", "12188/HOR/22000/Auto"}));
    EXPECT_EQ(form.transponder_ids, (std::vector<int>{4, 9}));
    EXPECT_EQ(form.transponder_row, 1);
}

TEST_F(ChannelFormTest, ChangingTheSatelliteSelectsTheChannelsTransponderOrRowZero) {
    ChannelForm form = Open(MakeChannel({.name = "ZDF", .tp_id = 9, .pcr_pid = 100}));
    form.SelectSatellite(1);
    EXPECT_EQ(form.transponder_ids, (std::vector<int>{7}));
    EXPECT_EQ(form.transponder_row, 0);
    form.SelectSatellite(0);
    EXPECT_EQ(form.transponder_row, 1);
}

TEST_F(ChannelFormTest, UnknownTransponderKeepsTheDialogOpenOnTheTransponderList) {
    ChannelForm form = Open(MakeChannel({.name = "Lost", .tp_id = 1234, .pcr_pid = 100}));
    EXPECT_EQ(form.satellite_row, -1);
    EXPECT_TRUE(form.transponder_rows.empty());
    form.name = "Typed";
    const Channel before = form.record;
    const AcceptResult result = PressOk(form, form.record, prompter);
    EXPECT_EQ(result.end, DialogEnd::StayOpen);
    EXPECT_EQ(result.focus, kIdTransponderList);
    EXPECT_EQ(form.name, "Typed");
    EXPECT_EQ(form.record.bytes, before.bytes) << "nothing stored before the refusal";
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Do not find the transponder");
    EXPECT_EQ(prompter.shown[0].caption, "Error");
    EXPECT_EQ(prompter.shown[0].icon, Icon::Error);

    // Choosing a satellite and transponder lets OK through.
    ChannelForm chosen = Open(MakeChannel({.name = "Lost", .tp_id = 1234, .pcr_pid = 100}));
    chosen.SelectSatellite(1);
    EXPECT_EQ(PressOk(chosen, chosen.record, prompter).end, DialogEnd::Ok);
    EXPECT_EQ(chosen.record.tp_id(), 7);
}

TEST_F(ChannelFormTest, OkChecksTheFieldsInOrder) {
    ChannelForm form = Open(MakeChannel({.name = "A", .tp_id = 9, .pcr_pid = 100}));
    form.name = std::string(16, 'x');
    form.pcr_pid = "0";
    form.ttx_pid = "9000";
    form.video_pid = "video";

    struct Step {
        std::string message;
        int focus;
        std::function<void(ChannelForm&)> fix;
    };
    const std::vector<Step> steps = {
        {"Please enter no more than 15 characters.", kIdChannelName,
         [](ChannelForm& f) { f.name = "A"; }},
        {"Please enter an integer.", kIdVideoPid, [](ChannelForm& f) { f.video_pid = "0"; }},
        {"Please enter an integer between 1 and 8191.", kIdPcrPid,
         [](ChannelForm& f) { f.pcr_pid = "1"; }},
        {"Please enter an integer between 1 and 8191.", kIdTtxPid,
         [](ChannelForm& f) { f.ttx_pid = "8191"; }},
        {"Please enter an integer between 1 and 8191.", kIdVideoPid,
         [](ChannelForm& f) { f.video_pid = "512"; }},
    };
    for (const Step& step : steps) {
        prompter.shown.clear();
        const AcceptResult result = PressOk(form, form.record, prompter);
        EXPECT_EQ(result.end, DialogEnd::StayOpen);
        EXPECT_EQ(result.focus, step.focus);
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{step.message});
        step.fix(form);
    }
    EXPECT_EQ(PressOk(form, form.record, prompter).end, DialogEnd::Ok);
    EXPECT_EQ(form.record.video_pid(), 512);
}

TEST_F(ChannelFormTest, NewTvTemplateIsRefusedUntilPidsAreEntered) {
    Channel tmpl;
    tmpl.set_fta(1);
    tmpl.set_ttx_pid(8191);
    tmpl.set_tp_id(4);
    ChannelForm form = Open(tmpl);
    EXPECT_EQ(PressOk(form, form.record, prompter).focus, kIdPcrPid);
    form.pcr_pid = "33";
    EXPECT_EQ(PressOk(form, form.record, prompter).focus, kIdVideoPid);
    form.video_pid = "34";
    EXPECT_EQ(PressOk(form, form.record, prompter).end, DialogEnd::Ok);
    EXPECT_EQ(form.record.radio_flag(), 0u);
}

TEST_F(ChannelFormTest, RadioChannelKeepsVideo8191AndIsMarkedRadio) {
    Channel ch = MakeChannel({.name = "Radio", .tp_id = 4, .pcr_pid = 100});
    ch.set_video_pid(8191);
    ChannelForm form = Open(ch, true);
    ASSERT_EQ(PressOk(form, form.record, prompter).end, DialogEnd::Ok);
    EXPECT_EQ(form.record.radio_flag(), 1u);

    ChannelForm to_tv = Open(form.record, true);
    to_tv.video_pid = "200";
    ASSERT_EQ(PressOk(to_tv, to_tv.record, prompter).end, DialogEnd::Ok);
    EXPECT_EQ(to_tv.record.radio_flag(), 0u);
}

TEST_F(ChannelFormTest, NameKeepsOnlyNameBytes) {
    ChannelForm form = Open(MakeChannel({.name = "A", .tp_id = 4, .pcr_pid = 100}));
    form.name = std::string(
        "A\x07\xE9\xB0\x85"
        "B",
        6);
    ASSERT_EQ(PressOk(form, form.record, prompter).end, DialogEnd::Ok);
    EXPECT_EQ(form.record.name(), std::string("A\xE9\xB0"
                                              "B",
                                              4));
}

TEST_F(ChannelFormTest, OkStoresMarksModeLockAndScrambleAndKeepsOtherBits) {
    Channel ch = MakeChannel({.name = "A", .tp_id = 4, .pcr_pid = 100});
    ch.set_ch_flags(ch.ch_flags() | 0xFF800000u);  // bits 23..31, untouched by the dialog
    ChannelForm form = Open(ch);
    form.fav = {true, false, false, false, false, true, false, true};
    form.audio_mode = 2;
    form.lock = true;
    form.scramble = true;
    ASSERT_EQ(PressOk(form, form.record, prompter).end, DialogEnd::Ok);
    const Channel& out = form.record;
    EXPECT_EQ(out.fav_marks(), 0xA1u);
    EXPECT_EQ(out.audio_mode(), 2u);
    EXPECT_EQ(out.locked(), 1u);
    EXPECT_EQ(out.fta(), 0u);
    EXPECT_EQ(out.ch_flags() & 0xFF800000u, 0xFF800000u);

    form.fav = {};
    form.audio_mode = -1;
    ASSERT_EQ(PressOk(form, form.record, prompter).end, DialogEnd::Ok);
    EXPECT_EQ(form.record.fav_marks(), 0u);
    EXPECT_EQ(form.record.audio_mode(), 3u);
}

TEST_F(ChannelFormTest, ServiceNumberZeroBecomesOneMoreThanTheTransponderHighest) {
    Append(*db, false, MakeChannel({.name = "a", .tp_id = 4, .service = 3, .pcr_pid = 100}));
    Append(*db, true, MakeChannel({.name = "b", .tp_id = 4, .service = 7, .pcr_pid = 100}));
    Append(*db, false, MakeChannel({.name = "other", .tp_id = 9, .service = 50, .pcr_pid = 100}));
    ChannelForm form = Open(MakeChannel({.name = "new", .tp_id = 4, .service = 0, .pcr_pid = 100}));
    ASSERT_EQ(PressOk(form, form.record, prompter).end, DialogEnd::Ok);
    EXPECT_EQ(form.record.service_number(), 8);

    ChannelForm first =
        Open(MakeChannel({.name = "first", .tp_id = 7, .service = 0, .pcr_pid = 100}));
    ASSERT_EQ(PressOk(first, first.record, prompter).end, DialogEnd::Ok);
    EXPECT_EQ(first.record.service_number(), 1);

    ChannelForm kept =
        Open(MakeChannel({.name = "kept", .tp_id = 4, .service = 2, .pcr_pid = 100}));
    ASSERT_EQ(PressOk(kept, kept.record, prompter).end, DialogEnd::Ok);
    EXPECT_EQ(kept.record.service_number(), 2);
}

TEST_F(ChannelFormTest, ChannelMovedWhereItsNumberIsTakenGetsANewOne) {
    Append(*db, false, MakeChannel({.name = "there", .tp_id = 9, .service = 5, .pcr_pid = 100}));
    Append(*db, true,
           MakeChannel({.name = "radio there", .tp_id = 9, .service = 6, .pcr_pid = 100}));
    for (auto [service, expected] : {std::pair{5, 7}, std::pair{2, 2}}) {
        ChannelForm form =
            Open(MakeChannel({.name = "moved", .tp_id = 4, .service = service, .pcr_pid = 100}));
        form.SelectSatellite(0);
        form.transponder_row = 1;  // tp_id 9
        ASSERT_EQ(PressOk(form, form.record, prompter).end, DialogEnd::Ok);
        EXPECT_EQ(form.record.tp_id(), 9);
        EXPECT_EQ(form.record.service_number(), expected) << service;
    }
}

TEST_F(ChannelFormTest, ServiceNumberNeverWrapsToZero) {
    Append(*db, false, MakeChannel({.name = "a", .tp_id = 4, .service = 1, .pcr_pid = 100}));
    Append(*db, false, MakeChannel({.name = "b", .tp_id = 4, .service = 65535, .pcr_pid = 100}));
    EXPECT_EQ(NextServiceNumber(*db, 4), 2);
}

TEST_F(ChannelFormTest, UnstorableAudioListKeepsTheDialogOpen) {
    ChannelForm form = Open(MakeChannel({.name = "A", .tp_id = 4, .pcr_pid = 100}));
    form.audio.count = 12;
    for (int k = 0; k < 12; ++k) form.audio.entries[k] = {100 + k, 0};
    for (int k : {2, 4, 6, 8}) form.audio.entries[k].pid = 3000 + k;
    const Channel before = form.record;
    const AcceptResult result = PressOk(form, form.record, prompter);
    EXPECT_EQ(result.end, DialogEnd::StayOpen);
    EXPECT_EQ(result.focus, kIdAudioPidList);
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(form.record.bytes, before.bytes);

    form.audio.entries[8].pid = 108;
    ASSERT_EQ(PressOk(form, form.record, prompter).end, DialogEnd::Ok);
    EXPECT_EQ(ReadAudioEntries(form.record).entries[6].pid, 3006);
}

TEST(ParseInteger, AcceptsSignedDecimalsWithBlanksOnly) {
    EXPECT_EQ(ParseInteger(" 42 "), 42);
    EXPECT_EQ(ParseInteger("-7"), -7);
    EXPECT_EQ(ParseInteger("+7"), 7);
    for (const char* bad : {"", " ", "4 2", "0x10", "+-1", "99999999999", "12a"})
        EXPECT_FALSE(ParseInteger(bad)) << bad;
}

}  // namespace
}  // namespace velmora
