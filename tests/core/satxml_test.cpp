// satellites.xml: reading hostile files, mapping <sat> and <transponder> onto records,
// appending satellites and updating transponders. Writing the file and reading it back is
// tested end to end in satxml_cli_test.cpp.

#include <gtest/gtest.h>

#include "satellites/SatelliteForm.h"
#include "satellites/SatelliteOps.h"
#include "satellites/TransponderOps.h"
#include "satxml/SatXmlImport.h"
#include "satxml/SatXmlMapping.h"
#include "tests/core/TestDatabases.h"
#include "tests/support/SatXmlText.h"
#include "tests/support/ScriptedPrompter.h"

namespace velmora {
namespace {

using testing::XmlDoc;
using testing::XmlSat;
using testing::XmlTp;

XmlSatellite OneSat(const std::string& name, int position, const std::string& tps) {
    SatXmlRead read = ParseSatellitesXml(XmlDoc(XmlSat(name, position, tps)));
    EXPECT_TRUE(read.ok()) << read.problem;
    return read.ok() ? read.satellites.at(0) : XmlSatellite{};
}

TEST(SatXmlRead, HostileFilesAreRefusedNamingTheLine) {
    const std::string deep = "<satellites>\n" + std::string(5000, ' ') + "\n" + [] {
        std::string s;
        for (int i = 0; i < 100000; ++i) s += "<a>";
        for (int i = 0; i < 100000; ++i) s += "</a>";
        return s + "</satellites>";
    }();
    struct Row {
        const char* fault;
        std::string text;
        std::string message_part;
    } rows[] = {
        {"not XML", "just text, no markup\n", "This file is not XML: line 1"},
        {"unclosed element", "<satellites>\n<sat position=\"1\">\n",
         "This file is not XML: line 2"},
        {"empty file", "", "This file is not XML: line 1"},
        {"deep nesting", deep, "line 3 nests elements deeper than 16 levels"},
        {"other root", "<channels/>", "root element is not <satellites>"},
        {"position not a number", XmlDoc("<sat name=\"X\" position=\"east\"/>"),
         "line 3: <sat> has no whole number as position"},
        {"frequency not a number",
         XmlDoc("<sat name=\"X\" position=\"1\">\n<transponder frequency=\"11x\" "
                "symbol_rate=\"1\" polarization=\"0\"/></sat>"),
         "line 4: <transponder> has no whole number as frequency"},
        {"huge attribute",
         XmlDoc("<sat name=\"X\" position=\"1\"><transponder frequency=\"" +
                std::string(1 << 20, '9') + "\" symbol_rate=\"1\" polarization=\"0\"/></sat>"),
         "line 3: <transponder> has no whole number as frequency"},
        {"polarization out of range", XmlDoc(XmlSat("X", 1, XmlTp(11000000, 27500000, 4))),
         "line 4: <transponder> has no whole number as polarization"},
    };
    for (const Row& row : rows) {
        const SatXmlRead read = ParseSatellitesXml(row.text);
        EXPECT_NE(read.problem.find(row.message_part), std::string::npos)
            << row.fault << ": " << read.problem;
        EXPECT_TRUE(read.satellites.empty()) << row.fault;
    }
}

TEST(SatXmlRead, EntitiesAreNeverExpanded) {
    const std::string text =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE satellites [<!ENTITY x SYSTEM \"/etc/passwd\">"
        "<!ENTITY y \"yyyyyyyyyy\">]>\n<satellites><sat name=\"&x;&y;&amp;\" position=\"1\"/>"
        "</satellites>";
    const SatXmlRead read = ParseSatellitesXml(text);
    ASSERT_TRUE(read.ok()) << read.problem;
    EXPECT_EQ(read.satellites.at(0).name, "&x;&y;&");
}

TEST(SatXmlMapping, SatelliteTakesPositionBandAndAddAntennasDefaults) {
    struct Row {
        int position;
        int64_t frequency_khz;
        uint16_t angle;
        bool west;
        uint16_t lnb_low, lnb_high;
        bool universal;
    } rows[] = {
        {192, 11727000, 1920, false, 9750, 10600, true},
        {-300, 12000000, 3000, true, 9750, 10600, true},
        {0, 10700000, 0, false, 9750, 10600, true},
        {31, 3725000, 310, false, 5150, 5150, false},
        {-8, 4999400, 80, true, 5150, 5150, false},
        {-8, 4999500, 80, true, 9750, 10600, true},  // rounds to 5000 MHz: not C-band
    };
    for (const Row& row : rows) {
        const Satellite sat =
            MakeXmlSatellite(OneSat("S", row.position, XmlTp(row.frequency_khz, 27500000, 0)));
        EXPECT_EQ(sat.angle(), row.angle) << row.position;
        EXPECT_EQ(sat.west(), row.west) << row.position;
        EXPECT_EQ(sat.lnb_low(), row.lnb_low) << row.position;
        EXPECT_EQ(sat.lnb_high(), row.lnb_high) << row.position;
        EXPECT_EQ(sat.universal(), row.universal) << row.position;
        Satellite rest = NewSatelliteTemplate();
        EXPECT_EQ(sat.tone_22k(), rest.tone_22k());
        EXPECT_EQ(sat.motor(), rest.motor());
        EXPECT_EQ(sat.diseqc(), rest.diseqc());
    }
}

TEST(SatXmlMapping, NameDropsThePositionAndIsCutAtAWordThatFits) {
    struct Row {
        const char* xml;
        const char* record;
    } rows[] = {
        {"19.2E Astra 1N/1P", "Astra 1N/1P"},
        {"30.0W Hispasat 30W-5/30W-6", "Hispasat 30W-5"},
        {"0.8W Thor 5/6/7 & Intelsat 10-02", "Thor 5/6/7"},
        {"13.0E Hot Bird 13F/13G", "Hot Bird 13F"},
        {"42.0E Turksat3A4A5A", "Turksat3A4A5A"},
        {"1.0W Supercalifragilistic", "Supercalifragil"},
        {"19.2E", "19.2E"},
        {"Eutelsat 7B", "Eutelsat 7B"},
        {"7.0E S\xC3\xBC\x64sat \xE2\x82\xAC", "S\xFC\x64sat "},  // the Euro sign has no byte
    };
    for (const Row& row : rows) EXPECT_EQ(RecordSatelliteName(row.xml), row.record) << row.xml;
}

TEST(SatXmlMapping, TransponderFieldsAreRoundedAndNamed) {
    struct Row {
        int64_t khz, rate;
        int pol, fec;
        uint16_t frequency, symbol_rate;
        uint8_t polarisation, record_fec;
    } rows[] = {
        {11727000, 27500000, 0, 3, 11727, 27500, 0, 3},
        {11727499, 27499500, 1, 1, 11727, 27500, 1, 1},
        {11727500, 29900000, 2, 5, 11728, 29900, 0, 5},
        {10714000, 22000000, 3, 0, 10714, 22000, 1, 0},
        {10714000, 22000000, 1, 6, 10714, 22000, 1, 0},
        {10714000, 22000000, 1, 9, 10714, 22000, 1, 0},
        {10714000, 22000000, 1, 15, 10714, 22000, 1, 0},
    };
    for (const Row& row : rows) {
        const auto tp = MakeXmlTransponder({row.khz, row.rate, row.pol, row.fec}, 4);
        ASSERT_TRUE(tp) << row.khz;
        EXPECT_EQ(tp->frequency(), row.frequency);
        EXPECT_EQ(tp->symbol_rate(), row.symbol_rate);
        EXPECT_EQ(tp->polarisation(), row.polarisation) << row.pol;
        EXPECT_EQ(tp->fec(), row.record_fec) << row.fec;
        EXPECT_EQ(tp->satellite(), 4);
    }
}

TEST(SatXmlMapping, OutOfRangeAndRepeatedTranspondersAreSkippedAndCounted) {
    const XmlSatellite sat = OneSat(
        "S", 10,
        XmlTp(11000000, 27500000, 0) + XmlTp(400, 27500000, 0) +           // below 1 MHz
            XmlTp(20000501, 27500000, 0) + XmlTp(12000000, 1999000, 0) +   // too high, too slow
            XmlTp(12000000, 45000600, 0) + XmlTp(11000200, 27500000, 2) +  // too fast, repeat
            XmlTp(11000000, 27500000, 1) + XmlTp(20000000, 45000000, 0));
    int skipped = 0;
    const std::vector<Transponder> usable = UsableTransponders(sat, 0, skipped);
    EXPECT_EQ(usable.size(), 3u);
    EXPECT_EQ(skipped, 5);
}

class SatXmlImportTest : public ::testing::Test {
protected:
    std::vector<XmlSatellite> Read(const std::string& sats) {
        SatXmlRead read = ParseSatellitesXml(XmlDoc(sats));
        EXPECT_TRUE(read.ok()) << read.problem;
        return read.satellites;
    }
    std::unique_ptr<Database> db = testing::MakeSmallDatabase();
    testing::ScriptedPrompter prompter;
};

TEST_F(SatXmlImportTest, SatellitesAreMatchedByPositionOrExactName) {
    const auto sats = Read(XmlSat("19.2E Astra", 192, "") + XmlSat("30.0W Hispasat", -300, "") +
                           XmlSat("3.1E Eutelsat C", 31, ""));
    struct Row {
        std::vector<std::string> names;
        std::optional<std::vector<int>> chosen;
    } rows[] = {
        {{"19.2E"}, std::vector<int>{0}},
        {{"30.0W", "19.2E", "30W"}, std::vector<int>{1, 0}},
        {{"3.1E Eutelsat C"}, std::vector<int>{2}},
        {{"19.2e"}, std::vector<int>{0}},
        {{"19.3E"}, std::nullopt},
        {{"19.2E", "Astra"}, std::nullopt},
    };
    for (const Row& row : rows) {
        std::string unmatched;
        EXPECT_EQ(MatchXmlSatellites(sats, row.names, unmatched), row.chosen) << row.names[0];
    }
}

TEST_F(SatXmlImportTest, ImportAppendsSatellitesWithFreshTpIds) {
    const auto sats = Read(
        XmlSat("19.2E Astra", 192, XmlTp(11000000, 27500000, 0) + XmlTp(11000000, 27500000, 0)) +
        XmlSat("3.1E C", 31, XmlTp(3700000, 27500000, 1)));
    XmlImportCounts counts;
    const auto added = ImportXmlSatellites(*db, sats, {0, 1}, prompter, counts);
    ASSERT_TRUE(added);
    EXPECT_EQ(*added, (std::vector<int>{2, 3}));
    EXPECT_EQ(counts.satellites, 2);
    EXPECT_EQ(counts.transponders, 2);
    EXPECT_EQ(counts.skipped, 1);
    EXPECT_EQ(db->satellites[3].lnb_low(), kCBandOscillator);
    EXPECT_EQ(SatelliteTransponderIndices(*db, 2), std::vector<int>{3});
    EXPECT_EQ(db->transponders[3].tp_id(), 3);
    EXPECT_EQ(db->transponders[4].tp_id(), 4);
}

TEST_F(SatXmlImportTest, WhatDoesNotFitIsRefusedWithAddsMessageAndChangesNothing) {
    std::string many;
    for (int i = 0; i < 30; ++i) many += XmlTp(10700000 + i * 10000, 27500000, 0);
    const auto sats = Read(XmlSat("1.0E A", 10, many));
    struct Row {
        int sat_count, tp_count;
        std::string message;
    } rows[] = {
        {63, 3, std::string(kSatellitesFullMessage)},
        {2, 1971, std::string(kTransponderFullMessage)},
    };
    for (const Row& row : rows) {
        auto base = testing::MakeSmallDatabase();
        base->set_sat_count(row.sat_count);
        for (int i = base->tp_count(); i < row.tp_count; ++i)
            testing::AppendTransponder(*base, testing::MakeTransponder(1000 + i, 1, i));
        const auto before = testing::Snapshot(*base);
        testing::ScriptedPrompter told;
        XmlImportCounts counts;
        EXPECT_FALSE(ImportXmlSatellites(*base, sats, {0}, told, counts));
        EXPECT_EQ(testing::Snapshot(*base), before);
        ASSERT_EQ(told.shown.size(), 1u);
        EXPECT_EQ(told.shown[0].text, row.message);
    }
    // One transponder fewer in the table and it fits.
    auto fits = testing::MakeSmallDatabase();
    for (int i = fits->tp_count(); i < 1970; ++i)
        testing::AppendTransponder(*fits, testing::MakeTransponder(1000 + i, 1, i));
    XmlImportCounts counts;
    EXPECT_TRUE(ImportXmlSatellites(*fits, sats, {0}, prompter, counts));
    EXPECT_EQ(fits->tp_count(), kMaxTransponders);
}

// Satellite 0 of the small database is at 19.2E with 10700 and 11200 MHz (horizontal,
// 27500); each row is the file's only transponder at that position.
TEST_F(SatXmlImportTest, TranspondersPairByPolarisationAndNearestFrequencyWithinTwoMhz) {
    db->satellites[0].set_angle(1920);
    // The database's transponders have FEC "Auto".
    const auto Tp = [](int64_t khz, int64_t rate, int pol, int fec = 0) {
        return XmlTp(khz, rate, pol, fec);
    };
    struct Row {
        const char* rule;
        std::string tps;
        size_t added, updated, vanished;
    } rows[] = {
        {"exact", Tp(10700000, 27500000, 0) + Tp(11200000, 27500000, 0), 0, 0, 0},
        {"two MHz off pairs", Tp(10702000, 27500000, 0) + Tp(11200000, 27500000, 0), 0, 1, 0},
        {"three MHz off does not", Tp(10703000, 27500000, 0) + Tp(11200000, 27500000, 0), 1, 0, 1},
        {"other polarisation does not", Tp(10700000, 27500000, 1) + Tp(11200000, 27500000, 0), 1, 0,
         1},
        {"nearest wins",
         Tp(10701000, 22000000, 0) + Tp(10700000, 27500000, 0) + Tp(11200000, 27500000, 0), 1, 0,
         0},
        {"new symbol rate and FEC", Tp(10700000, 22000000, 0, 1) + Tp(11200000, 27500000, 0, 0), 0,
         1, 0},
        {"gone", Tp(11200000, 27500000, 0), 0, 0, 1},
    };
    for (const Row& row : rows) {
        const auto sats = Read(XmlSat("19.2E A", 192, row.tps));
        const XmlUpdatePlan plan = PlanXmlUpdate(*db, sats);
        EXPECT_EQ(plan.added.size(), row.added) << row.rule;
        EXPECT_EQ(plan.updated.size(), row.updated) << row.rule;
        EXPECT_EQ(plan.vanished.size(), row.vanished) << row.rule;
    }
}

TEST_F(SatXmlImportTest, VanishedAreRemovedOnlyWhenAskedAndWithoutChannels) {
    db->satellites[0].set_angle(1920);
    db->satellites[1].set_angle(80);  // 0.8W
    // Transponder 2 (12100, satellite 1) carries channels; 0 and 1 (satellite 0) too.
    const auto sats = Read(XmlSat("19.2E A", 192, XmlTp(10700000, 27500000, 0)) +
                           XmlSat("0.8W B", -8, XmlTp(12500000, 27500000, 1)));
    testing::AppendTransponder(*db, testing::MakeTransponder(12300, 1, 3));  // no channel
    const XmlUpdatePlan plan = PlanXmlUpdate(*db, sats);
    ASSERT_EQ(plan.vanished.size(), 3u);
    EXPECT_EQ(plan.Removable(), 1);
    for (bool remove : {false, true}) {
        auto copy = std::make_unique<Database>();
        copy->tables() = db->tables();
        const auto counts = ApplyXmlUpdate(*copy, plan, remove, prompter);
        ASSERT_TRUE(counts);
        EXPECT_EQ(counts->added, 1);
        EXPECT_EQ(counts->removed, remove ? 1 : 0);
        EXPECT_EQ(copy->tp_count(), remove ? 4 : 5);
        EXPECT_EQ(copy->tv_count(), db->tv_count());
    }
}

TEST_F(SatXmlImportTest, OnlyTheChosenSatelliteIsUpdated) {
    db->satellites[0].set_angle(1920);
    db->satellites[1].set_angle(80);
    const auto sats = Read(XmlSat("19.2E A", 192, XmlTp(10800000, 27500000, 0)) +
                           XmlSat("0.8W B", -8, XmlTp(12500000, 27500000, 1)));
    for (int s : {0, 1}) {
        const XmlUpdatePlan plan = PlanXmlUpdate(*db, sats, s);
        for (const Transponder& tp : plan.added) EXPECT_EQ(tp.satellite(), s);
        for (const XmlTpVanished& v : plan.vanished) EXPECT_EQ(v.satellite, s);
    }
}

}  // namespace
}  // namespace velmora
