#pragma once

#include <cstdint>
#include <vector>

#include "frames/indexed_image.hpp"
#include "frames/palette.hpp"

namespace vorn::icon {

// One image of an icon as an icon file stores it: palette indices, the
// palette, how many bits each index takes, and which pixels are transparent.
struct IconImage {
    IndexedImage colours;          // palette indices, top row first
    IndexedImage transparentMask;  // same size; 1 where the desktop shows through, else 0
    std::vector<Rgb> palette;      // at most 2^bitsPerPixel entries
    int bitsPerPixel = 0;
};

// The two colour depths the icon is made in.
enum class IconDepth { kMonochrome, kSixteenColours };

// Turns a picture of IconRole values (see window_icon.hpp) into an icon image
// of the given depth: the VGA palette at 4 bpp, black and white at 1 bpp.
// Transparent pixels get colour index 0 and a set mask bit, which is what
// icon files expect of masked pixels.
IconImage renderIcon(const IndexedImage& roles, IconDepth depth);

}  // namespace vorn::icon
