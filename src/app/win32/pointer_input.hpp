#pragma once

#include <cstdint>
#include <optional>
#include <utility>

#include "app/pointer_scale.hpp"

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

// Where a pointer move at (column, row) of the picture area's client area
// (its inner area; the sunken edge lies outside it) is reported, in the
// picture area's units. Moves over the edge report nothing; moves beyond the
// whole area, which arrive only while a drag holds the pointer, report as
// they come.
std::optional<PointerPosition> reportedPointerPosition(int column, int row);

// Whether (column, row) of the client area lies on the picture area, its
// edge included: where releasing the left button completes a click.
bool onPictureArea(int column, int row);

// Turns the picture area's left-button messages into clicks: a press and a
// release over the area make one click. Of a double-click's two presses only
// the first starts a click, so it delivers a click and then a double-click.
class ClickTracker {
public:
    void leftPressed() { pressed_ = true; }
    // Whether this release completes a click.
    bool leftReleased(bool overPictureArea);
    void leftDoubleClicked() { pressed_ = false; }

private:
    bool pressed_ = false;
};

// Windows also sends a pointer move when nothing moved (after a click, when a
// window appears under the pointer); those are not moves of the operator's,
// and in the stepping mode one would step a frame. Only a changed position
// passes.
class MoveFilter {
public:
    bool isMove(int column, int row);

private:
    std::optional<std::pair<int, int>> last_;
};

}  // namespace vorn::win32
