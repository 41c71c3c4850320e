#pragma once

#include <cstdint>
#include <span>

#include "frames/indexed_image.hpp"

namespace vorn::web {

// Writes `frame` into `pixels` as a canvas's image data holds it: red, green,
// blue and an opaque alpha byte, in that order in memory. Throws
// std::invalid_argument if `pixels` is not exactly the frame's size.
void writeCanvasPixels(const IndexedImage& frame, std::span<std::uint32_t> pixels);

}  // namespace vorn::web
