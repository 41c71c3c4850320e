#pragma once

#include <cstdint>
#include <vector>

#include "frames/indexed_image.hpp"

namespace vorn {

// Encodes a kFrameWidth x kFrameHeight frame picture as a complete BMP file with RLE8 pixel
// data and the frame palette, in the one layout decodeBmpRle8 accepts: every
// row ended by end-of-line, end-of-bitmap last, no delta codes, runs of at
// most 255, absolute runs only where they are shorter than encoded runs and
// padded to an even length. Throws std::invalid_argument for a picture of
// another size.
std::vector<std::uint8_t> encodeBmpRle8(const IndexedImage& image);

// The RLE8 pixel data alone, as encodeBmpRle8 stores it after the palette.
std::vector<std::uint8_t> encodeRle8PixelData(const IndexedImage& image);

}  // namespace vorn
