#pragma once

// The parts of a frame that never move.

#include "frames/indexed_image.hpp"

namespace vorn {

// Khaki cylinders of both mechanisms and the VORN mechanism's guide bars.
void drawCylindersAndGuideBars(IndexedImage& image);

// Dash-dot centre lines through both crank axes, drawn over everything.
void drawCentreLines(IndexedImage& image);

}  // namespace vorn
