#pragma once
// The database records as raw little-endian byte images, identical in memory and in
// the .sdx file. Fields are read and written only through the typed accessors here.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "database/Bytes.h"

namespace velmora {

// Defines `name()` and `set_name(v)` for a bit field of the 32-bit word at `offset`.
#define VELMORA_BITS(name, offset, first, width)                                                   \
    uint32_t name() const {                                                                        \
        return GetBits(LoadU32(bytes.data() + offset), first, width);                              \
    }                                                                                              \
    void set_##name(uint32_t v) {                                                                  \
        StoreU32(bytes.data() + offset, SetBits(LoadU32(bytes.data() + offset), first, width, v)); \
    }
#define VELMORA_U16(name, offset)              \
    uint16_t name() const {                    \
        return LoadU16(bytes.data() + offset); \
    }                                          \
    void set_##name(uint16_t v) {              \
        StoreU16(bytes.data() + offset, v);    \
    }
#define VELMORA_U8(name, offset) \
    uint8_t name() const {       \
        return bytes[offset];    \
    }                            \
    void set_##name(uint8_t v) { \
        bytes[offset] = v;       \
    }

// A NUL-terminated text field of `size` bytes: reads up to the first NUL (or the whole
// field when it has none); writes at most size-1 bytes and a NUL, leaving the bytes after
// the terminator as they were.
std::string ReadTextField(const uint8_t* field, size_t size);
void WriteTextField(uint8_t* field, size_t size, std::string_view text);
// Writes up to `size` bytes of `text` as the field, with a NUL only when it is shorter:
// files written elsewhere hold names that fill their field, and those must be written
// back as they were read.
void WriteWholeTextField(uint8_t* field, size_t size, std::string_view text);

// The name byte filter: keeps 0x1F..0x7F, 0xB0 and 0xC0..0xFE in order, drops the rest.
inline bool IsKeptNameByte(uint8_t b) {
    return (b >= 0x1F && b <= 0x7F) || b == 0xB0 || (b >= 0xC0 && b <= 0xFE);
}
std::string FilterNameBytes(std::string_view text);

struct Satellite {
    static constexpr size_t kSize = 28;
    static constexpr size_t kNameSize = 16;
    std::array<uint8_t, kSize> bytes{};

    std::string name() const { return ReadTextField(bytes.data(), kNameSize); }
    void set_name(std::string_view v) { WriteTextField(bytes.data(), kNameSize, v); }
    void set_whole_name(std::string_view v) { WriteWholeTextField(bytes.data(), kNameSize, v); }
    VELMORA_U16(lnb_low, 16)
    VELMORA_U16(lnb_high, 18)
    VELMORA_U16(angle, 20)
    uint32_t sat_flags() const { return LoadU32(bytes.data() + 24); }
    void set_sat_flags(uint32_t v) { StoreU32(bytes.data() + 24, v); }
    VELMORA_BITS(tone_22k, 24, 0, 2)
    VELMORA_BITS(power_12v, 24, 2, 2)
    VELMORA_BITS(diseqc, 24, 4, 4)
    VELMORA_BITS(universal, 24, 8, 1)
    VELMORA_BITS(west, 24, 9, 1)
    VELMORA_BITS(ref_tp, 24, 10, 8)
    VELMORA_BITS(motor, 24, 21, 2)
};

struct Transponder {
    static constexpr size_t kSize = 12;
    std::array<uint8_t, kSize> bytes{};

    VELMORA_U16(frequency, 0)
    VELMORA_U16(symbol_rate, 2)
    VELMORA_U8(tp_flags, 4)
    uint8_t polarisation() const { return bytes[4] & 1u; }
    void set_polarisation(uint8_t v) {
        bytes[4] = static_cast<uint8_t>((bytes[4] & ~1u) | (v & 1u));
    }
    uint8_t fec() const { return (bytes[4] >> 2) & 7u; }
    void set_fec(uint8_t v) {
        bytes[4] = static_cast<uint8_t>((bytes[4] & ~(7u << 2)) | ((v & 7u) << 2));
    }
    VELMORA_U8(satellite, 5)
    VELMORA_U16(tp_id, 10)
};

struct AudioEntry {
    int pid = 0;
    int language = 0;
    bool operator==(const AudioEntry&) const = default;
};

struct Channel {
    static constexpr size_t kSize = 64;
    static constexpr size_t kNameOffset = 40;
    static constexpr size_t kNameSize = 16;
    static constexpr int kPlainAudioMax = 10;
    std::array<uint8_t, kSize> bytes{};

    VELMORA_U16(pcr_pid, 0)
    VELMORA_U16(video_pid, 2)
    VELMORA_U16(ttx_pid, 4)
    std::string name() const { return ReadTextField(bytes.data() + kNameOffset, kNameSize); }
    void set_name(std::string_view v) { WriteTextField(bytes.data() + kNameOffset, kNameSize, v); }
    uint8_t* name_field() { return bytes.data() + kNameOffset; }
    VELMORA_U16(service_number, 56)
    VELMORA_U16(tp_id, 58)
    uint32_t ch_flags() const { return LoadU32(bytes.data() + 60); }
    void set_ch_flags(uint32_t v) { StoreU32(bytes.data() + 60, v); }
    VELMORA_BITS(fav_marks, 60, 0, 8)
    VELMORA_BITS(audio_mode, 60, 8, 2)
    VELMORA_BITS(default_audio, 60, 10, 5)
    VELMORA_BITS(audio_count, 60, 15, 5)
    VELMORA_BITS(locked, 60, 20, 1)
    VELMORA_BITS(radio_flag, 60, 21, 1)
    VELMORA_BITS(fta, 60, 22, 1)

    bool fav(int g) const { return (ch_flags() >> g) & 1u; }
    void set_fav(int g, bool on) { set_ch_flags(SetBits(ch_flags(), g, 1, on ? 1u : 0u)); }

    // service_number in the low 16 bits, tp_id in the high 16 bits.
    uint32_t key() const { return LoadU32(bytes.data() + 56); }

    // The first 16-bit value of the audio area (first PID, or the packed base PID).
    uint16_t first_audio_pid() const { return LoadU16(bytes.data() + 8); }

    // Parts of the audio area. Plain layout (audio_count <= 10): PID k at 8 + 2k, language
    // k at 28 + k. Packed layout: base PID at 8, exception PIDs j = 1..3 at 8 + 2j, the
    // exception mask at 16, language k (k < 20) at 20 + k.
    uint16_t plain_audio_pid(int k) const { return LoadU16(bytes.data() + 8 + 2 * k); }
    void set_plain_audio_pid(int k, uint16_t v) { StoreU16(bytes.data() + 8 + 2 * k, v); }
    uint8_t plain_audio_language(int k) const { return bytes[28 + k]; }
    void set_plain_audio_language(int k, uint8_t v) { bytes[28 + k] = v; }
    uint16_t packed_base_pid() const { return LoadU16(bytes.data() + 8); }
    void set_packed_base_pid(uint16_t v) { StoreU16(bytes.data() + 8, v); }
    uint16_t exception_pid(int j) const { return LoadU16(bytes.data() + 8 + 2 * j); }
    void set_exception_pid(int j, uint16_t v) { StoreU16(bytes.data() + 8 + 2 * j, v); }
    uint32_t exception_mask() const { return LoadU32(bytes.data() + 16); }
    void set_exception_mask(uint32_t v) { StoreU32(bytes.data() + 16, v); }
    uint8_t packed_audio_language(int k) const { return bytes[20 + k]; }
    void set_packed_audio_language(int k, uint8_t v) { bytes[20 + k] = v; }
    static constexpr int kPackedAudioMax = 20;  // language bytes of the packed layout
    static constexpr int kExceptionSlots = 3;

    // Audio entry k by the plain layout (count <= 10) or the packed layout (count > 10).
    // k must be below audio_count() and below 20 for the packed layout.
    AudioEntry audio_entry(int k) const;
};

struct SettingsBlock {
    static constexpr size_t kSize = 200;
    static constexpr size_t kFavNameOffset = 32;
    static constexpr size_t kFavNameSize = 16;
    std::array<uint8_t, kSize> bytes{};

    VELMORA_U8(menu_color, 0)
    VELMORA_U8(transparency, 1)
    VELMORA_U8(rf_channel, 4)
    VELMORA_U8(rf_system, 5)
    VELMORA_U8(menu_language, 7)
    std::string password() const {
        return std::string(reinterpret_cast<const char*>(bytes.data() + 8), 4);
    }
    void set_password(std::string_view four) {
        for (size_t i = 0; i < 4; ++i) bytes[8 + i] = i < four.size() ? four[i] : 0;
    }
    VELMORA_U8(lock_flags, 12)
    int8_t time_offset() const { return static_cast<int8_t>(bytes[14]); }
    void set_time_offset(int8_t v) { bytes[14] = static_cast<uint8_t>(v); }
    VELMORA_U8(audio_language, 16)
    uint32_t tv_flags() const { return LoadU32(bytes.data() + 24); }
    void set_tv_flags(uint32_t v) { StoreU32(bytes.data() + 24, v); }
    VELMORA_BITS(screen_format, 24, 0, 3)
    VELMORA_BITS(tv_system, 24, 10, 2)
    VELMORA_BITS(need_help, 24, 13, 1)
    std::string fav_name(int g) const {
        return ReadTextField(bytes.data() + kFavNameOffset + kFavNameSize * g, kFavNameSize);
    }
    void set_fav_name(int g, std::string_view v) {
        WriteTextField(bytes.data() + kFavNameOffset + kFavNameSize * g, kFavNameSize, v);
    }
    void set_whole_fav_name(int g, std::string_view v) {
        WriteWholeTextField(bytes.data() + kFavNameOffset + kFavNameSize * g, kFavNameSize, v);
    }
};

struct ExtraBlock {
    static constexpr size_t kSize = 4;
    std::array<uint8_t, kSize> bytes{};
};

// Eight groups of 808 bytes: 200 key slots (TV from slot 0 up, radio from slot 199 down),
// the two list counts and the `changed` byte.
struct FavouriteGroups {
    static constexpr int kGroups = 8;
    static constexpr int kSlots = 200;
    static constexpr size_t kGroupSize = 808;
    static constexpr size_t kSize = kGroups * kGroupSize;
    std::array<uint8_t, kSize> bytes{};

    uint8_t* group(int g) { return bytes.data() + kGroupSize * g; }
    const uint8_t* group(int g) const { return bytes.data() + kGroupSize * g; }
    uint32_t slot(int g, int s) const { return LoadU32(group(g) + 4 * s); }
    void set_slot(int g, int s, uint32_t key) { StoreU32(group(g) + 4 * s, key); }
    int16_t tv_key_count(int g) const { return LoadI16(group(g) + 800); }
    void set_tv_key_count(int g, int16_t v) { StoreU16(group(g) + 800, static_cast<uint16_t>(v)); }
    int16_t radio_key_count(int g) const { return LoadI16(group(g) + 802); }
    void set_radio_key_count(int g, int16_t v) {
        StoreU16(group(g) + 802, static_cast<uint16_t>(v));
    }
    uint8_t changed(int g) const { return group(g)[806]; }
    void set_changed(int g, uint8_t v) { group(g)[806] = v; }

    // Count and slot of entry i of the TV (radio = false) or radio list.
    int16_t key_count(int g, bool radio) const {
        return radio ? radio_key_count(g) : tv_key_count(g);
    }
    void set_key_count(int g, bool radio, int16_t v) {
        radio ? set_radio_key_count(g, v) : set_tv_key_count(g, v);
    }
    static int SlotOf(bool radio, int i) { return radio ? kSlots - 1 - i : i; }
    uint32_t entry(int g, bool radio, int i) const { return slot(g, SlotOf(radio, i)); }
    void set_entry(int g, bool radio, int i, uint32_t key) { set_slot(g, SlotOf(radio, i), key); }
};

// The 64-byte file header. Its four counts are the live counts of the tables.
struct SdxHeader {
    static constexpr size_t kSize = 64;
    static constexpr size_t kSignatureOffset = 4;
    static constexpr size_t kSignatureSize = 28;
    std::array<uint8_t, kSize> bytes{};

    std::string signature() const {
        return ReadTextField(bytes.data() + kSignatureOffset, kSignatureSize);
    }
    void set_signature(std::string_view v) {
        WriteTextField(bytes.data() + kSignatureOffset, kSignatureSize, v);
    }
    void set_whole_signature(std::string_view v) {
        WriteWholeTextField(bytes.data() + kSignatureOffset, kSignatureSize, v);
    }
#define VELMORA_I16(name, offset)                                  \
    int16_t name() const {                                         \
        return LoadI16(bytes.data() + offset);                     \
    }                                                              \
    void set_##name(int v) {                                       \
        StoreU16(bytes.data() + offset, static_cast<uint16_t>(v)); \
    }
    VELMORA_I16(sat_count, 32)
    VELMORA_I16(tp_count, 34)
    VELMORA_I16(tv_count, 36)
    VELMORA_I16(radio_count, 38)
    VELMORA_I16(sat_size, 40)
    VELMORA_I16(tp_size, 42)
    VELMORA_I16(ch_size, 44)
    VELMORA_I16(settings_size, 46)
    VELMORA_I16(extra_size, 48)
    VELMORA_I16(fav_a, 50)
    VELMORA_I16(fav_b, 52)
#undef VELMORA_I16
    uint32_t packed_length() const {
        return LoadU32(bytes.data() + 56);
    }
    void set_packed_length(uint32_t v) {
        StoreU32(bytes.data() + 56, v);
    }
    uint32_t checksum() const {
        return LoadU32(bytes.data() + 60);
    }
    void set_checksum(uint32_t v) {
        StoreU32(bytes.data() + 60, v);
    }
};

#undef VELMORA_BITS
#undef VELMORA_U16
#undef VELMORA_U8

}  // namespace velmora
