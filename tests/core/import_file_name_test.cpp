// The satellite an import pass creates: name, orbital position and direction from the
// saved page's file name, and the band's row values.

#include <gtest/gtest.h>

#include "import/ListingFileName.h"

namespace velmora {
namespace {

// The degree sign as Latin-1 names hold it.
const std::string kDegree = "\xB0";

TEST(ListingFileName, DegreeSignThenEastOrWest) {
    const auto east = ParseListingFileName("Alpha 6 at 13.0" + kDegree + "E.htm");
    ASSERT_TRUE(east);
    EXPECT_EQ(east->base, "Alpha 6");
    EXPECT_EQ(east->angle, 130);
    EXPECT_FALSE(east->west);

    const auto west = ParseListingFileName("Alpha 6 at 13.0" + kDegree + "W.htm");
    ASSERT_TRUE(west);
    EXPECT_EQ(west->angle, 130);
    EXPECT_TRUE(west->west);
}

TEST(ListingFileName, WithoutHighByteDirectionStaysEast) {
    const auto beta = ParseListingFileName("Beta 9 at 18.0W.htm");
    ASSERT_TRUE(beta);
    EXPECT_EQ(beta->base, "Beta 9");
    EXPECT_EQ(beta->angle, 180);
    EXPECT_FALSE(beta->west);
}

TEST(ListingFileName, DigitsAfterTheLetterCount) {
    const auto copy = ParseListingFileName("Beta 9 at 18.0W (2).htm");
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->angle, 1802);
}

TEST(ListingFileName, FirstLetterAfterHighByteDecides) {
    EXPECT_FALSE(ParseListingFileName("Gamma at 5\xB0.htm")->west);
    EXPECT_TRUE(ParseListingFileName("Gamma at 5\xB0 West East.htm")->west);
    EXPECT_FALSE(ParseListingFileName("Gamma at 5\xB0 East West.htm")->west);
    // Digits stop at the high byte.
    EXPECT_EQ(ParseListingFileName("Gamma at 5\xB0 12W.htm")->angle, 5);
}

TEST(ListingFileName, NeedsAtAfterFirstCharacter) {
    EXPECT_FALSE(ParseListingFileName("Gamma 13E.htm"));
    EXPECT_FALSE(ParseListingFileName(""));
    // Only the first " at" is looked at.
    EXPECT_FALSE(ParseListingFileName(" at Gamma at 13E.htm"));
    const auto bare = ParseListingFileName("G at");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->base, "G");
    EXPECT_EQ(bare->angle, 0);
}

TEST(ImportedSatellite, BandRowValues) {
    const Satellite sat = MakeImportedSatellite({"Alpha 6", 130, true}, Band::C);
    EXPECT_EQ(sat.name(), "C_Alpha 6");
    EXPECT_EQ(sat.lnb_low(), 5150);
    EXPECT_EQ(sat.lnb_high(), 5150);
    EXPECT_EQ(sat.angle(), 130);
    EXPECT_EQ(sat.sat_flags(), 2u | 1u << 9);  // tone "Auto", West
    EXPECT_EQ(sat.bytes[22], 0);
    EXPECT_EQ(sat.bytes[23], 0);

    const Satellite ku = MakeImportedSatellite({"Alpha 6", 130, false}, Band::Ku);
    EXPECT_EQ(ku.name(), "Ku_Alpha 6");
    EXPECT_EQ(ku.lnb_low(), 10600);
    EXPECT_EQ(ku.lnb_high(), 9750);
    EXPECT_EQ(ku.sat_flags(), 2u | 1u << 8);  // tone "Auto", universal
}

TEST(ImportedSatellite, LongBaseNameKeepsTerminator) {
    const std::string base = "ABCDEFGHIJKLMNOPQRST";  // 20 characters
    const Satellite c = MakeImportedSatellite({base, 0, false}, Band::C);
    const Satellite ku = MakeImportedSatellite({base, 0, false}, Band::Ku);
    // "C_" + 14 and "Ku_" + 13 would fill all 16 bytes; the last one stays the terminator.
    EXPECT_EQ(c.name(), "C_ABCDEFGHIJKLM");
    EXPECT_EQ(ku.name(), "Ku_ABCDEFGHIJKL");
    EXPECT_EQ(c.bytes[15], 0);
    EXPECT_EQ(ku.bytes[15], 0);
    // Base names that fit are kept whole.
    EXPECT_EQ(MakeImportedSatellite({"ABCDEFGHIJKLM", 0, false}, Band::C).name(),
              "C_ABCDEFGHIJKLM");
}

TEST(FileNameToLatin1, Utf8NamesBecomeLatin1) {
    EXPECT_EQ(FileNameToLatin1("Alpha 6 at 13.0\u00B0E.htm"),
              "Alpha 6 at 13.0" + kDegree + "E.htm");
    EXPECT_EQ(FileNameToLatin1("T\xC3\xBCrksat at 42E.htm"), "T\xFCrksat at 42E.htm");
    // Characters beyond Latin-1 are dropped, not turned into a kept '?'.
    EXPECT_EQ(FileNameToLatin1("\xCE\xA9mega at 1E.htm"), "mega at 1E.htm");
}

TEST(FileNameToLatin1, OtherNamesStayAsTheyAre) {
    const std::string raw = "Alpha 6 at 13.0" + kDegree + "E.htm";
    EXPECT_EQ(FileNameToLatin1(raw), raw);
    EXPECT_EQ(FileNameToLatin1("cut \xC3"), "cut \xC3");
    EXPECT_EQ(FileNameToLatin1("overlong \xC0\xB0"), "overlong \xC0\xB0");
}

}  // namespace
}  // namespace velmora
