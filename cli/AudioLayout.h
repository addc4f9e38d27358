#pragma once
// Writing a channel's audio entry list into its record's audio area. Reading is
// Channel::audio_entry.

#include <vector>

#include "database/Records.h"

namespace velmora::cli {

enum class AudioWrite {
    Ok,
    TooManyEntries,     // more than 20: the packed layout has 20 language bytes
    TooManyExceptions,  // more than 10 entries and more than three PIDs off base + k
};

// Sets audio_count and writes the entries: plain layout up to 10 entries, packed layout
// above. Bytes of the area that the layout does not use keep their value. On anything
// but Ok the record is unchanged. PIDs and languages must already fit 16 and 8 bits.
AudioWrite WriteAudioArea(Channel& channel, const std::vector<AudioEntry>& entries);

}  // namespace velmora::cli
