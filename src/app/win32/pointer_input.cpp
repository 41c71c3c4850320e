#include "app/win32/pointer_input.hpp"

#include "app/input_masks.hpp"

namespace vorn::win32 {

std::int16_t buttonCode(unsigned keyFlags) {
    return buttonMask((keyFlags & kLeftButtonFlag) != 0, (keyFlags & kRightButtonFlag) != 0,
                      (keyFlags & kMiddleButtonFlag) != 0);
}

std::int16_t shiftCode(unsigned keyFlags, bool altDown) {
    return shiftMask((keyFlags & kShiftFlag) != 0, (keyFlags & kControlFlag) != 0, altDown);
}

bool ClickTracker::leftReleased(bool overPictureArea) {
    const bool completes = pressed_ && overPictureArea;
    pressed_ = false;
    return completes;
}

}  // namespace vorn::win32
