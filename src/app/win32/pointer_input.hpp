#pragma once

#include <cstdint>

#include "app/picture_input.hpp"

// The picture area's window messages as the Win32 layer receives them,
// turned into the shared picture input. Free of <windows.h>, so that the
// translation is tested on every platform; picture_area.cpp checks that the
// numbers agree with <windows.h>.

namespace vorn::win32 {

// The key-state flags a mouse message carries in its wParam (MK_LBUTTON and
// its fellows).
inline constexpr unsigned kLeftButtonFlag = 0x0001;
inline constexpr unsigned kRightButtonFlag = 0x0002;
inline constexpr unsigned kShiftFlag = 0x0004;
inline constexpr unsigned kControlFlag = 0x0008;
inline constexpr unsigned kMiddleButtonFlag = 0x0010;

// The messages translated here (WM_CHAR, WM_MOUSEMOVE and their fellows).
inline constexpr unsigned kCharMessage = 0x0102;
inline constexpr unsigned kSysCharMessage = 0x0106;
inline constexpr unsigned kMouseMoveMessage = 0x0200;
inline constexpr unsigned kLeftButtonDownMessage = 0x0201;
inline constexpr unsigned kLeftButtonUpMessage = 0x0202;
inline constexpr unsigned kLeftButtonDoubleClickMessage = 0x0203;
inline constexpr unsigned kRightButtonDownMessage = 0x0204;
inline constexpr unsigned kRightButtonUpMessage = 0x0205;
inline constexpr unsigned kRightButtonDoubleClickMessage = 0x0206;
inline constexpr unsigned kMiddleButtonDownMessage = 0x0207;
inline constexpr unsigned kMiddleButtonUpMessage = 0x0208;
inline constexpr unsigned kMiddleButtonDoubleClickMessage = 0x0209;
inline constexpr unsigned kCaptureChangedMessage = 0x0215;

// Mouse buttons held, as a bit set: left 1, right 2, middle 4.
std::int16_t buttonCode(unsigned keyFlags);

// Modifier keys held, as a bit set: Shift 1, Ctrl 2, Alt 4. The message does
// not carry Alt, so the caller reads it from the keyboard state.
std::int16_t shiftCode(unsigned keyFlags, bool altDown);

// Feeds `message` to `input`: WM_CHAR is the character the form takes as it
// is, WM_SYSCHAR (Alt with a key) none, and Alt+Space is left untranslated
// for the window system's own window menu; a mouse message's position, in
// client coordinates of the picture area, is its lParam's two signed 16-bit
// halves. Returns whether the message is one of those translated here.
bool translatePictureMessage(PictureInput& input, unsigned message, std::uint64_t wParam, std::int64_t lParam,
                             bool altDown);

}  // namespace vorn::win32
