#pragma once

#include <windows.h>

#include "app/display_scale.hpp"
#include "app/form_window.hpp"
#include "app/win32/dib_picture.hpp"
#include "app/win32/pointer_input.hpp"

namespace vorn {
class VORN;
}

namespace vorn::win32 {

// Picture1: a child window with a sunken edge that shows the current frame
// at its inner area's origin, each frame pixel an s × s block at the window's
// scale s, the face colour elsewhere, and hands the operator's keys and
// pointer to the form's handlers.
class PictureArea {
public:
    // Registers the window class once per process. Throws Win32Error.
    static void registerClass(HINSTANCE instance);

    // Makes the area inside `parent` at scale `scale`, holding no picture
    // yet. Throws Win32Error.
    PictureArea(HWND parent, HINSTANCE instance, int scale);
    PictureArea(const PictureArea&) = delete;
    PictureArea& operator=(const PictureArea&) = delete;

    HWND handle() const { return window_; }
    // Input is delivered to `form` from then on, inside message dispatch.
    void deliverInputTo(VORN& form) { form_ = &form; }

    // Resizes and redraws the area for whole-number scale `scale`.
    void setScale(int scale);

    // Makes `picture` the area's picture (not copied; it must outlive its
    // showing) and draws it before returning. False, with the reason in
    // GetLastError, when it could not be drawn.
    bool show(const DibPicture& picture);
    void setPointerMode(PointerMode mode);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    void paintEdge(HDC dc) const;
    std::pair<int, int> innerPixel(LPARAM position) const;
    void pointerMoved(WPARAM keyFlags, LPARAM position);
    void buttonPressed(UINT message);
    void buttonReleased(UINT message, WPARAM keyFlags, LPARAM position);
    void setModeCursor() const;

    HWND window_ = nullptr;
    ScaledWindow scaled_;
    const DibPicture* picture_ = nullptr;
    PointerMode mode_ = PointerMode::kSetsSpeed;
    ClickTracker clicks_;
    MoveFilter moves_;
    VORN* form_ = nullptr;
};

}  // namespace vorn::win32
