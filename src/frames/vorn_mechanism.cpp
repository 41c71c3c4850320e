#include "frames/vorn_mechanism.hpp"

#include <array>
#include <cmath>

#include "frames/mechanism_geometry.hpp"
#include "frames/palette.hpp"
#include "frames/piston_rings.hpp"
#include "frames/shapes.hpp"

namespace vorn {

using namespace geometry::vorn_side;

namespace {

// A key point given as (half-width, y), placed right or left of the
// body's vertical centre line.
Point right(Point key) { return {kAxis.x + key.x, key.y}; }
Point left(Point key) { return {kAxis.x - key.x, key.y}; }
Point mirrored(Point p) { return {2.0 * kAxis.x - p.x, p.y}; }

// Crown, rod and plate as one outline, clockwise from the crown's top left.
Contour outerOutline() {
    const Point rodMeetsFlank = lineIntersection(right({kRodHalfWidth, 0.0}), right({kRodHalfWidth, 1.0}),
                                                 right(kOuterFlankUpper), right(kOuterFlankLower));
    const Point outerCorner = lineIntersection(right(kOuterFlankUpper), right(kOuterFlankLower),
                                               right(kLowerEdgeOuter), right(kLowerEdgeInner));
    const Point tip = lineIntersection(right(kLowerEdgeOuter), right(kLowerEdgeInner),
                                       left(kLowerEdgeOuter), left(kLowerEdgeInner));
    const std::array<RoundedVertex, 11> vertices = {{
        {left({kCrownHalfWidth, kCrownTop})},
        {right({kCrownHalfWidth, kCrownTop})},
        {right({kCrownHalfWidth, kCrownBottom})},
        {right({kRodHalfWidth, kCrownBottom})},
        {rodMeetsFlank, kRodFilletRadius},
        {outerCorner, kOuterCornerRadius},
        {tip, kBottomTipRadius},
        {mirrored(outerCorner), kOuterCornerRadius},
        {mirrored(rodMeetsFlank), kRodFilletRadius},
        {left({kRodHalfWidth, kCrownBottom})},
        {left({kCrownHalfWidth, kCrownBottom})},
    }};
    return roundedPolygon(vertices);
}

Contour openingOutline() {
    const std::array<RoundedVertex, 3> vertices = {{
        {right(kOpeningApex), kOpeningTopRadius},
        {right(kOpeningBottomCorner), kOpeningBottomRadius},
        {left(kOpeningBottomCorner), kOpeningBottomRadius},
    }};
    return roundedPolygon(vertices);
}

Region moved(const Region& region, int rowsDown) {
    Region result;
    for (const Contour& contour : region) {
        result.push_back(shiftedDown(contour, rowsDown));
    }
    return result;
}

// Black line along a slide's top edge and both long sides, only where the
// line lies on the plate: below the plate's lower edge the slide stands free.
void drawSlideOutline(IndexedImage& image, const Region& body, PixelRange columns, int rowsDown) {
    const int top = kSlideRows.first - 1 + rowsDown;
    const int bottom = kSlideRows.last + rowsDown;
    auto markIfOnPlate = [&](int x, int y) {
        const bool inside = x >= 0 && x < image.width && y >= 0 && y < image.height;
        if (inside && regionContains(body, {static_cast<double>(x), static_cast<double>(y)})) {
            image.at(x, y) = colour::kBlack;
        }
    };
    for (int x = columns.first - 1; x <= columns.last + 1; ++x) {
        markIfOnPlate(x, top);
    }
    for (int y = top + 1; y <= bottom; ++y) {
        markIfOnPlate(columns.first - 1, y);
        markIfOnPlate(columns.last + 1, y);
    }
}

void drawSlide(IndexedImage& image, const Region& body, PixelRange columns, int rowsDown) {
    fillRect(image, columns, {kSlideRows.first + rowsDown, kSlideRows.last + rowsDown}, colour::kGrey);
    drawSlideOutline(image, body, columns, rowsDown);
}

}  // namespace

const Region& vornPistonBody() {
    static const Region body = {outerOutline(), openingOutline()};
    return body;
}

Point vornYokePin(int rowsDown) { return {kYokePin.x, kYokePin.y + rowsDown}; }

void drawVornPiston(IndexedImage& image, int rowsDown) {
    const Region body = moved(vornPistonBody(), rowsDown);
    fillRegion(image, body, colour::kGrey);
    drawSlide(image, body, kLeftSlideColumns, rowsDown);
    drawSlide(image, body, kRightSlideColumns, rowsDown);
    // The rows and columns whose centres lie on the crown, as the raster counts
    // them: the first at or past each near edge, the last at or before each far one.
    const int crownTopRow = static_cast<int>(std::ceil(kCrownTop)) + rowsDown;
    drawRingLines(image, crownTopRow,
                  {static_cast<int>(std::ceil(kAxis.x - kCrownHalfWidth)),
                   static_cast<int>(std::floor(kAxis.x + kCrownHalfWidth))});
}

}  // namespace vorn
