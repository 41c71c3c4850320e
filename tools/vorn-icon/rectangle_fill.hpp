#pragma once

#include <cstdint>

#include "frames/indexed_image.hpp"

namespace vorn::icon {

// A rectangle in pixels: columns x .. x + width - 1, rows y .. y + height - 1.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }    // first column past the rectangle
    int bottom() const { return y + height; }  // first row past the rectangle
};

// Shrinks `rect` by `margin` pixels on every side (empty if it vanishes).
PixelRect inset(PixelRect rect, int margin);

// Sets every pixel of `rect` that lies inside `image` to `value`. The
// rectangle is clipped to the image once; parts outside it, and empty or
// negative rectangles, are ignored.
void fillRect(IndexedImage& image, PixelRect rect, std::uint8_t value);

}  // namespace vorn::icon
