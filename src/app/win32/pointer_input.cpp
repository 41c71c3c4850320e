#include "app/win32/pointer_input.hpp"

#include "app/input_masks.hpp"

namespace vorn::win32 {

namespace {

// GET_X_LPARAM and GET_Y_LPARAM: signed, since a captured drag reports
// positions left of and above the area as negative.
AreaPoint positionOf(std::int64_t lParam) {
    const auto bits = static_cast<std::uint32_t>(lParam);
    return {static_cast<std::int16_t>(bits & 0xFFFF), static_cast<std::int16_t>(bits >> 16)};
}

}  // namespace

std::int16_t buttonCode(unsigned keyFlags) {
    return buttonMask((keyFlags & kLeftButtonFlag) != 0, (keyFlags & kRightButtonFlag) != 0,
                      (keyFlags & kMiddleButtonFlag) != 0);
}

std::int16_t shiftCode(unsigned keyFlags, bool altDown) {
    return shiftMask((keyFlags & kShiftFlag) != 0, (keyFlags & kControlFlag) != 0, altDown);
}

bool translatePictureMessage(PictureInput& input, unsigned message, std::uint64_t wParam, std::int64_t lParam,
                             bool altDown) {
    const AreaPoint at = positionOf(lParam);
    const auto keyFlags = static_cast<unsigned>(wParam);
    switch (message) {
        case kCharMessage:
            input.characterTyped(static_cast<std::int16_t>(wParam));
            return true;
        case kSysCharMessage:
            // Alt with a character types nothing here. Alt+Space is the
            // window system's: it opens the window menu. Any other, passed
            // on, would only beep, as the window has no menu to choose from.
            return wParam != ' ';
        case kMouseMoveMessage:
            input.pointerMoved(at, buttonCode(keyFlags), shiftCode(keyFlags, altDown));
            return true;
        case kLeftButtonDownMessage:
            input.buttonPressed(MouseButton::kLeft, at);
            return true;
        case kLeftButtonDoubleClickMessage:
            input.buttonDoublePressed(MouseButton::kLeft, at);
            return true;
        case kLeftButtonUpMessage:
            input.buttonReleased(MouseButton::kLeft, at);
            return true;
        case kRightButtonDownMessage:
        case kRightButtonDoubleClickMessage:
        case kMiddleButtonDownMessage:
        case kMiddleButtonDoubleClickMessage:
            input.buttonPressed(MouseButton::kOther, at);
            return true;
        case kRightButtonUpMessage:
        case kMiddleButtonUpMessage:
            input.buttonReleased(MouseButton::kOther, at);
            return true;
        case kCaptureChangedMessage:
            input.captureLost();
            return true;
        default:
            return false;
    }
}

}  // namespace vorn::win32
