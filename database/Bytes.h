#pragma once
// Little-endian loads and stores on raw record images. Every record accessor goes
// through these, so no field is ever read with a host-order cast.

#include <cstddef>
#include <cstdint>

namespace velmora {

inline uint16_t LoadU16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t LoadU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

inline int16_t LoadI16(const uint8_t* p) {
    return static_cast<int16_t>(LoadU16(p));
}

inline void StoreU16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

inline void StoreU32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

// Bit field [first, first+width) of a 32-bit word.
constexpr uint32_t GetBits(uint32_t word, int first, int width) {
    return (word >> first) & ((1u << width) - 1u);
}

constexpr uint32_t SetBits(uint32_t word, int first, int width, uint32_t value) {
    const uint32_t mask = ((1u << width) - 1u) << first;
    return (word & ~mask) | ((value << first) & mask);
}

}  // namespace velmora
