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

// The sizes the window is laid out for pixel by pixel, in pixels (square
// images). 16 and 32 are the icon's first images; 24 is the Windows taskbar's
// at 100 % and cannot be had from either by a whole-number enlargement.
inline constexpr int kSmallIconSize = 16;
inline constexpr int kTaskbarIconSize = 24;
inline constexpr int kLargeIconSize = 32;

// Draws a generic window (frame, blue caption bar with small buttons, white
// client area, a shadow to the lower right) as a size x size picture whose
// pixels are IconRole values. `size` must be one of the three laid-out
// sizes; any other throws std::invalid_argument.
IndexedImage drawWindowIcon(int size);

// The icon at any size a desktop asks for, never resampled: drawn when
// `size` is laid out, else the 32-pixel drawing enlarged by a whole number
// when `size` is a multiple of 32, else the 16-pixel one when a multiple of
// 16 (so 48 is 16 x 3, 64 is 32 x 2, 256 is 32 x 8). Other sizes, and sizes
// above 256 (the largest an icon file holds), throw std::invalid_argument.
IndexedImage windowIconAt(int size);

}  // namespace vorn::icon
