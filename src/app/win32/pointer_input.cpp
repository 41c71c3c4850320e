#include "app/win32/pointer_input.hpp"

namespace vorn::win32 {

std::int16_t buttonCode(unsigned keyFlags) {
    std::int16_t code = 0;
    if (keyFlags & kLeftButtonFlag) code |= 1;
    if (keyFlags & kRightButtonFlag) code |= 2;
    if (keyFlags & kMiddleButtonFlag) code |= 4;
    return code;
}

std::int16_t shiftCode(unsigned keyFlags, bool altDown) {
    std::int16_t code = 0;
    if (keyFlags & kShiftFlag) code |= 1;
    if (keyFlags & kControlFlag) code |= 2;
    if (altDown) code |= 4;
    return code;
}

bool ClickTracker::leftReleased(bool overPictureArea) {
    const bool completes = pressed_ && overPictureArea;
    pressed_ = false;
    return completes;
}

}  // namespace vorn::win32
