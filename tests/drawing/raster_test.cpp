// Flat fills: which pixels a shape takes, shapes partly or wholly off the
// picture, and degenerate shapes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "frames/raster.hpp"
#include "frames/shapes.hpp"

namespace vorn {
namespace {

constexpr std::uint8_t kPaper = 0;
constexpr std::uint8_t kInk = 1;

int inkCount(const IndexedImage& image) {
    return static_cast<int>(std::count(image.pixels.begin(), image.pixels.end(), kInk));
}

TEST(Raster, PixelBelongsToAShapeWhenItsCentreIsInside) {
    IndexedImage image(10, 10, kPaper);
    // Edges on half coordinates: exactly columns 2..4 and rows 3..5.
    fillRegion(image, {{{1.5, 2.5}, {4.5, 2.5}, {4.5, 5.5}, {1.5, 5.5}}}, kInk);
    EXPECT_EQ(inkCount(image), 9);
    EXPECT_EQ(image.at(2, 3), kInk);
    EXPECT_EQ(image.at(4, 5), kInk);
    EXPECT_EQ(image.at(1, 3), kPaper);
    EXPECT_EQ(image.at(5, 5), kPaper);
}

TEST(Raster, AnEdgeOnAPixelCentreFillsItWhicheverWayTheLastBitFalls) {
    // Two C libraries may put the same edge a few ulps either side of a
    // centre; both must fill the same pixels, as the exact edge would.
    const double nudges[] = {-1e-12, 0.0, 1e-12};
    for (const double nudge : nudges) {
        IndexedImage image(10, 10, kPaper);
        fillRegion(image, {{{2.0 + nudge, 3.0 - nudge}, {5.0 - nudge, 3.0 - nudge}, {5.0 - nudge, 6.0 + nudge},
                            {2.0 + nudge, 6.0 + nudge}}},
                   kInk);
        // Columns 2..5; rows 3..5, since a region's last row is open.
        EXPECT_EQ(inkCount(image), 12) << "nudge " << nudge;
        IndexedImage disc(10, 10, kPaper);
        fillDisc(disc, {5.0, 5.0}, 2.0 + nudge, kInk);
        EXPECT_EQ(disc.at(5, 3), kInk) << "nudge " << nudge;
        EXPECT_EQ(disc.at(7, 5), kInk) << "nudge " << nudge;
    }
}

TEST(Raster, DiscAboutAHalfCoordinateIsSymmetric) {
    IndexedImage image(40, 40, kPaper);
    fillDisc(image, {19.5, 20.0}, 6.5, kInk);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 20; ++x) {
            ASSERT_EQ(image.at(x, y), image.at(39 - x, y)) << x << ", " << y;
        }
    }
    EXPECT_EQ(image.at(19, 20), kInk);
    EXPECT_EQ(image.at(25, 20), kInk);   // 5.5 from the centre
    EXPECT_EQ(image.at(26, 20), kInk);   // 6.5: on the rim counts as inside
    EXPECT_EQ(image.at(27, 20), kPaper);
}

TEST(Raster, InnerContourCutsAHole) {
    IndexedImage image(20, 20, kPaper);
    const Region ring = {{{0.5, 0.5}, {15.5, 0.5}, {15.5, 15.5}, {0.5, 15.5}},
                         {{4.5, 4.5}, {10.5, 4.5}, {10.5, 10.5}, {4.5, 10.5}}};
    fillRegion(image, ring, kInk);
    EXPECT_EQ(inkCount(image), 15 * 15 - 6 * 6);
    EXPECT_EQ(image.at(7, 7), kPaper);
    EXPECT_TRUE(regionContains(ring, {2.0, 2.0}));
    EXPECT_FALSE(regionContains(ring, {7.0, 7.0}));
    EXPECT_FALSE(regionContains(ring, {17.0, 7.0}));
}

TEST(Raster, ShapesOffThePictureAreClipped) {
    IndexedImage image(8, 6, kPaper);
    fillRect(image, {-5, 2}, {-3, 1}, kInk);  // top-left corner only
    EXPECT_EQ(inkCount(image), 3 * 2);
    fillRect(image, {100, 200}, {0, 5}, kInk);  // wholly to the right
    fillDisc(image, {-50.0, -50.0}, 10.0, kInk);
    fillRegion(image, {{{20.0, -5.0}, {30.0, -5.0}, {25.0, 40.0}}}, kInk);
    EXPECT_EQ(inkCount(image), 3 * 2);
    fillDisc(image, {4.0, 3.0}, 100.0, kInk);  // covers everything
    EXPECT_EQ(inkCount(image), 8 * 6);

    IndexedImage cleared(8, 6, kPaper);
    fillRect(cleared, {-5, 20}, {-3, 30}, kInk);  // larger than the picture on every side
    EXPECT_EQ(inkCount(cleared), 8 * 6);
}

TEST(Raster, DegenerateShapesDrawAtMostTheirOwnPoints) {
    IndexedImage image(10, 10, kPaper);
    fillRect(image, {5, 4}, {0, 9}, kInk);               // empty column range
    fillDisc(image, {5.0, 5.0}, -1.0, kInk);             // negative radius
    fillRegion(image, {}, kInk);                         // no contours
    fillRegion(image, {{}}, kInk);                       // empty contour
    fillRegion(image, {{{2.0, 2.0}, {8.0, 2.0}}}, kInk); // flat, no area
    EXPECT_EQ(inkCount(image), 0);
    fillDisc(image, {5.0, 5.0}, 0.0, kInk);  // a disc of radius 0 is its centre
    EXPECT_EQ(inkCount(image), 1);
}

TEST(Raster, CopyDiscRestoresOnlyTheDisc) {
    const IndexedImage behind(12, 12, kInk);
    IndexedImage image(12, 12, kPaper);
    copyDisc(image, behind, {6.0, 6.0}, 2.0);
    EXPECT_EQ(inkCount(image), 13);  // centres within distance 2 of (6, 6)
    EXPECT_EQ(image.at(6, 4), kInk);
    EXPECT_EQ(image.at(5, 4), kPaper);

    // A smaller source would be read past its end: refused, whichever side differs.
    EXPECT_THROW(copyDisc(image, IndexedImage(11, 12, kInk), {6.0, 6.0}, 2.0), std::invalid_argument);
    EXPECT_THROW(copyDisc(image, IndexedImage(12, 13, kInk), {6.0, 6.0}, 2.0), std::invalid_argument);
}

TEST(Shapes, RoundedCornerStaysInsideTheSharpOne) {
    const RoundedVertex square[] = {{{0.0, 0.0}, 5.0}, {{20.0, 0.0}}, {{20.0, 20.0}}, {{0.0, 20.0}}};
    const Contour contour = roundedPolygon(square);
    const Region region = {contour};
    EXPECT_FALSE(regionContains(region, {0.5, 0.5}));  // cut off by the arc
    EXPECT_TRUE(regionContains(region, {5.0, 0.5}));   // where the arc meets the edge
    EXPECT_TRUE(regionContains(region, {19.5, 0.5}));  // sharp corner kept
    // The arc passes 5 - 5/sqrt(2) from each edge at its middle.
    EXPECT_TRUE(regionContains(region, {1.6, 1.6}));
    EXPECT_FALSE(regionContains(region, {1.4, 1.4}));
}

// Arcs are drawn as chords; each chord stays within 0.02 pixel of its
// circle, so a pixel centre near an edge falls on the same side as it would
// for the true arc.
TEST(Shapes, ArcChordsStayWithinAFiftiethOfAPixelOfTheCircle) {
    const double radius = 100.0;
    const RoundedVertex square[] = {{{0.0, 0.0}, radius}, {{300.0, 0.0}}, {{300.0, 300.0}}, {{0.0, 300.0}}};
    const Contour contour = roundedPolygon(square);
    const Point centre{radius, radius};
    const auto distance = [&](Point p) { return std::hypot(p.x - centre.x, p.y - centre.y); };
    int chords = 0;
    for (std::size_t i = 0; i + 1 < contour.size(); ++i) {
        const Point a = contour[i];
        const Point b = contour[i + 1];
        if (std::abs(distance(a) - radius) > 1e-9 || std::abs(distance(b) - radius) > 1e-9) {
            continue;  // not a chord of the arc
        }
        ++chords;
        EXPECT_GE(distance(0.5 * (a + b)), radius - 0.02 - 1e-9) << "chord " << i;
    }
    EXPECT_GT(chords, 1);
}

TEST(Shapes, LineIntersection) {
    const Point p = lineIntersection({0.0, 0.0}, {2.0, 2.0}, {0.0, 4.0}, {4.0, 0.0});
    EXPECT_DOUBLE_EQ(p.x, 2.0);
    EXPECT_DOUBLE_EQ(p.y, 2.0);

    // No single meeting point: an error, not an infinite or NaN corner.
    EXPECT_THROW(lineIntersection({0.0, 0.0}, {2.0, 2.0}, {0.0, 4.0}, {3.0, 7.0}), std::invalid_argument);
    EXPECT_THROW(lineIntersection({0.0, 0.0}, {2.0, 2.0}, {1.0, 1.0}, {3.0, 3.0}), std::invalid_argument);
    EXPECT_THROW(lineIntersection({1.0, 1.0}, {1.0, 1.0}, {0.0, 4.0}, {4.0, 0.0}), std::invalid_argument);
}

}  // namespace
}  // namespace vorn
