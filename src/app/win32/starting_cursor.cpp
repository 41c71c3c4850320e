#include "app/win32/starting_cursor.hpp"

namespace vorn::win32 {

void endStartingCursor(HWND window) {
    // A message of the program's own range: no one else posts it, and as
    // both bounds of the filter it is the only one GetMessage takes (bounds
    // of 0 and 0 would mean every message).
    constexpr UINT kStartingCursorMessage = WM_APP + 1;
    if (PostMessageW(window, kStartingCursorMessage, 0, 0)) {
        MSG message{};
        GetMessageW(&message, window, kStartingCursorMessage, kStartingCursorMessage);
    }
}

}  // namespace vorn::win32
