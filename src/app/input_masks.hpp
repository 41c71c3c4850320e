#pragma once

#include <cstdint>

namespace vorn {

// The masks the picture area's pointer handler takes, the same from every
// windowing layer: each layer reads its own event's flags and passes them
// here.

// Mouse buttons held, as a bit set: left 1, right 2, middle 4.
constexpr std::int16_t buttonMask(bool left, bool right, bool middle) {
    return static_cast<std::int16_t>((left ? 1 : 0) | (right ? 2 : 0) | (middle ? 4 : 0));
}

// Modifier keys held, as a bit set: Shift 1, Ctrl 2, Alt 4.
constexpr std::int16_t shiftMask(bool shift, bool control, bool alt) {
    return static_cast<std::int16_t>((shift ? 1 : 0) | (control ? 2 : 0) | (alt ? 4 : 0));
}

}  // namespace vorn
