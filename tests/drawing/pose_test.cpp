// Piston heights and crank positions: the pose formulas and what the frames
// show for them.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "frame_test_support.hpp"
#include "frames/frame_drawing.hpp"
#include "frames/palette.hpp"
#include "frames/piston_pose.hpp"

namespace vorn {
namespace {

struct CrownTops {
    int frame;
    int vornRow;
    int conventionalRow;
};

// Top row of each crown. Frames j and 20 - j share a row. Frame 1's VORN
// piston has moved 1.62 rows, which rounds to row 34.
constexpr CrownTops kCrownTops[] = {
    {0, 32, 32},    {1, 34, 36},    {2, 39, 47},    {3, 48, 64},    {4, 61, 84},    {5, 80, 105},
    {6, 101, 125},  {7, 124, 141},  {8, 144, 152},  {9, 157, 160},  {10, 162, 162},
};

// First grey row, scanning down a crown column from inside the cylinder.
int firstGreyRow(const IndexedImage& image, int column) {
    for (int y = 20; y < image.height; ++y) {
        if (image.at(column, y) == colour::kGrey) {
            return y;
        }
    }
    return -1;
}

constexpr int kVornCrownColumn = 100;
constexpr int kConventionalCrownColumn = 400;

TEST(CrownTop, MatchesTheTableInEveryFrame) {
    for (const CrownTops& expected : kCrownTops) {
        for (int j : {expected.frame, (kFrameCount - expected.frame) % kFrameCount}) {
            SCOPED_TRACE("frame " + std::to_string(j));
            EXPECT_EQ(firstGreyRow(test::frame(j), kVornCrownColumn), expected.vornRow);
            EXPECT_EQ(firstGreyRow(test::frame(j), kConventionalCrownColumn), expected.conventionalRow);
        }
    }
}

TEST(PistonDisplacement, EndsOfStrokeAndQuarterTurn) {
    const double quarter = std::numbers::pi / 2.0;
    EXPECT_DOUBLE_EQ(vornPistonDisplacement(0.0), 0.0);
    EXPECT_DOUBLE_EQ(conventionalPistonDisplacement(0.0), 0.0);
    EXPECT_NEAR(vornPistonDisplacement(std::numbers::pi), 130.0, 1e-9);
    EXPECT_NEAR(conventionalPistonDisplacement(std::numbers::pi), 130.0, 1e-9);
    // A quarter turn from the top the VORN piston lags: 48 of 130 against 73.
    EXPECT_NEAR(vornPistonDisplacement(quarter), 47.58, 0.01);
    EXPECT_NEAR(conventionalPistonDisplacement(quarter), 73.26, 0.01);
}

TEST(PistonVelocity, IsTheDerivativeOfTheDisplacement) {
    constexpr double step = 1e-6;
    for (int degrees = 0; degrees < 360; degrees += 7) {
        const double angle = degreesToRadians(degrees);
        SCOPED_TRACE("crank angle " + std::to_string(degrees));
        const double vornSlope =
            (vornPistonDisplacement(angle + step) - vornPistonDisplacement(angle - step)) / (2 * step);
        const double conventionalSlope =
            (conventionalPistonDisplacement(angle + step) - conventionalPistonDisplacement(angle - step)) / (2 * step);
        EXPECT_NEAR(vornPistonVelocity(angle), vornSlope, 1e-4);
        EXPECT_NEAR(conventionalPistonVelocity(angle), conventionalSlope, 1e-4);
    }
    EXPECT_NEAR(vornPistonVelocity(0.0), 0.0, 1e-12);
    EXPECT_NEAR(conventionalPistonVelocity(std::numbers::pi), 0.0, 1e-9);
}

// Centre of the grey pixels within the crank pin's rim around `guess`.
Point greyCentroidNear(const IndexedImage& image, Point guess) {
    double sumX = 0.0;
    double sumY = 0.0;
    int count = 0;
    for (int y = static_cast<int>(guess.y) - 37; y <= static_cast<int>(guess.y) + 37; ++y) {
        for (int x = static_cast<int>(guess.x) - 37; x <= static_cast<int>(guess.x) + 37; ++x) {
            if (std::hypot(x - guess.x, y - guess.y) <= 36.0 && image.at(x, y) == colour::kGrey) {
                sumX += x;
                sumY += y;
                ++count;
            }
        }
    }
    return {sumX / count, sumY / count};
}

TEST(CrankPin, SitsAtTheCrankRadiusTurningClockwise) {
    const Point axes[] = {{152.5, 308.0}, {449.5, 419.0}};
    for (int j = 0; j < kFrameCount; ++j) {
        const double angle = degreesToRadians(18.0 * j);
        for (const Point& axis : axes) {
            SCOPED_TRACE("frame " + std::to_string(j) + ", axis x " + std::to_string(axis.x));
            const Point expected = {axis.x + 65.0 * std::sin(angle), axis.y - 65.0 * std::cos(angle)};
            const Point found = greyCentroidNear(test::frame(j), expected);
            // The centre lines take a few grey pixels, hence the tolerance.
            EXPECT_NEAR(found.x, expected.x, 0.6);
            EXPECT_NEAR(found.y, expected.y, 0.6);
            // Red rim just outside the grey pin, up and to the right of its
            // centre, clear of the centre lines.
            EXPECT_EQ(test::frame(j).at(static_cast<int>(std::lround(expected.x + 24.7)),
                                        static_cast<int>(std::lround(expected.y - 24.7))),
                      colour::kRed);
        }
    }
}

TEST(CrankPin, QuarterTurnsPointRightThenLeft) {
    // Clockwise on the screen: a quarter turn after the top the pin is to the
    // right of the axis, three quarters after, to the left.
    EXPECT_EQ(crankPinCentre({0.0, 0.0}, degreesToRadians(90.0)).x, 65.0);
    EXPECT_EQ(test::frame(5).at(152 + 65, 308 - 20), colour::kGrey);
    EXPECT_EQ(test::frame(15).at(153 - 65, 308 - 20), colour::kGrey);
    EXPECT_EQ(test::frame(5).at(449 + 65, 419 - 20), colour::kGrey);
    EXPECT_EQ(test::frame(15).at(450 - 65, 419 - 20), colour::kGrey);
}

TEST(CrankPin, WrapsFromTheLastFrameToTheFirstByOneStep) {
    const Point axis = {152.5, 308.0};
    const double step = degreesToRadians(18.0);
    for (int j = 0; j < kFrameCount; ++j) {
        const int next = (j + 1) % kFrameCount;
        const Point a = crankPinCentre(axis, degreesToRadians(frameCrankAngleDegrees(j)));
        const Point b = crankPinCentre(axis, degreesToRadians(frameCrankAngleDegrees(next)));
        EXPECT_NEAR(std::hypot(b.x - a.x, b.y - a.y), 2.0 * 65.0 * std::sin(step / 2.0), 1e-9) << "frame " << j;
    }
}

TEST(DrawFrame, RejectsIndicesOutsideTheSet) {
    EXPECT_THROW(drawFrame(-1), std::out_of_range);
    EXPECT_THROW(drawFrame(kFrameCount), std::out_of_range);
}

}  // namespace
}  // namespace vorn
