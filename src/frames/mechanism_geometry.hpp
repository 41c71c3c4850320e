#pragma once

// Every dimension of the two mechanisms and of the frame's static layer, in
// pixels of the kFrameWidth x kFrameHeight frame. Shapes are built from these values only;
// nothing is placed by hand per frame.
//
// Moving bodies are described at crank angle 0 (crank pin straight above the
// axis). A piston body is a rigid shape; each frame only shifts it down.

#include <array>

#include "frames/geometry_types.hpp"

namespace vorn::geometry {

// --- Shared crank train --------------------------------------------------

inline constexpr double kCrankRadius = 65.0;

inline constexpr double kCrankPinRadius = 33.5;      // grey pin
inline constexpr double kCrankPinRimRadius = 36.5;   // red rim around it
inline constexpr double kBigEndRadius = 46.0;        // khaki ring out to here

inline constexpr double kSmallPinHoleRadius = 9.0;   // shows what lies behind
inline constexpr double kSmallPinRadius = 18.0;      // green annulus
inline constexpr double kSmallPinRimRadius = 20.0;   // grey rim
inline constexpr double kSmallEndRadius = 27.5;      // khaki ring out to here

// The crank web: a disc about the axis cut by two straight flanks that are
// symmetric about the line from the axis through the crank pin. The flanks'
// half-width grows linearly from the pin end to the counterweight end.
inline constexpr double kWebRadius = 113.0;
inline constexpr double kWebHalfWidthAtPin = 51.5;
inline constexpr double kWebCounterweightDistance = 60.0;  // beyond the axis
inline constexpr double kWebHalfWidthAtCounterweight = 88.5;

// Connecting rod shank: its half-width at listed distances from the small-pin
// centre; beyond the last station it keeps that width up to the crank pin,
// where the big end and the pin cover it.
struct ShankStation {
    double distanceFromSmallPin;
    double halfWidth;
};

// --- VORN mechanism (left) ----------------------------------------------

namespace vorn_side {
inline constexpr Point kAxis = {152.5, 308.0};
inline constexpr double kRodLength = 130.0;

inline constexpr std::array<ShankStation, 2> kShank = {{
    {kSmallEndRadius, 20.0},  // 40 wide next to the small end
    {84.0, 30.0},             // 60 wide where it meets the big end
}};

// Piston-and-yoke body at crank angle 0. Half-widths are measured from the
// vertical centre line x = kAxis.x.
inline constexpr double kCrownTop = 31.5;
inline constexpr double kCrownBottom = 63.5;
inline constexpr double kCrownHalfWidth = 81.0;  // columns 72..233

inline constexpr double kRodHalfWidth = 27.0;    // columns 126..179
inline constexpr double kRodFilletRadius = 18.0; // concave, into the plate

// The plate's outer flanks and lower edges are straight lines through these
// key points (half-width, y); the corners between them are rounded.
inline constexpr Point kOuterFlankUpper = {84.0, 200.0};
inline constexpr Point kOuterFlankLower = {120.0, 250.0};
inline constexpr Point kLowerEdgeOuter = {120.0, 340.5};
inline constexpr Point kLowerEdgeInner = {30.0, 393.5};
inline constexpr double kOuterCornerRadius = 39.0;  // extreme columns 5 and 300
inline constexpr double kBottomTipRadius = 35.0;    // lowest row 405

// The triangular opening the crank pin and big end move in: 45-degree sides,
// a flat bottom, rounded corners.
inline constexpr Point kOpeningApex = {0.0, 142.0};   // where the sides would meet
inline constexpr Point kOpeningBottomCorner = {159.5, 301.5};
inline constexpr double kOpeningTopRadius = 42.0;     // topmost point y 160
inline constexpr double kOpeningBottomRadius = 39.6;  // reaches columns 49 and 256

inline constexpr Point kYokePin = {152.5, 373.0};

// Slides hanging from the plate, just inside the guide bars; a black line
// runs along the top edge and both long sides where they lie on the plate.
inline constexpr PixelRange kSlideRows = {329, 393};
inline constexpr PixelRange kLeftSlideColumns = {72, 91};
inline constexpr PixelRange kRightSlideColumns = {214, 233};
}  // namespace vorn_side

// --- Conventional mechanism (right) -------------------------------------

namespace conventional_side {
inline constexpr Point kAxis = {449.5, 419.0};
inline constexpr double kRodLength = 260.0;

inline constexpr std::array<ShankStation, 3> kShank = {{
    {kSmallEndRadius, 20.0},  // 40 wide next to the small end
    {190.0, 25.0},            // widens slowly to 50
    {215.0, 31.0},            // then flares to 62 at the big end
}};

inline constexpr PixelRange kCrownRows = {32, 63};
inline constexpr PixelRange kCrownColumns = {369, 530};
inline constexpr PixelRange kSkirtRows = {64, 128};
inline constexpr PixelRange kLeftSkirtColumns = {369, 388};
inline constexpr PixelRange kRightSkirtColumns = {511, 530};
// The pin boss hangs from the crown and narrows by one column on each side
// every two rows.
inline constexpr PixelRange kBossTopColumns = {408, 491};
inline constexpr PixelRange kBossRows = {64, 92};
inline constexpr int kBossRowsPerStep = 2;

inline constexpr Point kWristPin = {449.5, 94.0};
}  // namespace conventional_side

// --- Piston ring lines (both pistons) ------------------------------------

// Rows of the three ring lines, counted from the crown's top row; the lines
// run one column past the crown on each side.
inline constexpr std::array<PixelRange, 3> kRingLineRows = {{{7, 8}, {14, 16}, {24, 24}}};
inline constexpr int kRingLineOverhang = 1;

// --- Static layer ---------------------------------------------------------

// A block of whole pixels, as the inclusive ranges of its columns and rows.
struct PixelSpans {
    PixelRange columns;
    PixelRange rows;
};

inline constexpr std::array<PixelSpans, 3> kLeftCylinder = {{
    {{61, 244}, {11, 19}},    // top bar
    {{61, 69}, {11, 196}},    // side walls
    {{236, 244}, {11, 196}},
}};
inline constexpr std::array<PixelSpans, 2> kLeftGuideBars = {{
    {{61, 69}, {352, 519}},
    {{237, 245}, {352, 519}},
}};
inline constexpr std::array<PixelSpans, 3> kRightCylinder = {{
    {{358, 541}, {11, 19}},
    {{358, 366}, {11, 250}},
    {{533, 541}, {11, 250}},
}};

// Centre lines: dash-dot, drawn over everything.
inline constexpr std::array<PixelRange, 13> kVerticalCentreLineRuns = {{
    {7, 40}, {52, 53}, {68, 124}, {135, 136}, {152, 207}, {218, 220}, {235, 290},
    {302, 303}, {318, 374}, {385, 386}, {401, 457}, {468, 470}, {485, 540},
}};
inline constexpr std::array<PixelRange, 5> kLeftHorizontalCentreLineRuns = {{
    {47, 103}, {118, 119}, {131, 186}, {201, 203}, {214, 269},
}};
inline constexpr std::array<PixelRange, 5> kRightHorizontalCentreLineRuns = {{
    {344, 400}, {415, 416}, {427, 483}, {498, 499}, {511, 566},
}};
inline constexpr int kLeftVerticalDarkColumn = 152;   // dark blue
inline constexpr int kLeftVerticalBlackColumn = 153;
inline constexpr PixelRange kRightVerticalColumns = {449, 450};
inline constexpr int kLeftHorizontalRow = 308;
inline constexpr int kRightHorizontalRow = 419;
inline constexpr int kRightHorizontalPaleRow = 420;

}  // namespace vorn::geometry
