#pragma once

#include <cstdint>

#include "app/shared/input_event.hpp"

// Picture1's window messages, turned into the shared input events. Free of
// <windows.h>, so that the translation is tested on every platform;
// picture_area.cpp checks that the numbers agree with <windows.h>.

namespace vorn::win32 {

// The messages translated here (WM_CHAR, WM_MOUSEMOVE and their fellows).
inline constexpr unsigned kKillFocusMessage = 0x0008;
inline constexpr unsigned kCancelModeMessage = 0x001F;
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

// One message to Picture1, with what the message itself does not carry.
struct PictureMessage {
    unsigned message = 0;
    std::uint64_t wParam = 0;
    std::int64_t lParam = 0;
    // The window's whole-number scale, at which positions are measured.
    int scale = 1;
    // A Windows key is held: its combinations are the shell's, and type
    // nothing here.
    bool windowsKeyDown = false;
    // Picture1's own handle, as WM_CAPTURECHANGED names the new owner.
    std::int64_t self = 0;
};

// Adds to `events` what `m` reports: WM_CHAR is the character the form takes
// as it is, WM_SYSCHAR (Alt with a key) none; a mouse message's position, in
// client coordinates of the picture area, is its lParam's two signed 16-bit
// halves; losing the focus, the capture or the mode loses a half-made click.
// Returns whether the message is done with; the others (Alt+Space for the
// window menu, losing the focus) go on to the window system as well.
bool translatePictureMessage(const PictureMessage& m, InputEvents& events);

}  // namespace vorn::win32
