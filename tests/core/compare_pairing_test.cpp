// Pairing the records of two databases: each rule, its fallback, table order, and a
// record pairing at most once.

#include <gtest/gtest.h>

#include "compare/Pairing.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

using testing::AppendChannel;
using testing::AppendTransponder;
using testing::MakeChannel;
using testing::MakeTransponder;
using testing::NewDatabase;

void AddSat(Database& db, const std::string& name, int angle, bool west = false) {
    Satellite& s = db.satellites[db.sat_count()];
    s.set_name(name);
    s.set_angle(static_cast<uint16_t>(angle));
    s.set_west(west);
    db.set_sat_count(db.sat_count() + 1);
}

Transponder Tp(uint16_t frequency, uint8_t sat, uint16_t tp_id, uint8_t pol = 0,
               uint16_t rate = 27500) {
    Transponder t = MakeTransponder(frequency, sat, tp_id);
    t.set_polarisation(pol);
    t.set_symbol_rate(rate);
    return t;
}

Channel Ch(const std::string& name, uint16_t tp_id, uint16_t video, uint16_t audio = 0) {
    Channel ch = MakeChannel({.name = name, .tp_id = tp_id, .service = 1});
    ch.set_video_pid(video);
    ch.set_pcr_pid(video);
    ch.set_plain_audio_pid(0, audio);
    ch.set_audio_count(1);
    return ch;
}

struct SatelliteCase {
    const char* rule;
    std::vector<std::tuple<std::string, int, bool>> a, b;
    std::vector<int> a_to_b;
};

TEST(PairSatellites, EachRuleAndItsFallback) {
    const SatelliteCase cases[] = {
        {"position and name, wherever they stand",
         {{"Astra", 1920, false}, {"Hotbird", 1300, false}},
         {{"Hotbird", 1300, false}, {"Astra", 1920, false}},
         {1, 0}},
        {"same position when renamed", {{"Astra", 1920, false}}, {{"Astra 1KR", 1920, false}}, {0}},
        {"same name when moved", {{"Astra", 1920, false}}, {{"Astra", 1900, false}}, {0}},
        {"position pairs before name",
         {{"Astra", 1920, false}},
         {{"Astra", 1300, false}, {"Other", 1920, false}},
         {1}},
        {"position and name before position alone",
         {{"Thor", 80, true}},
         {{"Intelsat", 80, true}, {"Thor", 80, true}},
         {1}},
        {"west is not east", {{"A", 80, true}}, {{"B", 80, false}}, {kUnpaired}},
        {"table order, each record once",
         {{"Twin", 500, false}, {"Twin", 500, false}},
         {{"Twin", 500, false}},
         {0, kUnpaired}},
    };
    for (const SatelliteCase& c : cases) {
        auto a = NewDatabase(), b = NewDatabase();
        for (const auto& [name, angle, west] : c.a) AddSat(*a, name, angle, west);
        for (const auto& [name, angle, west] : c.b) AddSat(*b, name, angle, west);
        const TablePairing p = PairSatellites(*a, *b);
        EXPECT_EQ(p.a_to_b, c.a_to_b) << c.rule;
        for (size_t i = 0; i < p.a_to_b.size(); ++i) {
            if (p.a_to_b[i] != kUnpaired) {
                EXPECT_EQ(p.b_to_a[p.a_to_b[i]], int(i)) << c.rule;
            }
        }
    }
}

// Two satellites on each side, paired crosswise (A's 0 is B's 1), so a transponder
// pairs only on its own satellite's partner.
struct TwoSides {
    std::unique_ptr<Database> a = NewDatabase(), b = NewDatabase();
    TwoSides() {
        AddSat(*a, "Astra", 1920);
        AddSat(*a, "Hotbird", 1300);
        AddSat(*b, "Hotbird", 1300);
        AddSat(*b, "Astra", 1920);
    }
    TablePairing Transponders() const { return PairTransponders(*a, *b, PairSatellites(*a, *b)); }
};

TEST(PairTransponders, FrequencyAndPolarisationOnThePairedSatellite) {
    TwoSides s;
    AppendTransponder(*s.a, Tp(11000, 0, 0));
    AppendTransponder(*s.a, Tp(12000, 1, 1, 1));
    AppendTransponder(*s.b, Tp(12000, 0, 7, 1));  // Hotbird there
    AppendTransponder(*s.b, Tp(11000, 0, 8));     // Hotbird: not Astra's
    AppendTransponder(*s.b, Tp(11000, 1, 9));     // Astra
    EXPECT_EQ(s.Transponders().a_to_b, (std::vector<int>{2, 0}));
}

TEST(PairTransponders, PolarisationMustMatch) {
    TwoSides s;
    AppendTransponder(*s.a, Tp(11000, 0, 0, 0));
    AppendTransponder(*s.b, Tp(11000, 1, 0, 1));
    EXPECT_EQ(s.Transponders().a_to_b, (std::vector<int>{kUnpaired}));
}

TEST(PairTransponders, SymbolRateBreaksTiesElseTableOrder) {
    TwoSides s;
    AppendTransponder(*s.a, Tp(11000, 0, 0, 0, 27500));
    AppendTransponder(*s.a, Tp(11000, 0, 1, 0, 30000));
    AppendTransponder(*s.b, Tp(11000, 1, 0, 0, 22000));
    AppendTransponder(*s.b, Tp(11000, 1, 1, 0, 27500));
    // A's first takes the same rate; the second falls back to the one left.
    EXPECT_EQ(s.Transponders().a_to_b, (std::vector<int>{1, 0}));
}

TEST(PairTransponders, NothingPairsOnUnpairedSatellites) {
    auto a = NewDatabase(), b = NewDatabase();
    AddSat(*a, "Astra", 1920);
    AddSat(*b, "Galaxy", 970, true);
    AppendTransponder(*a, Tp(11000, 0, 0));
    AppendTransponder(*b, Tp(11000, 0, 0));
    EXPECT_EQ(PairTransponders(*a, *b, PairSatellites(*a, *b)).a_to_b,
              (std::vector<int>{kUnpaired}));
}

// One satellite, two transponders on each side; tp_ids are numbered differently.
struct ChannelSides : TwoSides {
    ChannelSides() {
        AppendTransponder(*a, Tp(11000, 0, 0));
        AppendTransponder(*a, Tp(11500, 0, 1));
        AppendTransponder(*b, Tp(11500, 1, 4));
        AppendTransponder(*b, Tp(11000, 1, 5));
    }
    std::vector<int> Pair(bool radio = false) const {
        const DatabasePairing p = PairDatabases(*a, *b);
        return p.channels(radio).a_to_b;
    }
};

TEST(PairChannels, PidsOnPairedTransponderBeforeName) {
    ChannelSides s;
    AppendChannel(*s.a, false, Ch("One", 0, 100, 101));
    AppendChannel(*s.b, false, Ch("One", 5, 200, 201));      // same name, other PIDs
    AppendChannel(*s.b, false, Ch("Renamed", 5, 100, 101));  // same PIDs
    EXPECT_EQ(s.Pair(), (std::vector<int>{1}));
}

TEST(PairChannels, FirstAudioPidIsPartOfThePids) {
    ChannelSides s;
    AppendChannel(*s.a, false, Ch("One", 0, 100, 101));
    AppendChannel(*s.b, false, Ch("Two", 5, 100, 102));
    EXPECT_EQ(s.Pair(), (std::vector<int>{kUnpaired}));
}

TEST(PairChannels, SamePidsOnAnotherTransponderDoNotPair) {
    ChannelSides s;
    AppendChannel(*s.a, false, Ch("One", 0, 100, 101));
    AppendChannel(*s.b, false, Ch("Two", 4, 100, 101));  // B's 11500
    EXPECT_EQ(s.Pair(), (std::vector<int>{kUnpaired}));
}

TEST(PairChannels, NameIgnoringCaseOnPairedTransponderBeforeNameAnywhere) {
    ChannelSides s;
    AppendChannel(*s.a, false,
                  Ch("Kanal S\xFC"
                     "d",
                     0, 100));
    AppendChannel(*s.b, false,
                  Ch("KANAL S\xDC"
                     "D",
                     4, 300));  // other transponder
    AppendChannel(*s.b, false,
                  Ch("kanal s\xFC"
                     "d",
                     5, 200));  // paired transponder
    EXPECT_EQ(s.Pair(), (std::vector<int>{1}));
}

TEST(PairChannels, NameAnywhereIsTheLastFallback) {
    ChannelSides s;
    AppendChannel(*s.a, false, Ch("Nova", 0, 100));
    AppendChannel(*s.a, false, Ch("Orphan", 77, 100));  // its tp_id names no transponder
    AppendChannel(*s.b, false, Ch("NOVA", 4, 300));
    AppendChannel(*s.b, false, Ch("orphan", 5, 200));
    EXPECT_EQ(s.Pair(), (std::vector<int>{0, 1}));
}

TEST(PairChannels, TvPairsWithTvAndRadioWithRadio) {
    ChannelSides s;
    AppendChannel(*s.a, false, Ch("Wave", 0, 100));
    AppendChannel(*s.b, true, Ch("Wave", 5, 100));
    EXPECT_EQ(s.Pair(false), (std::vector<int>{kUnpaired}));
    AppendChannel(*s.a, true, Ch("Wave", 0, 100));
    EXPECT_EQ(s.Pair(true), (std::vector<int>{0}));
}

TEST(PairChannels, TableOrderAndEachRecordOnce) {
    ChannelSides s;
    for (int i = 0; i < 3; ++i) AppendChannel(*s.a, false, Ch("News", 0, 100));
    AppendChannel(*s.b, false, Ch("News", 5, 100));
    AppendChannel(*s.b, false, Ch("News", 5, 100));
    EXPECT_EQ(s.Pair(), (std::vector<int>{0, 1, kUnpaired}));
}

TEST(PairDatabases, SampleWithItselfPairsEveryRecordInPlace) {
    const auto db = testing::MakeSmallDatabase();
    const DatabasePairing p = PairDatabases(*db, *db);
    for (const TablePairing* t : {&p.satellites, &p.transponders, &p.tv, &p.radio}) {
        for (size_t i = 0; i < t->a_to_b.size(); ++i) EXPECT_EQ(t->a_to_b[i], int(i));
    }
}

}  // namespace
}  // namespace velmora
