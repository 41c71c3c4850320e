#pragma once

#include <cstdint>

#include "app/pointer_area.hpp"

// The picture area's pointer input as the Win32 layer reads it from window
// messages, turned into what the form's handlers take. Free of <windows.h>,
// so that the translation is tested on every platform.

namespace vorn::win32 {

// The key-state flags a mouse message carries in its wParam (MK_LBUTTON and
// its fellows; win32 checks that these agree with <windows.h>).
inline constexpr unsigned kLeftButtonFlag = 0x0001;
inline constexpr unsigned kRightButtonFlag = 0x0002;
inline constexpr unsigned kShiftFlag = 0x0004;
inline constexpr unsigned kControlFlag = 0x0008;
inline constexpr unsigned kMiddleButtonFlag = 0x0010;

// Mouse buttons held, as a bit set: left 1, right 2, middle 4.
std::int16_t buttonCode(unsigned keyFlags);

// Modifier keys held, as a bit set: Shift 1, Ctrl 2, Alt 4. The message does
// not carry Alt, so the caller reads it from the keyboard state.
std::int16_t shiftCode(unsigned keyFlags, bool altDown);

// Turns the picture area's left-button messages into clicks: a press and a
// release over the area make one click. Of a double-click's two presses only
// the first starts a click, so it delivers a click and then a double-click.
class ClickTracker {
public:
    void leftPressed() { pressed_ = true; }
    // Whether this release completes a click.
    bool leftReleased(bool overPictureArea);
    void leftDoubleClicked() { pressed_ = false; }
    // The area lost the pointer (Alt+Tab, another window took it): a press
    // before that completes no click.
    void captureLost() { pressed_ = false; }

private:
    bool pressed_ = false;
};

}  // namespace vorn::win32
