#pragma once

#include <windows.h>

#include "app/shared/display_scale.hpp"
#include "app/form/platform_window.hpp"
#include "app/win32/dib_picture.hpp"
#include "app/win32/message_translation.hpp"

namespace vorn::win32 {

// Picture1: a child window with a sunken edge that shows the current frame
// at its inner area's origin, each frame pixel an s × s block at the window's
// scale s, the face colour elsewhere, and keeps the operator's keys and
// pointer, as its messages report them, for the form's event service.
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
    // The input that came since the last call, in order.
    InputEvents takeEvents();
    void add(const InputEvent& event) { events_.push_back(event); }

    // Resizes and redraws the area for whole-number scale `scale`, and notes
    // where the pointer rests then.
    void setScale(int scale);

    // Makes `picture` the area's picture (not copied; it must outlive its
    // showing) and draws it before returning. False, with the reason in
    // GetLastError, when it could not be drawn. While the window is
    // minimised it is only kept, for redrawNow.
    bool show(const DibPicture& picture);
    // Draws the area and its picture before returning.
    void redrawNow();
    void setPointerMode(PointerMode mode);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool translate(UINT message, WPARAM wParam, LPARAM lParam);
    void notePointerRest();
    void paint();
    void paintEdge(HDC dc) const;
    // Holding a button keeps the pointer's moves coming while it is dragged
    // off the area, as a press grabs the pointer on X11; releasing the last
    // one lets it go.
    void followCapture(UINT message, WPARAM keyFlags);
    void setModeCursor() const;

    HWND window_ = nullptr;
    ScaledWindow scaled_;
    const DibPicture* picture_ = nullptr;
    PointerMode mode_ = PointerMode::kSetsSpeed;
    InputEvents events_;
};

}  // namespace vorn::win32
