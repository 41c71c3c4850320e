// The Win32 layer's translation of pointer messages: the masks and clicks.
#include "app/win32/pointer_input.hpp"

#include <gtest/gtest.h>

namespace {

using namespace vorn::win32;
using vorn::onPictureArea;

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

}  // namespace
