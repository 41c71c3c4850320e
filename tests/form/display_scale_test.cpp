// The whole-number window scale every desktop layer uses: from the screen's
// density, fitted to its work area, and the pointer's units at each scale.
#include "app/shared/display_scale.hpp"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "app/shared/pointer_area.hpp"
#include "app/shared/sunken_edge.hpp"

namespace {

using namespace vorn;

constexpr PixelSize kRoomy{3840, 2160};
constexpr PixelSize kNoFrame{0, 0};

TEST(DisplayScale, RoundsTheDisplayScalePreferringTheLowerWholeNumber) {
    const struct {
        double displayScale;
        int scale;
    } cases[] = {
        {0.5, 1},  {1.0, 1},  {1.25, 1}, {1.5, 1}, {1.74, 1}, {1.75, 2},
        {2.0, 2},  {2.5, 2},  {2.74, 2}, {2.75, 3}, {3.0, 3},
    };
    for (const auto& c : cases) {
        const int dpi = static_cast<int>(c.displayScale * 96 + 0.5);
        EXPECT_EQ(preferredWindowScale(dpi), c.scale) << c.displayScale << " (" << dpi << " dpi)";
        EXPECT_EQ(windowScale(dpi, kRoomy, kNoFrame), c.scale) << c.displayScale;
    }
}

TEST(DisplayScale, IsLoweredUntilTheWholeWindowFitsTheWorkArea) {
    const PixelSize frame{16, 39};
    const struct {
        PixelSize workArea;
        int dpi;
        int scale;
    } cases[] = {
        {{1920, 1040}, 192, 1},  // 1166 × 1106 is taller than a 1080p screen less its taskbar
        {{1920, 1160}, 192, 2},  // 1182 × 1145 fits
        {{1920, 1144}, 192, 1},  // one row short
        {{1181, 1200}, 192, 1},  // one column short
        {{2560, 1400}, 288, 2},  // 3× does not fit, 2× does
        {{640, 480}, 96, 1},     // never below 1, even when 1 does not fit either
        {{640, 480}, 192, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(windowScale(c.dpi, c.workArea, frame), c.scale)
            << c.workArea.width << " x " << c.workArea.height << " at " << c.dpi << " dpi";
    }
}

TEST(DisplayScale, ScalesTheClientAreaThePictureAreaAndItsEdgeTogether) {
    const ScaledWindow twice{2};
    EXPECT_EQ(twice.client(), (PixelSize{1166, 1106}));
    EXPECT_EQ(twice.pictureArea(), (PixelSize{1166, 1536}));
    EXPECT_EQ(twice.innerArea(), (PixelRect{4, 4, 1158, 1528}));
    // The frame's rightmost column lies under the edge and is never drawn.
    EXPECT_EQ(twice.visibleFrame({580, 550}), (PixelSize{579, 550}));
    EXPECT_EQ(twice.visibleFrameArea({580, 550}), (PixelRect{4, 4, 1158, 1100}));
}

TEST(DisplayScale, CentresTheWindowAndKeepsTheTopLeftOfALargerOneOnTheScreen) {
    EXPECT_EQ(centredPlacement({0, 0, 1280, 1024}, {599, 592}), (PixelPoint{340, 216}));
    EXPECT_EQ(centredPlacement({1920, 30, 1280, 994}, {599, 592}), (PixelPoint{2260, 231}))
        << "a second monitor's work area, below a top panel";
    EXPECT_EQ(centredPlacement({0, 0, 640, 480}, {583, 553}), (PixelPoint{28, 0}));
    EXPECT_EQ(centredPlacement({0, 0, 640, 480}, {599, 592}), (PixelPoint{20, 0}));
    EXPECT_EQ(centredPlacement({0, 0, 500, 400}, {599, 592}), (PixelPoint{0, 0}));
}

TEST(DisplayScale, AMoveToAScreenOfAnotherDensityScalesTheWindowAnew) {
    const PixelRect monitor{1920, 0, 2560, 1400};
    const PixelSize frameAt192{24, 62};
    DpiChange change;
    const WindowPlacement larger = change.placementAt(192, monitor, frameAt192, {2000, 100}, WindowMove::kOther);
    EXPECT_EQ(larger, (WindowPlacement{2, {2000, 100, 1190, 1168}}));

    // Back on a 100 % screen the window is its own size again.
    const WindowPlacement smaller = change.placementAt(96, {0, 0, 1920, 1040}, {16, 39}, {300, 200}, WindowMove::kOther);
    EXPECT_EQ(smaller, (WindowPlacement{1, {300, 200, 599, 592}}));

    const WindowPlacement atStart = centredWindow(144, {0, 0, 1920, 1040}, {20, 50});
    EXPECT_EQ(atStart, (WindowPlacement{1, {658, 218, 603, 603}}));
}

// Catches a window clamped onto the work area while the operator drags it
// (it jumps away from the pointer at the monitor boundary), and one left off
// the screen after a change outside a drag.
TEST(DisplayScale, ADensityChangeKeepsTheSuggestedCornerOnlyInsideACaptionDrag) {
    const PixelRect monitor{1920, 0, 2560, 1400};
    const PixelSize frameAt192{24, 62};
    const PixelPoint pastTheEdges{4000, 900};
    const struct {
        WindowMove move;
        PixelPoint expected;
    } cases[] = {
        {WindowMove::kCaptionDrag, pastTheEdges},
        {WindowMove::kOther, {1920 + 2560 - 1190, 1400 - 1168}},
    };
    for (const auto& c : cases) {
        DpiChange change;
        const WindowPlacement placed = change.placementAt(192, monitor, frameAt192, pastTheEdges, c.move);
        EXPECT_EQ(placed.whole, (PixelRect{c.expected.x, c.expected.y, 1190, 1168}))
            << (c.move == WindowMove::kCaptionDrag ? "in a caption drag" : "outside a drag");
    }
}

// Catches the size question and the change fitting the scale to different
// work areas (the window's present monitor, the suggested rectangle's): the
// size applied must be the one the window system was told.
TEST(DisplayScale, ADensityChangeAppliesTheScaleItsSizeQuestionWasAnswered) {
    const PixelSize frame{24, 62};
    const PixelRect roomy{0, 0, 2560, 1400};    // scale 2 fits at 192 dpi
    const PixelRect cramped{0, 0, 1280, 1000};  // only scale 1 fits
    DpiChange change;
    const PixelSize asked = change.sizeAt(192, roomy, frame);
    EXPECT_EQ(asked, (PixelSize{1190, 1168}));
    const WindowPlacement applied = change.placementAt(192, cramped, frame, {0, 0}, WindowMove::kCaptionDrag);
    EXPECT_EQ(applied.scale, 2);
    EXPECT_EQ((PixelSize{applied.whole.width, applied.whole.height}), asked);

    // The answer holds for its own density and its own change only.
    change.sizeAt(192, roomy, frame);
    EXPECT_EQ(change.placementAt(288, cramped, frame, {0, 0}, WindowMove::kOther).scale, 1) << "another density";
    EXPECT_EQ(change.placementAt(192, cramped, frame, {0, 0}, WindowMove::kOther).scale, 1) << "a later change";
}

TEST(DisplayScale, APointerOnAFramePixelGivesTheSameUnitsAtEveryScale) {
    // Device positions on a window of scale 2, and the inner-area pixel each
    // falls on: worked out by hand from the 4-pixel edge and 2 × 2 blocks.
    const struct {
        int x, y;
        int column, row;
    } cases[] = {
        {4, 4, 0, 0},     {5, 5, 0, 0},       {6, 4, 1, 0},         {1161, 1105, 578, 550},
        {0, 0, -2, -2},   {3, 3, -1, -1},     {-1, 10, -3, 3},      {-2, 10, -3, 3},
        {-3, 10, -4, 3},  {1162, 10, 579, 3}, {1165, 1535, 580, 765},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(innerPixelUnder(c.x, c.y, 2), std::pair(c.column, c.row)) << c.x << ", " << c.y;
    }
    // So the edge, 4 device pixels wide at scale 2, reports nothing.
    for (int x : {0, 1, 2, 3, 1162, 1163, 1164, 1165}) {
        const auto [column, row] = innerPixelUnder(x, 500, 2);
        EXPECT_FALSE(reportedPointerPosition(column, row).has_value()) << x;
    }
    const auto [column, row] = innerPixelUnder(4, 4, 2);
    ASSERT_TRUE(reportedPointerPosition(column, row).has_value());
    EXPECT_EQ(reportedPointerPosition(column, row)->x, 0.0f);
}

TEST(SunkenEdge, CoversExactlyTheBorderRingAtEveryScale) {
    for (int scale : {1, 2, 3}) {
        const ScaledWindow window{scale};
        std::set<std::pair<int, int>> covered;
        for (const EdgeBand& band : sunkenEdgeBands(window)) {
            for (int y = band.area.top; y < band.area.top + band.area.height; ++y) {
                for (int x = band.area.left; x < band.area.left + band.area.width; ++x) covered.insert({x, y});
            }
        }
        const PixelSize outer = window.pictureArea();
        const int ring = outer.width * outer.height - window.innerArea().width * window.innerArea().height;
        EXPECT_EQ(static_cast<int>(covered.size()), ring) << "scale " << scale;
        const PixelRect inner = window.innerArea();
        for (const auto& [x, y] : covered) {
            ASSERT_TRUE(x < inner.left || y < inner.top || x >= inner.left + inner.width || y >= inner.top + inner.height)
                << "scale " << scale << ": the edge reaches into the inner area at " << x << ", " << y;
        }
    }
}

}  // namespace
