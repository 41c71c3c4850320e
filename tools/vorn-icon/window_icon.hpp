#pragma once

#include <cstdint>

#include "frames/indexed_image.hpp"

namespace vorn::icon {

// What each pixel of the window icon shows. The drawing is done once in
// these roles; each colour depth then picks its own colour for every role.
enum class IconRole : std::uint8_t {
    kTransparent = 0,  // outside the window and its shadow: the desktop shows through
    kShadow,
    kFrameOutline,     // the window's outer line and the line under the caption
    kFrameFace,        // the sizing border between outline and contents
    kCaption,
    kCaptionText,
    kCaptionButton,
    kClient,
};

// The icon sizes the program carries, in pixels (square images).
inline constexpr int kSmallIconSize = 16;
inline constexpr int kLargeIconSize = 32;

// Draws a generic window (frame, blue caption bar with small buttons, white
// client area, a shadow to the lower right) as a size x size picture whose
// pixels are IconRole values. `size` must be kSmallIconSize or
// kLargeIconSize; any other size throws std::invalid_argument, because the
// layout is designed pixel by pixel for those two.
IndexedImage drawWindowIcon(int size);

}  // namespace vorn::icon
