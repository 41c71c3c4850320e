#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "vorn-icon/icon_image.hpp"

namespace vorn::icon {

// An image kept in an icon file as a whole PNG file, as Windows (from Vista)
// reads the 256-pixel one: a BMP entry of that size would take 40 KB at 16
// colours and 256 KB at full colour.
struct PngIconEntry {
    int size = 0;  // square, 1..256 pixels
    std::vector<std::uint8_t> png;
};

// Encodes `images`, then `pngs`, as a Windows icon file: the icon directory,
// then for each image a BMP-format entry (BITMAPINFOHEADER with doubled
// height, the palette, the colour (XOR) bitmap and the 1-bpp transparency
// (AND) mask, both bottom row first with rows padded to 4 bytes), then each
// PNG entry's bytes as they are.
//
// This encoder exists because the icon needs 1-bpp and 4-bpp palette
// entries with their own masks, and no Debian C++ library writes those:
// Qt's ICO plug-in and icotool both write 32-bpp entries only.
//
// Every image must be 1..256 pixels wide and high, have 1, 4 or 8 bits per
// pixel, a palette of 1..2^bpp colours, every colour index inside the
// palette and a mask of the same size; otherwise std::invalid_argument says
// which image and what is wrong. A PNG entry must be 1..256 pixels and not
// empty. At most 65535 entries fit a directory.
std::vector<std::uint8_t> encodeIco(std::span<const IconImage> images, std::span<const PngIconEntry> pngs = {});

}  // namespace vorn::icon
