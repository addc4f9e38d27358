// Record accessors against the byte layouts the receiver writes.

#include "database/Records.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(ChannelRecord, KeyIsServiceNumberAndTpIdFromBytes56To59) {
    Channel ch;
    ch.bytes[56] = 0x05;
    ch.bytes[57] = 0x00;
    ch.bytes[58] = 0x2A;
    ch.bytes[59] = 0x00;
    EXPECT_EQ(ch.key(), 0x002A0005u);
    EXPECT_EQ(ch.service_number(), 5);
    EXPECT_EQ(ch.tp_id(), 42);
}

TEST(ChannelRecord, FlagFieldsSitInTheirBitsOfTheWordAt60) {
    Channel ch;
    // marks 0x81, audio_mode 2, default_audio 3, audio_count 17, locked, radio, fta, bit 23.
    const uint32_t word =
        0x81 | 2u << 8 | 3u << 10 | 17u << 15 | 1u << 20 | 1u << 21 | 1u << 22 | 1u << 23;
    ch.bytes[60] = word & 0xFF;
    ch.bytes[61] = (word >> 8) & 0xFF;
    ch.bytes[62] = (word >> 16) & 0xFF;
    ch.bytes[63] = word >> 24;
    EXPECT_EQ(ch.fav_marks(), 0x81u);
    EXPECT_TRUE(ch.fav(0) && ch.fav(7) && !ch.fav(1));
    EXPECT_EQ(ch.audio_mode(), 2u);
    EXPECT_EQ(ch.default_audio(), 3u);
    EXPECT_EQ(ch.audio_count(), 17u);
    EXPECT_EQ(ch.locked(), 1u);
    EXPECT_EQ(ch.radio_flag(), 1u);
    EXPECT_EQ(ch.fta(), 1u);
    // Changing one field leaves the bits no field names alone.
    ch.set_audio_count(2);
    EXPECT_EQ(ch.ch_flags(), (word & ~(31u << 15)) | 2u << 15);
}

TEST(ChannelRecord, CountOfTenReadsThePlainLayout) {
    Channel ch;
    for (int k = 0; k < 10; ++k) {
        ch.bytes[8 + 2 * k] = static_cast<uint8_t>(200 + k);
        ch.bytes[28 + k] = static_cast<uint8_t>(k + 1);
    }
    ch.set_audio_count(10);
    for (int k = 0; k < 10; ++k) EXPECT_EQ(ch.audio_entry(k), (AudioEntry{200 + k, k + 1}));
}

TEST(ChannelRecord, CountOfElevenReadsThePackedLayout) {
    Channel ch;
    ch.bytes[8] = 100;      // base PID
    ch.bytes[16] = 1;       // mask: no exceptions
    ch.bytes[20 + 10] = 7;  // language of entry 10
    ch.set_audio_count(11);
    EXPECT_EQ(ch.audio_entry(0).pid, 100);
    EXPECT_EQ(ch.audio_entry(10), (AudioEntry{110, 7}));
}

TEST(ChannelRecord, PackedExceptionsAreTakenInMaskOrder) {
    // Base 100, mask bits 0, 4, 7, 9, exceptions 300, 400, 500.
    Channel ch;
    ch.bytes[8] = 100;
    ch.bytes[10] = 300 & 0xFF;
    ch.bytes[11] = 300 >> 8;
    ch.bytes[12] = 400 & 0xFF;
    ch.bytes[13] = 400 >> 8;
    ch.bytes[14] = 500 & 0xFF;
    ch.bytes[15] = 500 >> 8;
    const uint32_t mask = 1u | 1u << 4 | 1u << 7 | 1u << 9;
    ch.bytes[16] = mask & 0xFF;
    ch.bytes[17] = mask >> 8;
    ch.set_audio_count(12);
    EXPECT_EQ(ch.audio_entry(3).pid, 103);
    EXPECT_EQ(ch.audio_entry(4).pid, 300);
    EXPECT_EQ(ch.audio_entry(7).pid, 400);
    EXPECT_EQ(ch.audio_entry(8).pid, 108);
    EXPECT_EQ(ch.audio_entry(9).pid, 500);
    EXPECT_EQ(ch.audio_entry(11).pid, 111);
}

TEST(ChannelRecord, PackedSingleExceptionReadsFromSlotOne) {
    Channel ch;
    ch.bytes[8] = 200;
    ch.bytes[10] = 900 & 0xFF;
    ch.bytes[11] = 900 >> 8;
    ch.bytes[16] = 0x5;
    ch.set_audio_count(12);
    for (int k = 0; k < 12; ++k) EXPECT_EQ(ch.audio_entry(k).pid, k == 2 ? 900 : 200 + k) << k;
}

TEST(SatelliteRecord, FlagFieldsSitInTheirBitsOfTheWordAt24) {
    Satellite s;
    // tone 2, power 1, diseqc 6, universal, west, ref_tp 200, motor 2.
    const uint32_t word = 2u | 1u << 2 | 6u << 4 | 1u << 8 | 1u << 9 | 200u << 10 | 2u << 21;
    for (int i = 0; i < 4; ++i) s.bytes[24 + i] = (word >> (8 * i)) & 0xFF;
    EXPECT_EQ(s.tone_22k(), 2u);
    EXPECT_EQ(s.power_12v(), 1u);
    EXPECT_EQ(s.diseqc(), 6u);
    EXPECT_EQ(s.universal(), 1u);
    EXPECT_EQ(s.west(), 1u);
    EXPECT_EQ(s.ref_tp(), 200u);
    EXPECT_EQ(s.motor(), 2u);
}

TEST(SettingsRecord, PasswordLocksAndSignedTimeOffsetHaveTheirOffsets) {
    SettingsBlock s;
    s.set_password("4826");
    s.set_lock_flags(0x0B);
    s.set_time_offset(-5);
    EXPECT_EQ(std::string(s.bytes.begin() + 8, s.bytes.begin() + 12), "4826");
    EXPECT_EQ(s.bytes[12], 0x0B);
    EXPECT_EQ(s.bytes[14], 0xFB);
    s.set_fav_name(7, "Favoriten");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(s.bytes.data()) + 32 + 7 * 16),
              "Favoriten");
}

TEST(HeaderRecord, CountsAndSizesReadAsSignedSixteenBits) {
    SdxHeader h;
    h.bytes[36] = 0xFF;
    h.bytes[37] = 0xFF;
    h.bytes[52] = 0x28;
    h.bytes[53] = 0x03;
    EXPECT_EQ(h.tv_count(), -1);
    EXPECT_EQ(h.fav_b(), 808);
}

TEST(TextField, LongTextKeepsFifteenBytesAndItsTerminator) {
    Channel ch;
    ch.set_service_number(0x1234);
    ch.set_name("ABCDEFGHIJKLMNOPQRS");
    EXPECT_EQ(ch.name(), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(ch.service_number(), 0x1234);
}

TEST(NameFilter, KeepsPrintableBytesDegreeSignAndUpperLatin1) {
    EXPECT_EQ(FilterNameBytes("\x1E\x1F\x7F\x80\xAF\xB0\xB1\xBF\xC0\xFE\xFF"),
              "\x1F\x7F\xB0\xC0\xFE");
}

}  // namespace
}  // namespace velmora
