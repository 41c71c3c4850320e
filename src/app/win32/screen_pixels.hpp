#pragma once

#include <cstdint>
#include <span>

#include "frames/indexed_image.hpp"

namespace vorn::win32 {

// Writes `frame` into `pixels` as a top-down 32-bit device-independent
// bitmap holds it: one 32-bit word a pixel, blue in the low byte, then green,
// red and an unused zero byte; rows follow each other with no padding. The
// colours come from the frame palette, so showing the frame later converts
// nothing. Throws std::invalid_argument if `pixels` is not exactly the
// frame's size.
void writeScreenPixels(const IndexedImage& frame, std::span<std::uint32_t> pixels);

}  // namespace vorn::win32
