#include "database/Records.h"

#include <algorithm>

namespace velmora {

std::string ReadTextField(const uint8_t* field, size_t size) {
    const uint8_t* end = std::find(field, field + size, uint8_t{0});
    return std::string(reinterpret_cast<const char*>(field), end - field);
}

void WriteTextField(uint8_t* field, size_t size, std::string_view text) {
    const size_t n = std::min(text.size(), size - 1);
    std::copy_n(reinterpret_cast<const uint8_t*>(text.data()), n, field);
    field[n] = 0;
}

void WriteWholeTextField(uint8_t* field, size_t size, std::string_view text) {
    if (text.size() < size) {
        WriteTextField(field, size, text);
    } else {
        std::copy_n(reinterpret_cast<const uint8_t*>(text.data()), size, field);
    }
}

std::string FilterNameBytes(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        if (IsKeptNameByte(static_cast<uint8_t>(c))) kept.push_back(c);
    }
    return kept;
}

AudioEntry Channel::audio_entry(int k) const {
    if (audio_count() <= kPlainAudioMax) return {plain_audio_pid(k), plain_audio_language(k)};
    const uint32_t mask = exception_mask();
    const int base = packed_base_pid();
    const int language = k < kPackedAudioMax ? packed_audio_language(k) : 0;
    if (k == 0 || !((mask >> k) & 1u)) return {base + k, language};
    // Exception j is the number of set mask bits among 1..k; only three slots exist.
    int j = 0;
    for (int bit = 1; bit <= k; ++bit) j += (mask >> bit) & 1u;
    if (j > kExceptionSlots) return {0, language};
    return {exception_pid(j), language};
}

}  // namespace velmora
