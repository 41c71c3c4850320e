// The Win32 layer's translation of pointer messages: the masks, where a move
// is reported, clicks, and moves that are not moves.
#include "app/win32/pointer_input.hpp"

#include <gtest/gtest.h>

namespace {

using namespace vorn::win32;

TEST(Win32PointerInput, KeyFlagsBecomeTheButtonAndShiftMasks) {
    const struct {
        unsigned flags;
        bool alt;
        std::int16_t button, shift;
    } cases[] = {
        {0, false, 0, 0},
        {kLeftButtonFlag, false, 1, 0},
        {kRightButtonFlag, false, 2, 0},
        {kMiddleButtonFlag, false, 4, 0},
        {kLeftButtonFlag | kRightButtonFlag | kMiddleButtonFlag, false, 7, 0},
        {kShiftFlag, false, 0, 1},
        {kControlFlag, false, 0, 2},
        {0, true, 0, 4},
        {kShiftFlag | kControlFlag | kLeftButtonFlag, true, 1, 7},
        // XBUTTON1 (0x20) and XBUTTON2 (0x40) are no buttons of the form's.
        {0x20 | 0x40, false, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(buttonCode(c.flags), c.button) << std::hex << c.flags;
        EXPECT_EQ(shiftCode(c.flags, c.alt), c.shift) << std::hex << c.flags << " alt " << c.alt;
    }
}

TEST(Win32PointerInput, MovesOverTheInnerAreaAreReportedInItsUnits) {
    const auto origin = reportedPointerPosition(0, 0);
    ASSERT_TRUE(origin);
    EXPECT_EQ(origin->x, 0.0f);
    EXPECT_EQ(origin->y, 0.0f);

    // The same scale as every other layer: the last column and row.
    const auto corner = reportedPointerPosition(vorn::kInnerAreaWidthPixels - 1, vorn::kInnerAreaHeightPixels - 1);
    ASSERT_TRUE(corner);
    const vorn::PointerPosition expected =
        vorn::pointerPositionInUnits(vorn::kInnerAreaWidthPixels - 1, vorn::kInnerAreaHeightPixels - 1);
    EXPECT_EQ(corner->x, expected.x);
    EXPECT_EQ(corner->y, expected.y);
    EXPECT_NEAR(corner->y, 763 / 25.6, 1e-5);
}

TEST(Win32PointerInput, TheSunkenEdgeReportsNothingAndADragBeyondItReportsAsItComes) {
    // Client coordinates start inside the 2-pixel edge.
    const struct {
        int column, row;
        bool reported;
    } cases[] = {
        {-1, 10, false},  {-2, 10, false},  {579, 10, false}, {580, 10, false},
        {10, -1, false},  {10, -2, false},  {10, 764, false}, {10, 765, false},
        {-3, 10, true},   {581, 10, true},  {10, -3, true},   {10, 766, true},
        {-40, -40, true}, {578, 763, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(reportedPointerPosition(c.column, c.row).has_value(), c.reported) << c.column << ", " << c.row;
    }
    const auto beyond = reportedPointerPosition(-3, 800);
    ASSERT_TRUE(beyond);
    EXPECT_LT(beyond->x, 0.0f);
    EXPECT_EQ(beyond->y, vorn::pointerPositionInUnits(-3, 800).y);
}

TEST(Win32PointerInput, AClickIsAPressAndAReleaseOverTheArea) {
    ClickTracker clicks;
    EXPECT_FALSE(clicks.leftReleased(true)) << "a release without a press";

    clicks.leftPressed();
    EXPECT_TRUE(clicks.leftReleased(onPictureArea(10, 10)));
    EXPECT_FALSE(clicks.leftReleased(true)) << "one press makes one click";

    clicks.leftPressed();
    EXPECT_FALSE(clicks.leftReleased(onPictureArea(-3, 10))) << "released off the area";
    EXPECT_TRUE(onPictureArea(-2, -2)) << "the edge is part of the area";
    EXPECT_FALSE(onPictureArea(581, 10));
}

TEST(Win32PointerInput, ADoubleClickDeliversOneClickThenTheDoubleClick) {
    // Windows sends: down, up, double-click (the second down), up.
    ClickTracker clicks;
    clicks.leftPressed();
    EXPECT_TRUE(clicks.leftReleased(true));
    clicks.leftDoubleClicked();
    EXPECT_FALSE(clicks.leftReleased(true)) << "the second release is no click of its own";
}

TEST(Win32PointerInput, OnlyAChangedPositionIsAMove) {
    MoveFilter moves;
    EXPECT_TRUE(moves.isMove(5, 5));
    EXPECT_FALSE(moves.isMove(5, 5));
    EXPECT_TRUE(moves.isMove(5, 6));
    EXPECT_TRUE(moves.isMove(5, 5));
    EXPECT_TRUE(moves.isMove(-5, 5));
}

}  // namespace
