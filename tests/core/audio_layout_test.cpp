// Writing audio entry lists into the plain and packed layouts.

#include <gtest/gtest.h>

#include "cli/AudioLayout.h"

namespace velmora::cli {
namespace {

std::vector<AudioEntry> Consecutive(int count, int base) {
    std::vector<AudioEntry> list;
    for (int k = 0; k < count; ++k) list.push_back({base + k, k % 62});
    return list;
}

std::vector<AudioEntry> ReadBack(const Channel& ch) {
    std::vector<AudioEntry> list;
    for (int k = 0; k < static_cast<int>(ch.audio_count()); ++k) list.push_back(ch.audio_entry(k));
    return list;
}

TEST(WriteAudioArea, TenEntriesUseThePlainLayout) {
    Channel ch;
    auto list = Consecutive(10, 500);
    list[3].pid = 77;
    ASSERT_EQ(WriteAudioArea(ch, list), AudioWrite::Ok);
    EXPECT_EQ(ch.bytes[8 + 2 * 3], 77);
    EXPECT_EQ(ch.bytes[28 + 9], 9);
    EXPECT_EQ(ReadBack(ch), list);
}

TEST(WriteAudioArea, ElevenConsecutivePidsNeedNoExceptionSlot) {
    Channel ch;
    ASSERT_EQ(WriteAudioArea(ch, Consecutive(11, 100)), AudioWrite::Ok);
    EXPECT_EQ(ch.packed_base_pid(), 100);
    EXPECT_EQ(ch.exception_mask(), 1u);
    EXPECT_EQ(ch.exception_pid(1), 0);
    EXPECT_EQ(ch.packed_audio_language(10), 10);
}

TEST(WriteAudioArea, ExceptionsFillTheSlotsInEntryOrder) {
    Channel ch;
    auto list = Consecutive(11, 100);
    list[4].pid = 300;
    list[7].pid = 400;
    ASSERT_EQ(WriteAudioArea(ch, list), AudioWrite::Ok);
    EXPECT_EQ(ch.exception_pid(1), 300);
    EXPECT_EQ(ch.exception_pid(2), 400);
    EXPECT_EQ(ch.exception_mask(), 0x91u);
    EXPECT_EQ(ReadBack(ch), list);
}

TEST(WriteAudioArea, ThreeExceptionsOfTwelveReadBack) {
    Channel ch;
    auto list = Consecutive(12, 2300);
    list[2].pid = 10;
    list[5].pid = 20;
    list[9].pid = 30;
    ASSERT_EQ(WriteAudioArea(ch, list), AudioWrite::Ok);
    EXPECT_EQ(ch.exception_pid(3), 30);
    EXPECT_EQ(ReadBack(ch), list);
}

TEST(WriteAudioArea, FourExceptionsAreRefusedWithTheRecordUnchanged) {
    Channel ch;
    ch.set_name("Keep");
    auto list = Consecutive(12, 100);
    for (int k : {1, 2, 3, 4}) list[k].pid = 1000 + k;
    const auto before = ch.bytes;
    EXPECT_EQ(WriteAudioArea(ch, list), AudioWrite::TooManyExceptions);
    EXPECT_EQ(ch.bytes, before);
}

TEST(WriteAudioArea, MoreThanTwentyEntriesDoNotFitTheLanguageBytes) {
    Channel ch;
    EXPECT_EQ(WriteAudioArea(ch, Consecutive(20, 1)), AudioWrite::Ok);
    EXPECT_EQ(ch.name(), "");  // language 19 stops at byte 39, before the name
    EXPECT_EQ(WriteAudioArea(ch, Consecutive(21, 1)), AudioWrite::TooManyEntries);
}

}  // namespace
}  // namespace velmora::cli
