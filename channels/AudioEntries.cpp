#include "channels/AudioEntries.h"

#include "channels/AudioForm.h"
#include "channels/ChannelDialogs.h"
#include "database/Bytes.h"
#include "database/NameLists.h"
#include "text/Translate.h"

namespace velmora {
namespace {

constexpr size_t kAreaOffset = 8;
constexpr size_t kPlainLanguageOffset = 28;
constexpr size_t kMaskOffset = 16;
constexpr size_t kPackedLanguageOffset = 20;

bool OffSequence(const AudioList& list, int k) {
    return list.entries[k].pid != list.entries[0].pid + k;
}

int OffSequenceCount(const AudioList& list) {
    int n = 0;
    for (int k = 1; k < list.count; ++k) n += OffSequence(list, k);
    return n;
}

bool ValidRow(const AudioList& list, int row) {
    return row >= 0 && row < list.count;
}

}  // namespace

AudioList ReadAudioEntries(const Channel& ch) {
    AudioList list;
    list.default_index = static_cast<int>(ch.default_audio());
    list.count = static_cast<int>(ch.audio_count());
    for (int k = 0; k < list.count; ++k) list.entries[k] = ch.audio_entry(k);
    return list;
}

std::optional<std::string> AudioListProblem(const AudioList& list) {
    if (list.count <= Channel::kPlainAudioMax) return std::nullopt;
    if (OffSequenceCount(list) > kPackedExceptionSlots) {
        return VT_TR("channels",
                     "With more than 10 audio entries, every audio PID must be the first PID "
                     "plus the entry's position, except for at most 3 entries. Please change or "
                     "delete audio entries.");
    }
    for (int k = kPackedLanguageBytes; k < list.count; ++k) {
        if (list.entries[k].language != 0) {
            return VT_TR("channels",
                         "Only the first 20 audio entries can have a language. Please set the "
                         "later entries to Undefined or delete them.");
        }
    }
    return std::nullopt;
}

bool WriteAudioEntries(const AudioList& list, Channel& ch) {
    if (list.count < 0 || list.count > kAudioSlots || AudioListProblem(list)) return false;
    ch.set_audio_count(static_cast<uint32_t>(list.count));
    const bool default_listed = list.default_index >= 0 && list.default_index < list.count;
    ch.set_default_audio(default_listed ? static_cast<uint32_t>(list.default_index) : 0u);

    uint8_t* bytes = ch.bytes.data();
    if (list.count <= Channel::kPlainAudioMax) {
        for (int k = 0; k < list.count; ++k) {
            StoreU16(bytes + kAreaOffset + 2 * k, static_cast<uint16_t>(list.entries[k].pid));
            bytes[kPlainLanguageOffset + k] = static_cast<uint8_t>(list.entries[k].language);
        }
        return true;
    }
    // Language bytes end at the area's last byte; later entries have none.
    for (int k = 0; k < list.count && k < kPackedLanguageBytes; ++k)
        bytes[kPackedLanguageOffset + k] = static_cast<uint8_t>(list.entries[k].language);
    StoreU16(bytes + kAreaOffset, static_cast<uint16_t>(list.entries[0].pid));
    uint32_t mask = 1;
    int slot = 1;
    for (int k = 1; k < list.count; ++k) {
        if (!OffSequence(list, k)) continue;
        StoreU16(bytes + kAreaOffset + 2 * slot, static_cast<uint16_t>(list.entries[k].pid));
        mask |= 1u << k;
        ++slot;
    }
    StoreU32(bytes + kMaskOffset, mask);
    return true;
}

std::vector<std::string> AudioRows(const AudioList& list) {
    std::vector<std::string> rows;
    rows.reserve(list.count);
    for (int k = 0; k < list.count; ++k) {
        const AudioEntry& e = list.entries[k];
        std::string row =
            std::to_string(k + 1) + "  " + std::to_string(e.pid) + "  " +
            Translate("database", NameOr(AudioLanguageNames, unsigned(e.language)).data());
        if (k == list.default_index) row += " " + VT_TR("channels", "Default");
        rows.push_back(std::move(row));
    }
    return rows;
}

int AddAudioEntry(AudioList& list, ChannelDialogs& dialogs, Prompter& prompter) {
    if (list.count >= kAudioAddLimit) {
        prompter.Tell(VT_TR("channels", "Audio Languages are full"));
        return 0;
    }
    AudioForm form(AudioEntry{1, 0}, false);
    if (!dialogs.RunAudio(form)) return 0;
    list.entries[list.count] = form.entry;
    if (form.is_default) list.default_index = list.count;
    ++list.count;
    return 1;
}

int EditAudioEntry(AudioList& list, int row, ChannelDialogs& dialogs, Prompter& prompter) {
    if (!ValidRow(list, row)) {
        prompter.Tell(VT_TR("channels", "Please select item first"));
        return 0;
    }
    AudioForm form(list.entries[row], row == list.default_index);
    if (!dialogs.RunAudio(form)) return 0;
    list.entries[row] = form.entry;
    if (form.is_default) list.default_index = row;
    return 1;
}

int DeleteAudioEntry(AudioList& list, int row, Prompter& prompter) {
    if (!ValidRow(list, row)) {
        prompter.Tell(VT_TR("channels", "Please select item first"));
        return 0;
    }
    for (int k = row; k + 1 < list.count; ++k) list.entries[k] = list.entries[k + 1];
    --list.count;
    list.entries[list.count] = AudioEntry{};
    if (list.default_index >= list.count) list.default_index = 0;
    return 1;
}

}  // namespace velmora
