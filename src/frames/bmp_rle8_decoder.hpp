#pragma once

#include <cstdint>
#include <span>

#include "frames/indexed_image.hpp"

namespace vorn {

// Decodes one complete frame BMP (headers, palette, RLE8 pixel data) into a
// kFrameWidth x kFrameHeight picture, top row first. Throws BmpRle8Error on any fault.
//
// Every row must be filled with exactly 580 pixels and ended by an
// end-of-line code, and end-of-bitmap must follow the last row's end-of-line
// and end the data. A picture with pixels the data never writes is rejected
// (a row ended short, an early end-of-bitmap, a delta code), never returned
// half filled. Safe on arbitrary bytes: nothing is read or written out of
// bounds whatever the input.
IndexedImage decodeBmpRle8(std::span<const std::uint8_t> file);

// Decodes RLE8 pixel data alone, with the same rules, into a kFrameWidth x kFrameHeight
// picture. Error messages count rows as picture rows, 0 at the top.
IndexedImage decodeRle8PixelData(std::span<const std::uint8_t> data);

}  // namespace vorn
