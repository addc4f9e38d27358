// Labels of the tree's satellite and transponder nodes.

#include <gtest/gtest.h>

#include "satellites/TreeLabels.h"

namespace velmora {
namespace {

Satellite MakeSatellite(bool universal, int lnb_low, int lnb_high, int diseqc, int motor) {
    Satellite sat;
    sat.set_name("New SAT");
    sat.set_universal(universal ? 1 : 0);
    sat.set_lnb_low(static_cast<uint16_t>(lnb_low));
    sat.set_lnb_high(static_cast<uint16_t>(lnb_high));
    sat.set_diseqc(static_cast<uint32_t>(diseqc));
    sat.set_motor(static_cast<uint32_t>(motor));
    return sat;
}

TEST(SatelliteLabel, NewSatelliteWithDefaults) {
    EXPECT_EQ(SatelliteLabel(MakeSatellite(true, 9750, 10600, 0, 0), 0),
              "| 1 | New SAT | Universal |  None | ");
}

TEST(SatelliteLabel, LnbPartByUniversalBitAndOscillators) {
    EXPECT_EQ(SatelliteLabel(MakeSatellite(true, 9750, 10750, 0, 0), 4),
              "| 5 | New SAT | 9750/10750 |  None | ");
    EXPECT_EQ(SatelliteLabel(MakeSatellite(false, 5150, 5150, 0, 0), 0),
              "| 1 | New SAT | 05150 |  None | ");
    EXPECT_EQ(SatelliteLabel(MakeSatellite(false, 10750, 10750, 0, 0), 0),
              "| 1 | New SAT | 10750 |  None | ");
}

TEST(SatelliteLabel, DiseqcNameIsFollowedByABarAndTheMotorPart) {
    EXPECT_EQ(SatelliteLabel(MakeSatellite(true, 9750, 10600, 1, 2), 1),
              "| 2 | New SAT | Universal | LNB1 | Usal | ");
    EXPECT_EQ(SatelliteLabel(MakeSatellite(true, 9750, 10600, 7, 1), 1),
              "| 2 | New SAT | Universal | Auto | Motor | ");
    EXPECT_EQ(SatelliteLabel(MakeSatellite(true, 9750, 10600, 5, 0), 1),
              "| 2 | New SAT | Universal | Burst A |");
    EXPECT_EQ(SatelliteLabel(MakeSatellite(true, 9750, 10600, 0, 3), 1),
              "| 2 | New SAT | Universal |  None | ");
}

TEST(SatelliteLabel, DiseqcWithoutANameShowsItsValue) {
    EXPECT_EQ(SatelliteLabel(MakeSatellite(true, 9750, 10600, 9, 0), 0),
              "| 1 | New SAT | Universal | DiSEqC 9 |");
}

TEST(TransponderLabel, NumberFrequencyPolarisationRateAndFec) {
    Transponder tp;
    tp.set_frequency(11747);
    tp.set_polarisation(1);
    tp.set_symbol_rate(27500);
    tp.set_fec(3);
    EXPECT_EQ(TransponderLabel(tp, 0), "1 | 11747 | VER | 27500 | 3/4");
    tp.set_polarisation(0);
    tp.set_fec(0);
    EXPECT_EQ(TransponderLabel(tp, 11), "12 | 11747 | HOR | 27500 | Auto");
}

TEST(TransponderLabel, FecWithoutANameShowsItsValue) {
    Transponder tp;
    tp.set_frequency(12000);
    tp.set_symbol_rate(2000);
    tp.set_fec(7);
    EXPECT_EQ(TransponderLabel(tp, 0), "1 | 12000 | HOR | 2000 | FEC 7");
}

}  // namespace
}  // namespace velmora
