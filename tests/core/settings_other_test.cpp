#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>

#include "database/Upkeep.h"
#include "settings/SettingsOps.h"
#include "settings_scripted_dialogs.h"
#include "support/ScriptedPrompter.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

class EditOtherSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetToNewDatabase(*db);
        db->database_open = true;
        watch.Reset();
    }

    // Opens the dialog, lets `user` edit it and presses OK; returns the form as opened.
    OtherSettingsForm Confirm(std::function<void(OtherSettingsForm&)> user = {}) {
        dialogs.other = [user](OtherSettingsForm& form) {
            if (user) user(form);
            return true;
        };
        EXPECT_TRUE(EditOtherSettings(*db, prompter, dialogs));
        return *dialogs.other_opened;
    }

    // Stores `text` as the RF channel with RF system `system`; returns the stored byte.
    int StoreRfChannel(int system, const char* text) {
        Confirm([&](OtherSettingsForm& form) {
            form.rf_system = system;
            form.rf_channel_text = text;
        });
        return db->settings.rf_channel();
    }

    std::unique_ptr<Database> db = std::make_unique<Database>();

    testing::ChangeWatch watch{*db};
    testing::ScriptedPrompter prompter;
    testing::ScriptedSettingsDialogs dialogs;
};

TEST_F(EditOtherSettingsTest, OpeningSelectsTheStoredValues) {
    SettingsBlock& s = db->settings;
    s.set_menu_language(8);
    s.set_audio_language(61);
    s.set_rf_channel(45);
    s.set_rf_system(3);
    s.set_tv_system(2);
    s.set_screen_format(4);
    s.set_menu_color(2);
    s.set_transparency(0);
    s.set_time_offset(-3);
    s.set_need_help(1);
    const OtherSettingsForm opened = Confirm();
    EXPECT_EQ(opened.menu_language, 8);
    EXPECT_EQ(opened.audio_language, 61);
    EXPECT_EQ(opened.rf_channel_text, "45");
    EXPECT_EQ(opened.rf_system, 3);
    EXPECT_EQ(opened.tv_system, 2);
    EXPECT_EQ(opened.screen_format, 4);
    EXPECT_EQ(opened.menu_color, 2);
    EXPECT_EQ(opened.transparency, 0);
    EXPECT_EQ(TimeOffsetNames()[opened.time_offset], "GMT-03");
    EXPECT_EQ(opened.need_help, 1);
}

TEST_F(EditOtherSettingsTest, GmtMinusFiveRoundTrips) {
    Confirm([](OtherSettingsForm& form) { form.time_offset = 18; });
    EXPECT_EQ(db->settings.time_offset(), -5);
    EXPECT_EQ(TimeOffsetNames()[Confirm().time_offset], "GMT-05");
}

TEST_F(EditOtherSettingsTest, GmtMinusZeroIsStoredAsZeroAndReopensAsPlusZero) {
    Confirm([](OtherSettingsForm& form) { form.time_offset = 13; });
    EXPECT_EQ(db->settings.time_offset(), 0);
    EXPECT_EQ(Confirm().time_offset, 0);
    EXPECT_EQ(TimeOffsetNames()[0], "GMT+00");
    EXPECT_EQ(TimeOffsetNames()[13], "GMT-00");
}

TEST_F(EditOtherSettingsTest, TimeOffsetsOutsideElevenHoursReopenAsGmtPlusZero) {
    Confirm([](OtherSettingsForm& form) { form.time_offset = 12; });
    EXPECT_EQ(db->settings.time_offset(), 12);
    EXPECT_EQ(Confirm().time_offset, 0);
    EXPECT_EQ(db->settings.time_offset(), 0);  // written back as shown

    for (int hours : {-12, -128, 127}) {
        db->settings.set_time_offset(static_cast<int8_t>(hours));
        EXPECT_EQ(Confirm().time_offset, 0) << hours;
    }
    db->settings.set_time_offset(-11);
    EXPECT_EQ(TimeOffsetNames()[Confirm().time_offset], "GMT-11");
}

TEST_F(EditOtherSettingsTest, RfChannelOutsideTheSystemRangeIsStoredAs21) {
    EXPECT_EQ(StoreRfChannel(0, "13"), 21);
    EXPECT_EQ(StoreRfChannel(0, "14"), 14);
    EXPECT_EQ(StoreRfChannel(0, "83"), 83);
    EXPECT_EQ(StoreRfChannel(0, "84"), 21);
    EXPECT_EQ(StoreRfChannel(2, "70"), 21);
    EXPECT_EQ(StoreRfChannel(1, "69"), 69);
    EXPECT_EQ(StoreRfChannel(3, "20"), 21);
}

TEST_F(EditOtherSettingsTest, RfChannelKeepsTheLowEightBitsOfTheTypedNumber) {
    EXPECT_EQ(StoreRfChannel(0, "270"), 14);
    EXPECT_EQ(StoreRfChannel(1, "-1"), 21);  // 255
    EXPECT_EQ(StoreRfChannel(1, "99999999999"), 21);
}

TEST_F(EditOtherSettingsTest, EmptyOrNonNumericRfChannelIsStoredAs21) {
    EXPECT_EQ(StoreRfChannel(0, ""), 21);
    EXPECT_EQ(StoreRfChannel(0, "abc"), 21);
    EXPECT_EQ(StoreRfChannel(1, " 38 MHz"), 38);
}

TEST_F(EditOtherSettingsTest, DecimalValueStopsAtTheFirstNonDigit) {
    EXPECT_EQ(DecimalValueOf("  +42x7"), 42);
    EXPECT_EQ(DecimalValueOf("99999999999999999999999"), INT_MAX);
    EXPECT_EQ(DecimalValueOf("-99999999999999999999999"), INT_MIN);
}

TEST_F(EditOtherSettingsTest, SpinRangeFollowsTheSelectedRfSystem) {
    OtherSettingsForm form = OtherSettingsForm::Load(db->settings);  // PAL B/G after New
    EXPECT_EQ(form.CurrentRfRange().low, 21);
    EXPECT_EQ(form.CurrentRfRange().high, 69);
    form.rf_system = 0;
    EXPECT_EQ(form.CurrentRfRange().low, 14);
    EXPECT_EQ(form.CurrentRfRange().high, 83);
    form.rf_system = OtherSettingsForm::kNoSelection;
    form.block.set_rf_system(0);
    EXPECT_EQ(form.CurrentRfRange().low, 14);
}

TEST_F(EditOtherSettingsTest, AudioLanguage62OpensAsEnglishAndIsWrittenBackAs18) {
    db->settings.set_audio_language(62);
    EXPECT_EQ(Confirm().audio_language, 18);
    EXPECT_EQ(db->settings.audio_language(), 18);
}

TEST_F(EditOtherSettingsTest, MenuColour5OpensAsColor1) {
    db->settings.set_menu_color(5);
    EXPECT_EQ(Confirm().menu_color, 0);
    EXPECT_EQ(db->settings.menu_color(), 0);
}

TEST_F(EditOtherSettingsTest, ListWithoutSelectionKeepsTheStoredValue) {
    SettingsBlock& s = db->settings;
    s.set_menu_language(12);
    s.set_rf_system(9);
    s.set_screen_format(6);
    s.set_transparency(9);
    s.set_rf_channel(50);
    const OtherSettingsForm opened = Confirm();
    EXPECT_EQ(opened.menu_language, OtherSettingsForm::kNoSelection);
    EXPECT_EQ(opened.rf_system, OtherSettingsForm::kNoSelection);
    EXPECT_EQ(opened.screen_format, OtherSettingsForm::kNoSelection);
    EXPECT_EQ(opened.transparency, OtherSettingsForm::kNoSelection);
    EXPECT_EQ(s.menu_language(), 12);
    EXPECT_EQ(s.rf_system(), 9);
    EXPECT_EQ(s.screen_format(), 6u);
    EXPECT_EQ(s.transparency(), 9);
    EXPECT_EQ(s.rf_channel(), 50);  // checked against the PAL range of system 9
}

TEST_F(EditOtherSettingsTest, OkLeavesEveryOtherByteAndTvFlagBitAsItWas) {
    for (size_t i = 0; i < SettingsBlock::kSize; ++i) {
        db->settings.bytes[i] = static_cast<uint8_t>(0xA5 ^ i);
    }
    db->settings.set_tv_flags(0xFFFFFFFF);
    db->settings.set_menu_color(1);
    db->settings.set_transparency(3);
    db->settings.set_menu_language(2);
    db->settings.set_audio_language(7);
    db->settings.set_time_offset(4);
    db->settings.set_rf_system(1);
    db->settings.set_rf_channel(30);
    const SettingsBlock before = db->settings;
    Confirm([](OtherSettingsForm& form) {
        form.tv_system = 1;
        form.screen_format = 2;
        form.need_help = 0;
    });
    const SettingsBlock& after = db->settings;
    EXPECT_EQ(after.tv_flags(), (0xFFFFFFFFu & ~0x2C07u) | (1u << 10) | 2u);
    for (size_t i = 0; i < SettingsBlock::kSize; ++i) {
        if (i >= 24 && i < 28) continue;  // tv_flags, checked above
        EXPECT_EQ(after.bytes[i], before.bytes[i]) << "byte " << i;
    }
}

TEST_F(EditOtherSettingsTest, CancelDiscardsTheOpeningRepairsToo) {
    db->settings.set_audio_language(62);
    db->settings.set_time_offset(12);
    const SettingsBlock before = db->settings;
    watch.Reset();
    dialogs.other = [](OtherSettingsForm& form) {
        form.menu_language = 3;
        return false;
    };
    EXPECT_FALSE(EditOtherSettings(*db, prompter, dialogs));
    EXPECT_EQ(db->settings.bytes, before.bytes);
    EXPECT_FALSE(watch.changed());
}

}  // namespace
}  // namespace velmora
