#pragma once

#include <cstdint>
#include <span>

namespace vorn {

// Checks the file header, info header and palette of a frame BMP against the
// values the frames are stored with (kFrameWidth x kFrameHeight, bottom-up, 8 bits per pixel,
// RLE8, pixel data at 1078, bfSize equal to the bytes given, biSizeImage equal
// to the bytes after the palette, the frame palette). Returns the RLE8 pixel
// data. Throws BmpRle8Error naming the first field that differs; reads no byte
// before checking that it is there.
std::span<const std::uint8_t> checkBmpRle8Header(std::span<const std::uint8_t> file);

}  // namespace vorn
