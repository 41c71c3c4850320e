#pragma once

#include "frames/geometry_types.hpp"
#include "frames/indexed_image.hpp"

namespace vorn {

// Wrist-pin centre of the conventional piston moved down by `rowsDown`.
Point conventionalWristPin(int rowsDown);

// Grey piston (crown, skirts, pin boss) with its ring lines, moved down by
// `rowsDown` from its position at crank angle 0.
void drawConventionalPiston(IndexedImage& image, int rowsDown);

}  // namespace vorn
