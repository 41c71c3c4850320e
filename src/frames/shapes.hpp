#pragma once

// Outlines of the mechanisms' parts, built as polygons from their key
// dimensions. Curved edges become short straight segments whose distance from
// the true curve stays well under a tenth of a pixel.

#include <span>

#include "frames/mechanism_geometry.hpp"
#include "frames/raster.hpp"

namespace vorn {

// A polygon corner rounded with `radius` (0 keeps it sharp). A corner whose
// turn goes the other way from its neighbours' becomes a concave fillet.
struct RoundedVertex {
    Point corner;
    double radius = 0.0;
};

// The closed outline through the corners, each rounded by an arc tangent to
// both of its edges. Radii must be small enough that neighbouring arcs do not
// overlap.
Contour roundedPolygon(std::span<const RoundedVertex> vertices);

// Where the line through a1, a2 meets the line through b1, b2. Throws
// std::invalid_argument when the lines are parallel or a pair of points
// coincides.
Point lineIntersection(Point a1, Point a2, Point b1, Point b2);

// The crank web of a crank turning about `axis`, at the crank angle.
Contour crankWebContour(Point axis, double crankAngleRadians);

// A connecting rod shank, symmetric about the line from `smallPin` to
// `crankPin`, with the given half-widths along it.
Contour rodShankContour(Point smallPin, Point crankPin, std::span<const geometry::ShankStation> stations);

// `contour` moved down by `rows`.
Contour shiftedDown(Contour contour, double rows);

}  // namespace vorn
