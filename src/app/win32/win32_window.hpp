#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "app/form/platform_window.hpp"
#include "app/win32/dib_picture.hpp"
#include "app/shared/display_scale.hpp"
#include "app/win32/picture_area.hpp"
#include "app/win32/window_icons.hpp"

namespace vorn {
class FrameSet;
}  // namespace vorn

namespace vorn::win32 {

// The program's one window on Windows: a fixed-size frame with the caption,
// Picture1 filling its client area, and the twenty frame pictures the holders
// carry. It is never destroyed: the program ends from inside event service.
class Win32Window final : public PlatformWindow {
public:
    // Makes the (hidden) window and a bitmap of each of the set's pictures.
    // Throws Win32Error.
    Win32Window(HINSTANCE instance, const FrameSet& frameSet);
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    // Shows the window centred on the work area, with the keyboard focus on
    // Picture1.
    void show(int showCommand);

    const FramePicture* holderPicture(int holderNumber) const override;
    std::optional<std::string> showPicture(const FramePicture& picture) override;
    void showPointerMode(PointerMode mode) override;
    void clearWindow() override;
    InputEvents serveEvents() override;
    [[noreturn]] void end(int status, const std::string& message) override;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Draws the window at whole-number scale `scale`, its whole at `whole`,
    // with the icons for `dpi`.
    void rescale(int scale, const PixelRect& whole, UINT dpi);

    HINSTANCE instance_ = nullptr;
    HWND window_ = nullptr;
    WindowIcons icons_;
    DpiChange dpiChange_;
    WindowMove move_ = WindowMove::kOther;
    std::unique_ptr<PictureArea> picture1_;
    std::vector<std::unique_ptr<DibPicture>> holders_;  // in frame order
};

}  // namespace vorn::win32
