#include <gtest/gtest.h>

#include "satellite_test_support.h"
#include "satellites/SatelliteForm.h"

namespace velmora {
namespace {

using testing::MakeDatabase;

SatelliteForm FormFor(const Satellite& sat) {
    static const auto db = MakeDatabase(1);
    return SatelliteForm::Load(*db, 0, sat);
}

TEST(SatelliteForm, LnbTypeRowFollowsUniversalBitAndOscillators) {
    Satellite sat = NewSatelliteTemplate();
    EXPECT_EQ(LnbTypeRow(sat), 0);
    sat.set_lnb_high(10750);
    EXPECT_EQ(LnbTypeRow(sat), 1);
    sat.set_universal(0);
    sat.set_lnb_low(5150);
    EXPECT_EQ(LnbTypeRow(sat), 2);
    sat.set_lnb_low(9000);
    EXPECT_EQ(LnbTypeRow(sat), -1);
}

TEST(SatelliteForm, ValuesWithoutARowOpenWithoutSelectionButMotorThreeShowsNone) {
    Satellite sat = NewSatelliteTemplate();
    sat.set_diseqc(9);
    sat.set_tone_22k(3);
    sat.set_power_12v(2);
    sat.set_motor(3);
    const SatelliteForm form = FormFor(sat);
    EXPECT_EQ(form.diseqc, -1);
    EXPECT_EQ(form.tone_22k, -1);
    EXPECT_EQ(form.power_12v, -1);
    EXPECT_EQ(form.motor, 0);
}

TEST(SatelliteForm, TransponderRowsListThisSatelliteOnlyAndSelectRefTp) {
    auto db = MakeDatabase(2, {{1, 11000}, {0, 12000, 27500, 1}, {1, 11500}, {0, 12500, 22000}});
    Satellite sat = db->satellites[0];
    sat.set_ref_tp(1);
    const SatelliteForm form = SatelliteForm::Load(*db, 0, sat);
    EXPECT_EQ(form.transponder_rows, (std::vector<std::string>{"| 0 | 12000 | VER | 27500 |",
                                                               "| 1 | 12500 | HOR | 22000 |"}));
    EXPECT_EQ(form.transponder, 1);
}

TEST(SatelliteForm, NoTransponderChosenStoresRefTp255) {
    auto db = MakeDatabase(1, {{0, 12000}});
    Satellite sat = db->satellites[0];
    sat.set_ref_tp(7);  // no such row
    SatelliteForm form = SatelliteForm::Load(*db, 0, sat);
    EXPECT_EQ(form.transponder, -1);
    ASSERT_FALSE(ValidateAndApply(form, form.record));
    EXPECT_EQ(form.record.ref_tp(), 255u);
}

TEST(SatelliteForm, OnlyRowsThatRefTpCanRecordAreListed) {
    std::vector<testing::TpRow> tps;
    for (int i = 0; i < 300; ++i) tps.push_back({0, 10000 + i});
    auto db = MakeDatabase(1, tps);
    SatelliteForm form = SatelliteForm::Load(*db, 0, db->satellites[0]);
    ASSERT_EQ(form.transponder_rows.size(), 255u);
    form.transponder = 254;
    ASSERT_FALSE(ValidateAndApply(form, form.record));
    EXPECT_EQ(form.record.ref_tp(), 254u);
}

TEST(SatelliteForm, AngleBoundaries) {
    struct Case {
        const char* text;
        int stored;  // -1: refused
        const char* message;
    } cases[] = {
        {"180", 18000, ""},
        {"0", 0, ""},
        {"4.1", 410, ""},
        {"19.2", 1920, ""},
        {" 13 ", 1300, ""},
        {"180.5", -1, "Please enter a number between 0 and 180."},
        {"-0.5", -1, "Please enter a number between 0 and 180."},
        {"abc", -1, "Please enter a number."},
        {"", -1, "Please enter a number."},
        {"19,2", -1, "Please enter a number."},
    };
    for (const Case& c : cases) {
        SatelliteForm form = FormFor(NewSatelliteTemplate());
        form.angle = c.text;
        const auto refusal = ValidateAndApply(form, form.record);
        if (c.stored >= 0) {
            EXPECT_FALSE(refusal) << c.text;
            EXPECT_EQ(form.record.angle(), c.stored) << c.text;
        } else {
            ASSERT_TRUE(refusal) << c.text;
            EXPECT_EQ(*refusal, (FieldRefusal{kSatAngleEdit, c.message})) << c.text;
            EXPECT_EQ(form.record.angle(), 0) << c.text;
        }
    }
}

TEST(SatelliteForm, EveryAngleOpenedAndConfirmedUnchangedIsStoredUnchanged) {
    for (int angle = 0; angle <= 18000; ++angle) {
        Satellite sat = NewSatelliteTemplate();
        sat.set_angle(static_cast<uint16_t>(angle));
        SatelliteForm form = FormFor(sat);
        ASSERT_FALSE(ValidateAndApply(form, form.record)) << angle;
        ASSERT_EQ(form.record.angle(), angle) << form.angle;
    }
}

TEST(SatelliteForm, NameOfSixteenCharactersIsRefusedFirst) {
    SatelliteForm form = FormFor(NewSatelliteTemplate());
    form.name = "ABCDEFGHIJKLMNOP";
    form.angle = "oops";
    EXPECT_EQ(ValidateAndApply(form, form.record),
              (FieldRefusal{kSatNameEdit, "Please enter no more than 15 characters."}));
    EXPECT_EQ(form.record.name(), "New SAT");
    form.name = "ABCDEFGHIJKLMNO";
    form.angle = "1";
    EXPECT_FALSE(ValidateAndApply(form, form.record));
    EXPECT_EQ(form.record.name(), "ABCDEFGHIJKLMNO");
}

TEST(SatelliteForm, NoLnbOrDiseqcSelectionKeepsTheStoredValues) {
    Satellite sat = NewSatelliteTemplate();
    sat.set_universal(0);
    sat.set_lnb_low(9000);
    sat.set_lnb_high(9100);
    sat.set_diseqc(12);
    SatelliteForm form = FormFor(sat);
    ASSERT_EQ(form.lnb_type, -1);
    ASSERT_EQ(form.diseqc, -1);
    ASSERT_FALSE(ValidateAndApply(form, form.record));
    EXPECT_EQ(form.record.lnb_low(), 9000);
    EXPECT_EQ(form.record.lnb_high(), 9100);
    EXPECT_EQ(form.record.universal(), 0u);
    EXPECT_EQ(form.record.diseqc(), 12u);
}

TEST(SatelliteForm, UnnamedBitsAndSpareBytesSurvive) {
    Satellite sat = NewSatelliteTemplate();
    sat.set_sat_flags(sat.sat_flags() | 0xFF9C0000u);  // bits 18-20 and 23-31
    sat.bytes[22] = 0xAB;
    sat.bytes[23] = 0xCD;
    sat.bytes[14] = 0x77;  // after the name's terminator
    SatelliteForm form = FormFor(sat);
    form.name = "Astra";
    form.motor = 1;
    form.direction = 1;
    ASSERT_FALSE(ValidateAndApply(form, form.record));
    EXPECT_EQ(form.record.sat_flags() & 0xFF9C0000u, 0xFF9C0000u);
    EXPECT_EQ(form.record.bytes[22], 0xAB);
    EXPECT_EQ(form.record.bytes[23], 0xCD);
    EXPECT_EQ(form.record.bytes[14], 0x77);
    EXPECT_EQ(form.record.motor(), 1u);
    EXPECT_EQ(form.record.west(), 1u);
}

}  // namespace
}  // namespace velmora
