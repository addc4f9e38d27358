#include "cli/AudioLayout.h"

namespace velmora::cli {

AudioWrite WriteAudioArea(Channel& channel, const std::vector<AudioEntry>& entries) {
    const int count = static_cast<int>(entries.size());
    if (count > Channel::kPackedAudioMax) return AudioWrite::TooManyEntries;

    if (count <= Channel::kPlainAudioMax) {
        for (int k = 0; k < count; ++k) {
            channel.set_plain_audio_pid(k, static_cast<uint16_t>(entries[k].pid));
            channel.set_plain_audio_language(k, static_cast<uint8_t>(entries[k].language));
        }
        channel.set_audio_count(count);
        return AudioWrite::Ok;
    }

    // Entries whose PID is not base + k need an exception slot; check before writing.
    const int base = entries[0].pid;
    int exceptions = 0;
    for (int k = 1; k < count; ++k) exceptions += entries[k].pid != base + k;
    if (exceptions > Channel::kExceptionSlots) return AudioWrite::TooManyExceptions;

    uint32_t mask = 1;
    int j = 0;
    for (int k = 1; k < count; ++k) {
        if (entries[k].pid == base + k) continue;
        channel.set_exception_pid(++j, static_cast<uint16_t>(entries[k].pid));
        mask |= 1u << k;
    }
    channel.set_packed_base_pid(static_cast<uint16_t>(base));
    channel.set_exception_mask(mask);
    for (int k = 0; k < count; ++k)
        channel.set_packed_audio_language(k, static_cast<uint8_t>(entries[k].language));
    channel.set_audio_count(count);
    return AudioWrite::Ok;
}

}  // namespace velmora::cli
