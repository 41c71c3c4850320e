#pragma once

#include <windows.h>

namespace vorn::win32 {

// The window's caption and taskbar icons, taken from the program's icon
// group at the sizes the window's density asks for: Windows then picks the
// image drawn for that size, or scales a larger one down, rather than
// stretching a 32-pixel image up.
class WindowIcons {
public:
    WindowIcons() = default;
    WindowIcons(const WindowIcons&) = delete;
    WindowIcons& operator=(const WindowIcons&) = delete;
    ~WindowIcons();

    // Gives `window` the icon group `resource` of `instance` at `dpi`, and
    // lets go of the icons it replaces. An image that cannot be loaded
    // leaves the class icon in its place, which is the same picture at
    // 100 %.
    void apply(HWND window, HINSTANCE instance, int resource, UINT dpi);

private:
    HICON large_ = nullptr;
    HICON small_ = nullptr;
};

}  // namespace vorn::win32
