#pragma once

#include "frames/geometry_types.hpp"
#include "frames/indexed_image.hpp"
#include "frames/raster.hpp"

namespace vorn {

// Outline of the VORN piston-and-yoke body at crank angle 0: crown, piston
// rod, yoke plate, and the plate's triangular opening as a hole.
const Region& vornPistonBody();

// Yoke-pin centre of the VORN piston moved down by `rowsDown`.
Point vornYokePin(int rowsDown);

// The grey piston-and-yoke body with its slides, their black outlines and
// the ring lines, moved down by `rowsDown` from its position at angle 0.
void drawVornPiston(IndexedImage& image, int rowsDown);

}  // namespace vorn
