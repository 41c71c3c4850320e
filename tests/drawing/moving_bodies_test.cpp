// Shapes of the moving bodies at their key points, and the small pins'
// holes that show what lies behind.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "frame_test_support.hpp"
#include "frames/frame_drawing.hpp"
#include "frames/palette.hpp"
#include "frames/piston_pose.hpp"

namespace vorn {
namespace {

// First or last column of `colour` in a row, searched within [from, to].
std::optional<int> firstColumnOf(const IndexedImage& image, int row, std::uint8_t colour, int from, int to) {
    const int step = from <= to ? 1 : -1;
    for (int x = from; x != to + step; x += step) {
        if (image.at(x, row) == colour) {
            return x;
        }
    }
    return std::nullopt;
}

std::optional<int> firstRowOf(const IndexedImage& image, int column, std::uint8_t colour, int from, int to) {
    const int step = from <= to ? 1 : -1;
    for (int y = from; y != to + step; y += step) {
        if (image.at(column, y) == colour) {
            return y;
        }
    }
    return std::nullopt;
}

// Key points of the yoke plate at crank angle 0, allowed to be a pixel or
// two off because its outline is rounded between them.
TEST(YokePlate, KeyPointsAtTheTopOfTheStroke) {
    const IndexedImage& image = test::frame(0);
    int widestLeft = kFrameWidth;
    int widestRight = 0;
    for (int y = 280; y <= 320; ++y) {
        widestLeft = std::min(widestLeft, firstColumnOf(image, y, colour::kGrey, 0, 150).value_or(kFrameWidth));
        widestRight = std::max(widestRight, firstColumnOf(image, y, colour::kGrey, 305, 155).value_or(0));
    }
    EXPECT_NEAR(widestLeft, 5, 1);
    EXPECT_NEAR(widestRight, 300, 1);

    struct Edge {
        const char* what;
        int row;
        int expectedLeft;
        int expectedRight;
        int searchFromLeft;  // past the slides, where they hang below the edge
        int searchFromRight;
    };
    const Edge outerEdges[] = {
        {"flank", 200, 69, 236, 0, 305},       {"flank", 250, 33, 273, 0, 305},
        {"lower edge", 340, 33, 273, 0, 305},  {"lower edge", 356, 60, 246, 0, 305},
        {"lower edge", 376, 94, 212, 93, 212}, {"lower edge", 393, 123, 183, 93, 212},
    };
    for (const Edge& edge : outerEdges) {
        SCOPED_TRACE(std::string(edge.what) + " at row " + std::to_string(edge.row));
        EXPECT_NEAR(firstColumnOf(image, edge.row, colour::kGrey, edge.searchFromLeft, 150).value_or(-99),
                    edge.expectedLeft, 2);
        EXPECT_NEAR(firstColumnOf(image, edge.row, colour::kGrey, edge.searchFromRight, 155).value_or(-99),
                    edge.expectedRight, 2);
    }

    // The bottom tip and the opening, along a column next to the centre line.
    EXPECT_NEAR(firstRowOf(image, 155, colour::kGrey, 540, 380).value_or(-99), 405, 1);
    EXPECT_NEAR(firstRowOf(image, 155, colour::kGrey, 190, 120).value_or(-99), 160, 1);
    // The opening's flat bottom and its lower corners: white or red web
    // shows through down to row 301.
    EXPECT_EQ(image.at(100, 301) == colour::kGrey, false);
    EXPECT_EQ(image.at(100, 303), colour::kGrey);
    int openingLeft = 40;
    while (image.at(openingLeft, 260) == colour::kGrey) {
        ++openingLeft;
    }
    EXPECT_NEAR(openingLeft, 49, 2);
}

// The rounded outer corners exactly: the plate's extreme columns 5 and 300
// are grey over rows 295..308 alone and nothing lies beyond them. A corner
// radius a pixel or two off moves these ends, which the key points above
// allow for.
TEST(YokePlate, OuterCornersReachTheirExtremeColumnsOverFourteenRows) {
    const IndexedImage& image = test::frame(0);
    for (const int column : {5, 300}) {
        SCOPED_TRACE("column " + std::to_string(column));
        EXPECT_EQ(firstRowOf(image, column, colour::kGrey, 250, 350), 295);
        EXPECT_EQ(firstRowOf(image, column, colour::kGrey, 350, 250), 308);
    }
    for (int y = 250; y <= 350; ++y) {
        ASSERT_NE(image.at(4, y), colour::kGrey) << "row " << y;
        ASSERT_NE(image.at(301, y), colour::kGrey) << "row " << y;
    }
}

TEST(YokePlate, SlidesAreOutlinedOnlyWhereTheyLieOnThePlate) {
    const IndexedImage& image = test::frame(0);
    // Top edge and the upper sides are on the plate.
    EXPECT_EQ(image.at(80, 328), colour::kBlack);
    EXPECT_EQ(image.at(71, 340), colour::kBlack);
    EXPECT_EQ(image.at(92, 340), colour::kBlack);
    EXPECT_EQ(image.at(213, 340), colour::kBlack);
    // Below the plate's lower edge the slides stand free: no outline.
    EXPECT_EQ(image.at(71, 390), colour::kWhite);
    EXPECT_EQ(image.at(80, 393), colour::kGrey);
    EXPECT_NE(image.at(80, 394), colour::kGrey);
}

struct HoleCase {
    const char* name;
    int frame;
    Point centre;
    std::uint8_t behind;  // what the hole shows
};

// The left crank's counterweight lies behind the yoke pin at the top of the
// stroke; at the bottom the pin has gone below the web. Nothing lies behind
// the wrist pin.
const HoleCase kHoles[] = {
    {"yoke pin, top of stroke", 0, {152.5, 373.0}, colour::kRed},
    {"yoke pin, bottom of stroke", 10, {152.5, 503.0}, colour::kWhite},
    {"wrist pin, top of stroke", 0, {449.5, 94.0}, colour::kWhite},
    {"wrist pin, bottom of stroke", 10, {449.5, 224.0}, colour::kWhite},
};

TEST(SmallPins, HolesShowWhatLiesBehind) {
    for (const HoleCase& hole : kHoles) {
        SCOPED_TRACE(hole.name);
        const IndexedImage& image = test::frame(hole.frame);
        for (int dy = -8; dy <= 8; ++dy) {
            for (int dx = -8; dx <= 8; ++dx) {
                const double x = hole.centre.x + dx + 0.5;
                const double y = hole.centre.y + dy;
                if (std::hypot(x - hole.centre.x, y - hole.centre.y) > 8.0) {
                    continue;
                }
                const int column = static_cast<int>(x);
                const bool onCentreLine = column == 152 || column == 153 || column == 449 || column == 450;
                if (!onCentreLine) {
                    EXPECT_EQ(image.at(column, static_cast<int>(y)), hole.behind) << "(" << column << ", " << y << ")";
                }
            }
        }
        // Around the hole: green pin, grey rim, khaki small end.
        const int column = static_cast<int>(hole.centre.x + 0.5);
        const int row = static_cast<int>(hole.centre.y);
        EXPECT_EQ(image.at(column + 13, row), colour::kGreen);
        EXPECT_EQ(image.at(column + 19, row), colour::kGrey);
        EXPECT_EQ(image.at(column + 24, row), colour::kKhaki);
    }
}

TEST(ConnectingRod, JoinsTheSmallPinToTheCrankPinInEveryFrame) {
    // Halfway between the pins the shank is khaki, whatever the angle.
    for (int j = 0; j < kFrameCount; ++j) {
        const double angle = degreesToRadians(18.0 * j);
        const Point vornPin = crankPinCentre({152.5, 308.0}, angle);
        const Point conventionalPin = crankPinCentre({449.5, 419.0}, angle);
        const Point yokePin = {152.5, 373.0 + displacementRows(vornPistonDisplacement(angle))};
        const Point wristPin = {449.5, 94.0 + displacementRows(conventionalPistonDisplacement(angle))};
        for (const auto& [a, b] : {std::pair{vornPin, yokePin}, std::pair{conventionalPin, wristPin}}) {
            const int x = static_cast<int>(std::lround((a.x + b.x) / 2.0 + 3.0));
            const int y = static_cast<int>(std::lround((a.y + b.y) / 2.0 + 3.0));
            EXPECT_EQ(test::frame(j).at(x, y), colour::kKhaki) << "frame " << j << " at (" << x << ", " << y << ")";
        }
    }
}

}  // namespace
}  // namespace vorn
