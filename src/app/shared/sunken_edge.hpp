#pragma once

#include <array>

#include "app/shared/display_scale.hpp"

namespace vorn {

// The system colours a sunken three-dimensional edge is drawn in.
enum class EdgeShade {
    kShadow,      // outer line, top and left
    kHighlight,   // outer line, bottom and right
    kDarkShadow,  // inner line, top and left
    kLight,       // inner line, bottom and right
};

struct EdgeBand {
    PixelRect area;
    EdgeShade shade;
};

// The picture area's sunken edge at scale s as bands to fill, in this order:
// two lines of s pixels each on every side, the outer one darker at the top
// and left and lighter at the bottom and right, as Windows draws a client
// edge. The bottom-right bands reach the corners, the top-left ones stop a
// line short of them.
std::array<EdgeBand, 8> sunkenEdgeBands(const ScaledWindow& window);

}  // namespace vorn
