#pragma once
// Whether caps lock, num lock and scroll lock are on, for the status bar's indicators.

#include <optional>

namespace velmora {

enum class LockKey { Caps, Num, Scroll };

// The keyboard LED's state, or nullopt when the system does not tell (no keyboard LED
// readable under /sys/class/leds).
std::optional<bool> LockKeyOn(LockKey key);

}  // namespace velmora
