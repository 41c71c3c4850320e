#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "vorn-icon/icon_image.hpp"

namespace vorn::icon {

// Encodes `images` as a Windows icon file: the icon directory, then for each
// image a BMP-format entry (BITMAPINFOHEADER with doubled height, the
// palette, the colour (XOR) bitmap and the 1-bpp transparency (AND) mask,
// both bottom row first with rows padded to 4 bytes).
//
// This encoder exists because the icon needs 1-bpp and 4-bpp palette
// entries with their own masks, and no Debian C++ library writes those:
// Qt's ICO plug-in and icotool both write 32-bpp entries only.
//
// Every image must be 1..256 pixels wide and high, have 1, 4 or 8 bits per
// pixel, a palette of 1..2^bpp colours, every colour index inside the
// palette and a mask of the same size; otherwise std::invalid_argument says
// which image and what is wrong. At most 65535 images fit a directory.
std::vector<std::uint8_t> encodeIco(std::span<const IconImage> images);

}  // namespace vorn::icon
