#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "app/form_window.hpp"
#include "app/win32/dib_picture.hpp"
#include "app/win32/picture_area.hpp"

namespace vorn {
class FrameSet;
class PictureHandlers;
}  // namespace vorn

namespace vorn::win32 {

// The program's one window on Windows: a fixed-size frame with the caption,
// Picture1 filling its client area, and the twenty frame pictures the holders
// carry. It is never destroyed: the program ends from inside event service.
class Win32Window final : public FormWindow {
public:
    // Makes the (hidden) window and a bitmap of each of the set's pictures.
    // Throws Win32Error.
    Win32Window(HINSTANCE instance, const FrameSet& frameSet);
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    // Each event service hands Picture1's input to `handlers` from now on.
    void deliverInputTo(PictureHandlers& handlers) { handlers_ = &handlers; }
    // Shows the window centred on the work area, with the keyboard focus on
    // Picture1.
    void show(int showCommand);

    const FramePicture* holderPicture(int holderNumber) const override;
    void showPicture(const FramePicture& picture) override;
    void serveEvents() override;
    void clearWindow() override;
    [[noreturn]] void quit() override;
    void showPointerMode(PointerMode mode) override;
    [[noreturn]] void fail(const std::string& what) override;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void endStartingCursor();
    // Draws the window at whole-number scale `scale`, its whole at `whole`.
    void rescale(int scale, const PixelRect& whole);

    HWND window_ = nullptr;
    std::unique_ptr<PictureArea> picture1_;
    PictureHandlers* handlers_ = nullptr;
    std::vector<std::unique_ptr<DibPicture>> holders_;  // index: holder number - 1
};

}  // namespace vorn::win32
