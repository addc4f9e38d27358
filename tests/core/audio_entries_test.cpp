#include <gtest/gtest.h>

#include "channels/AudioEntries.h"
#include "core/channel_fixture.h"
#include "database/Bytes.h"

namespace velmora {
namespace {

using testing::ConfirmAudio;
using testing::ScriptedChannelDialogs;
using testing::ScriptedPrompter;

AudioList ListOf(std::vector<int> pids, int default_index = 0) {
    AudioList list;
    list.count = static_cast<int>(pids.size());
    for (int k = 0; k < list.count; ++k) list.entries[k] = {pids[k], k % 62};
    list.default_index = default_index;
    return list;
}

std::vector<int> Sequence(int first, int n) {
    std::vector<int> pids;
    for (int k = 0; k < n; ++k) pids.push_back(first + k);
    return pids;
}

void ExpectSameEntries(const AudioList& a, const AudioList& b) {
    ASSERT_EQ(a.count, b.count);
    for (int k = 0; k < a.count; ++k) EXPECT_EQ(a.entries[k], b.entries[k]) << "entry " << k;
}

TEST(AudioLayout, TenEntriesUseThePlainLayoutAndReadBack) {
    Channel ch;
    ch.bytes[38] = 0xAB;  // not used by the plain layout
    const AudioList list = ListOf({10, 20, 30, 40, 50, 60, 70, 80, 90, 99}, 3);
    ASSERT_TRUE(WriteAudioEntries(list, ch));
    EXPECT_EQ(ch.audio_count(), 10u);
    EXPECT_EQ(ch.default_audio(), 3u);
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(LoadU16(ch.bytes.data() + 8 + 2 * k), list.entries[k].pid);
        EXPECT_EQ(ch.bytes[28 + k], list.entries[k].language);
    }
    EXPECT_EQ(ch.bytes[38], 0xAB);
    ExpectSameEntries(ReadAudioEntries(ch), list);
}

TEST(AudioLayout, PlainWriteLeavesBytesBeyondTheCount) {
    Channel ch;
    ch.bytes.fill(0x55);
    ASSERT_TRUE(WriteAudioEntries(ListOf({300, 301}), ch));
    EXPECT_EQ(LoadU16(ch.bytes.data() + 12), 0x5555);  // third PID slot
    EXPECT_EQ(ch.bytes[30], 0x55);                     // third language byte
}

TEST(AudioLayout, ElevenConsecutivePidsPackWithoutExceptions) {
    Channel ch;
    StoreU16(ch.bytes.data() + 10, 0x1234);
    ASSERT_TRUE(WriteAudioEntries(ListOf(Sequence(100, 11)), ch));
    EXPECT_EQ(LoadU16(ch.bytes.data() + 8), 100);
    EXPECT_EQ(LoadU32(ch.bytes.data() + 16), 1u);
    EXPECT_EQ(LoadU16(ch.bytes.data() + 10), 0x1234);  // exception slot untouched
    for (int k = 0; k < 11; ++k) EXPECT_EQ(ch.bytes[20 + k], k);
    ExpectSameEntries(ReadAudioEntries(ch), ListOf(Sequence(100, 11)));
}

TEST(AudioLayout, TwoExceptionsPackIntoSlotsAndMask) {
    std::vector<int> pids = Sequence(100, 11);
    pids[4] = 300;
    pids[7] = 400;
    Channel ch;
    ASSERT_TRUE(WriteAudioEntries(ListOf(pids), ch));
    EXPECT_EQ(LoadU16(ch.bytes.data() + 8), 100);
    EXPECT_EQ(LoadU16(ch.bytes.data() + 10), 300);
    EXPECT_EQ(LoadU16(ch.bytes.data() + 12), 400);
    EXPECT_EQ(LoadU32(ch.bytes.data() + 16), 0x91u);
    ExpectSameEntries(ReadAudioEntries(ch), ListOf(pids));
}

TEST(AudioLayout, ThreeExceptionsFillEverySlotAndReadBack) {
    std::vector<int> pids = Sequence(500, 12);
    pids[2] = 7000;
    pids[5] = 7001;
    pids[9] = 7002;
    Channel ch;
    ASSERT_TRUE(WriteAudioEntries(ListOf(pids), ch));
    EXPECT_EQ(LoadU16(ch.bytes.data() + 14), 7002);
    const AudioList back = ReadAudioEntries(ch);
    EXPECT_EQ(back.entries[9].pid, 7002);
    ExpectSameEntries(back, ListOf(pids));
}

TEST(AudioLayout, PackedRecordReadsExceptionsByMaskBits) {
    Channel ch;
    ch.set_audio_count(12);
    StoreU16(ch.bytes.data() + 8, 200);
    StoreU16(ch.bytes.data() + 10, 900);
    StoreU32(ch.bytes.data() + 16, 0x5);
    const AudioList list = ReadAudioEntries(ch);
    ASSERT_EQ(list.count, 12);
    for (int k = 0; k < 12; ++k) EXPECT_EQ(list.entries[k].pid, k == 2 ? 900 : 200 + k);

    // Mask bits 0, 4, 7 and 9 with exceptions 300, 400, 500.
    ch.set_audio_count(11);
    StoreU16(ch.bytes.data() + 8, 100);
    StoreU16(ch.bytes.data() + 10, 300);
    StoreU16(ch.bytes.data() + 12, 400);
    StoreU16(ch.bytes.data() + 14, 500);
    StoreU32(ch.bytes.data() + 16, (1u << 0) | (1u << 4) | (1u << 7) | (1u << 9));
    const AudioList other = ReadAudioEntries(ch);
    EXPECT_EQ(other.entries[3].pid, 103);
    EXPECT_EQ(other.entries[4].pid, 300);
    EXPECT_EQ(other.entries[7].pid, 400);
    EXPECT_EQ(other.entries[8].pid, 108);
    EXPECT_EQ(other.entries[9].pid, 500);
}

TEST(AudioLayout, FourExceptionsAreRefusedAndTheRecordKeepsItsPids) {
    std::vector<int> pids = Sequence(100, 11);
    pids[2] = 900;
    pids[3] = 901;
    pids[5] = 902;
    pids[8] = 903;
    const AudioList list = ListOf(pids);
    EXPECT_TRUE(AudioListProblem(list).has_value());

    Channel ch;
    ASSERT_TRUE(WriteAudioEntries(ListOf(Sequence(100, 11)), ch));
    const Channel before = ch;
    EXPECT_FALSE(WriteAudioEntries(list, ch));
    EXPECT_EQ(ch.bytes, before.bytes);
}

TEST(AudioLayout, PackedWriteNeverReachesPastTheAudioArea) {
    // 25 entries read from a file: languages exist for the first 20 only.
    AudioList list = ListOf(Sequence(40, 25));
    for (int k = 20; k < 25; ++k) list.entries[k].language = 0;
    Channel ch;
    ch.set_name("Kept Name");
    ch.set_service_number(77);
    ASSERT_TRUE(WriteAudioEntries(list, ch));
    EXPECT_EQ(ch.name(), "Kept Name");
    EXPECT_EQ(ch.service_number(), 77);
    ExpectSameEntries(ReadAudioEntries(ch), list);

    // A language on an entry after the 20th has nowhere to go.
    list.entries[22].language = 18;
    EXPECT_TRUE(AudioListProblem(list).has_value());
    EXPECT_FALSE(WriteAudioEntries(list, ch));
}

TEST(AudioLayout, ThirtyOneStoredEntriesAreAllRead) {
    Channel ch;
    ch.set_audio_count(31);
    StoreU16(ch.bytes.data() + 8, 1000);
    StoreU32(ch.bytes.data() + 16, 1);
    const AudioList list = ReadAudioEntries(ch);
    ASSERT_EQ(list.count, 31);
    EXPECT_EQ(list.entries[30].pid, 1030);
    Channel copy = ch;
    ASSERT_TRUE(WriteAudioEntries(list, copy));
    EXPECT_EQ(copy.bytes, ch.bytes);
}

TEST(AudioLayout, DefaultNotBelowTheCountIsStoredAsZero) {
    Channel ch;
    ASSERT_TRUE(WriteAudioEntries(ListOf({10, 20}, 2), ch));
    EXPECT_EQ(ch.default_audio(), 0u);
    ASSERT_TRUE(WriteAudioEntries(ListOf({}, 0), ch));
    EXPECT_EQ(ch.audio_count(), 0u);
}

TEST(AudioRows, ShowPositionPidLanguageAndTheDefaultMark) {
    AudioList list;
    list.count = 2;
    list.entries[0] = {120, 18};
    list.entries[1] = {121, 0};
    list.default_index = 1;
    EXPECT_EQ(AudioRows(list),
              (std::vector<std::string>{"1  120  English", "2  121  Undefined Default"}));
}

class AudioEditing : public ::testing::Test {
protected:
    ScriptedPrompter prompter;
    ScriptedChannelDialogs dialogs;
};

TEST_F(AudioEditing, FirstEntryOfANewChannelIsTheDefault) {
    AudioList list;
    dialogs.audio.push_back(ConfirmAudio(300, 23, false));
    dialogs.audio.push_back(ConfirmAudio(301, 21, true));
    ASSERT_EQ(AddAudioEntry(list, dialogs, prompter), 1);
    EXPECT_EQ(AudioRows(list).front(), "1  300  German Default");
    ASSERT_EQ(AddAudioEntry(list, dialogs, prompter), 1);
    EXPECT_EQ(list.default_index, 1);
}

TEST_F(AudioEditing, AddIsRefusedAtTenEntries) {
    AudioList list = ListOf(Sequence(100, 10));
    EXPECT_EQ(AddAudioEntry(list, dialogs, prompter), 0);
    AudioList read_long = ListOf(Sequence(100, 14));
    EXPECT_EQ(AddAudioEntry(read_long, dialogs, prompter), 0);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Audio Languages are full", "Audio Languages are full"}));
    EXPECT_EQ(dialogs.audio_runs, 0);
    EXPECT_EQ(list.count, 10);
}

TEST_F(AudioEditing, EditAndDeleteNeedASelectedRow) {
    AudioList list = ListOf({10, 20});
    EXPECT_EQ(EditAudioEntry(list, -1, dialogs, prompter), 0);
    EXPECT_EQ(DeleteAudioEntry(list, -1, prompter), 0);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Please select item first", "Please select item first"}));
    EXPECT_EQ(list.count, 2);
}

TEST_F(AudioEditing, EditStoresTheEntryAndOnlyASetFlagMovesTheDefault) {
    AudioList list = ListOf({10, 20, 30}, 1);
    dialogs.audio.push_back([](AudioForm& form) {
        EXPECT_TRUE(form.is_default);
        EXPECT_EQ(form.pid_text, "20");
        form.pid_text = "25";
        form.is_default = false;
        return !ValidateAndApply(form, form.entry);
    });
    ASSERT_EQ(EditAudioEntry(list, 1, dialogs, prompter), 1);
    EXPECT_EQ(list.entries[1].pid, 25);
    EXPECT_EQ(list.default_index, 1);

    dialogs.audio.push_back(ConfirmAudio(30, 3, true));
    ASSERT_EQ(EditAudioEntry(list, 2, dialogs, prompter), 1);
    EXPECT_EQ(list.default_index, 2);
}

TEST_F(AudioEditing, DeleteShiftsEntriesAndKeepsTheDefaultIndex) {
    AudioList list = ListOf({10, 20, 30}, 2);
    ASSERT_EQ(DeleteAudioEntry(list, 0, prompter), 1);
    EXPECT_EQ(list.count, 2);
    EXPECT_EQ(list.entries[0].pid, 20);
    // The index stays 2, which is now past the end, so it falls back to 0.
    EXPECT_EQ(list.default_index, 0);

    AudioList other = ListOf({10, 20, 30}, 1);
    ASSERT_EQ(DeleteAudioEntry(other, 0, prompter), 1);
    EXPECT_EQ(other.default_index, 1);  // now marks 30, which slid into position 1
}

TEST_F(AudioEditing, DeletingTheLastEntryWhileDefaultMovesTheDefaultToZero) {
    AudioList list = ListOf({10, 20, 30}, 2);
    ASSERT_EQ(DeleteAudioEntry(list, 2, prompter), 1);
    EXPECT_EQ(list.default_index, 0);
}

TEST(AudioFormChecks, PidMustBeAnIntegerFromOneTo8191) {
    AudioForm form(AudioEntry{5, 3}, false);
    for (const char* text : {"", "abc", "12x", "1.5"}) {
        form.pid_text = text;
        auto failure = ValidateAndApply(form, form.entry);
        ASSERT_TRUE(failure) << text;
        EXPECT_EQ(failure->message, "Please enter an integer.");
        EXPECT_EQ(failure->control, kIdAudioPid);
    }
    for (const char* text : {"0", "8192", "-1"}) {
        form.pid_text = text;
        auto failure = ValidateAndApply(form, form.entry);
        ASSERT_TRUE(failure) << text;
        EXPECT_EQ(failure->message, "Please enter an integer between 1 and 8191.");
    }
    form.pid_text = " 8191 ";
    EXPECT_FALSE(ValidateAndApply(form, form.entry));
    EXPECT_EQ(form.entry.pid, 8191);
}

TEST(AudioFormChecks, NoLanguageSelectedStoresUndefined) {
    AudioForm form(AudioEntry{5, 200}, false);
    form.language = -1;
    ASSERT_FALSE(ValidateAndApply(form, form.entry));
    EXPECT_EQ(form.entry.language, 0);
    form.language = 61;
    ASSERT_FALSE(ValidateAndApply(form, form.entry));
    EXPECT_EQ(form.entry.language, 61);
}

}  // namespace
}  // namespace velmora
