#pragma once

#include "frames/geometry_types.hpp"
#include "frames/indexed_image.hpp"

namespace vorn {

// The three green ring lines across a piston crown whose top row is
// `crownTopRow` and whose columns are `crownColumns`.
void drawRingLines(IndexedImage& image, int crownTopRow, PixelRange crownColumns);

}  // namespace vorn
