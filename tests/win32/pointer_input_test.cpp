// The Win32 layer's translation of Picture1's window messages: the masks,
// and the gesture and key tables every layer passes, from the messages
// Windows sends.
#include "app/win32/pointer_input.hpp"

#include <gtest/gtest.h>

#include "support/gesture_table.hpp"

namespace {

using namespace vorn::win32;
using vorn::PictureInput;
using vorn::testing::GestureStep;
using vorn::testing::RecordedCalls;

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

// MAKELPARAM of a client position: two signed 16-bit halves.
std::int64_t positionParameter(int x, int y) {
    return static_cast<std::int64_t>(static_cast<std::uint16_t>(x) | static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16);
}

void send(PictureInput& input, unsigned message, std::uint64_t wParam, std::int64_t lParam = 0) {
    EXPECT_TRUE(translatePictureMessage(input, message, wParam, lParam, false)) << std::hex << message;
}

// The message Windows sends for `step`, at scale `scale`: client positions
// count from Picture1's outer corner, the inner pixel's block at 2s + c·s.
void feed(PictureInput& input, const GestureStep& step, int scale) {
    const std::int64_t at = positionParameter((step.column + 2) * scale, (step.row + 2) * scale);
    switch (step.kind) {
        case GestureStep::kPress: send(input, kLeftButtonDownMessage, kLeftButtonFlag, at); break;
        case GestureStep::kRelease: send(input, kLeftButtonUpMessage, 0, at); break;
        case GestureStep::kDoublePress: send(input, kLeftButtonDoubleClickMessage, kLeftButtonFlag, at); break;
        case GestureStep::kMove: send(input, kMouseMoveMessage, 0, at); break;
        case GestureStep::kCaptureLost: send(input, kCaptureChangedMessage, 0); break;
        case GestureStep::kOtherPress: send(input, kRightButtonDownMessage, kRightButtonFlag, at); break;
        case GestureStep::kOtherRelease: send(input, kRightButtonUpMessage, 0, at); break;
    }
}

TEST(Win32Gestures, EachGestureTellsTheFormTheSameAtScalesOneAndTwo) {
    for (int scale : {1, 2}) {
        for (const vorn::testing::Gesture& gesture : vorn::testing::gestureTable()) {
            PictureInput input;
            input.setScale(scale);
            for (const GestureStep& step : gesture.steps) feed(input, step, scale);
            RecordedCalls form;
            input.deliverTo(form);
            EXPECT_EQ(form.calls, gesture.expected) << gesture.name << " at scale " << scale;
        }
    }
}

TEST(Win32Keys, TheCharacterMessageIsTheReferenceAndAltWithAKeyTypesNothing) {
    for (const vorn::testing::KeyRow& row : vorn::testing::keyTable()) {
        PictureInput input;
        // What Windows sends for the key: WM_SYSCHAR with Alt, WM_CHAR with
        // the character it gives otherwise, and nothing for Ctrl with keys
        // that give none.
        if (row.alt) {
            send(input, kSysCharMessage, row.escape ? 27 : row.character);
        } else if (row.desktop) {
            send(input, kCharMessage, static_cast<std::uint16_t>(*row.desktop));
        }
        RecordedCalls form;
        input.deliverTo(form);
        EXPECT_EQ(form.calls, vorn::testing::expectedCalls(row.desktop)) << row.name;
    }
}

TEST(Win32Messages, OnlyPicture1sInputMessagesAreTranslated) {
    PictureInput input;
    EXPECT_FALSE(translatePictureMessage(input, 0x000F /* WM_PAINT */, 0, 0, false));
    EXPECT_FALSE(translatePictureMessage(input, 0x0100 /* WM_KEYDOWN */, 0x41, 0, false));
    EXPECT_FALSE(translatePictureMessage(input, kSysCharMessage, ' ', 0, true)) << "Alt+Space opens the window menu";
    RecordedCalls form;
    input.deliverTo(form);
    EXPECT_TRUE(form.calls.empty());
}

TEST(Win32Messages, ADragLeftOfTheAreaReportsNegativePositions) {
    PictureInput input;
    send(input, kMouseMoveMessage, kLeftButtonFlag, positionParameter(-30, 12));
    RecordedCalls form;
    input.deliverTo(form);
    EXPECT_EQ(form.calls, (std::vector<std::string>{"move -32,10"}));
}

}  // namespace
