#include "app/win32/win32_window.hpp"

#include <shellscalingapi.h>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/shared/display_scale.hpp"
#include "app/win32/starting_cursor.hpp"
#include "app/win32/win32_error.hpp"
#include "app/shared/caption.hpp"
#include "app/shared/window_size.hpp"
#include "frames/frame_records.hpp"
#include "frames/frame_set.hpp"

namespace vorn::win32 {

namespace {

constexpr const wchar_t* kClassName = L"VORN";
// A fixed single border with a caption, the system menu and minimise only:
// the operator can neither resize nor maximise the window.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExtendedStyle = 0;

// The resource script's icon group.
constexpr int kIconResource = 1;

void registerWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassExW(&windowClass) == 0) {
        throwLastError("cannot register the window class");
    }
}

PixelRect toPixelRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

// What the border and caption add to the client area at `dpi`.
std::optional<PixelSize> frameSizeAt(UINT dpi) {
    RECT frame{0, 0, 0, 0};
    if (!AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExtendedStyle, dpi)) {
        return std::nullopt;
    }
    return PixelSize{frame.right - frame.left, frame.bottom - frame.top};
}

std::optional<PixelRect> workAreaOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(monitor, &info)) {
        return std::nullopt;
    }
    return toPixelRect(info.rcWork);
}

// The work area of the monitor that holds most of `window`, and what the
// border and caption add at `dpi`: what a density change is fitted to. Both
// messages of one change read the same monitor, since the window does not
// move between them. None if either cannot be read.
struct DpiChangeArea {
    PixelRect workArea;
    PixelSize frame;
};

std::optional<DpiChangeArea> dpiChangeArea(HWND window, UINT dpi) {
    const auto work = workAreaOf(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
    const auto frame = frameSizeAt(dpi);
    if (!work || !frame) {
        return std::nullopt;
    }
    return DpiChangeArea{*work, *frame};
}

// The window at start: scaled for the monitor that holds the pointer and
// centred on its work area (the monitor less the taskbar).
WindowPlacement startingPlacement() {
    POINT pointer{};
    GetCursorPos(&pointer);
    const HMONITOR monitor = MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY);
    UINT dpiX = kReferenceDpi;
    UINT dpiY = kReferenceDpi;
    if (FAILED(GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpiX, &dpiY))) {
        dpiX = kReferenceDpi;
    }
    const auto work = workAreaOf(monitor);
    if (!work) {
        throwLastError("cannot read the monitor's work area");
    }
    const auto frame = frameSizeAt(dpiX);
    if (!frame) {
        throwLastError("cannot size the window");
    }
    return centredWindow(static_cast<int>(dpiX), *work, *frame);
}

}  // namespace

Win32Window::Win32Window(HINSTANCE instance, const FrameSet& frameSet) : instance_(instance) {
    registerWindowClass(instance, &Win32Window::procedure);
    PictureArea::registerClass(instance);

    const WindowPlacement placed = startingPlacement();
    const PixelRect& whole = placed.whole;
    CreateWindowExW(kExtendedStyle, kClassName, toWide(kCaption).c_str(), kStyle, whole.left, whole.top, whole.width,
                    whole.height, nullptr, nullptr, instance, this);
    if (window_ == nullptr) {
        throwLastError("cannot make the window");
    }
    picture1_ = std::make_unique<PictureArea>(window_, instance, placed.scale);
    icons_.apply(window_, instance, kIconResource, GetDpiForWindow(window_));

    holders_.reserve(kFrameCount);
    for (int holderNumber = 1; holderNumber <= kFrameCount; ++holderNumber) {
        holders_.push_back(std::make_unique<DibPicture>(frameSet.holderPicture(holderNumber)));
    }
}

void Win32Window::show(int showCommand) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    // Keys must reach Picture1 without a click.
    SetForegroundWindow(window_);
    SetFocus(picture1_->handle());
    // The program only ever peeks at its messages.
    endStartingCursor(window_);
}

void Win32Window::rescale(int scale, const PixelRect& whole, UINT dpi) {
    SetWindowPos(window_, nullptr, whole.left, whole.top, whole.width, whole.height, SWP_NOZORDER | SWP_NOACTIVATE);
    picture1_->setScale(scale);
    icons_.apply(window_, instance_, kIconResource, dpi);
}

const FramePicture* Win32Window::holderPicture(int holderNumber) const {
    return holders_.at(holderSlot(holderNumber)).get();
}

std::optional<std::string> Win32Window::showPicture(const FramePicture& picture) {
    // Every picture the form holds came from holderPicture().
    if (!picture1_->show(static_cast<const DibPicture&>(picture))) {
        return "drawing a frame failed (error " + std::to_string(GetLastError()) + ")";
    }
    return std::nullopt;
}

InputEvents Win32Window::serveEvents() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            picture1_->add(InputEvent::of(InputEvent::Kind::kCloseRequested));
            break;
        }
        TranslateMessage(&message);  // turns key presses into WM_CHAR
        DispatchMessageW(&message);
    }
    return picture1_->takeEvents();
}

void Win32Window::clearWindow() {
    // The window never draws on its own surface (Picture1 covers it), so
    // there is nothing to erase and nothing visible changes.
}

void Win32Window::showPointerMode(PointerMode mode) { picture1_->setPointerMode(mode); }

void Win32Window::end(int status, const std::string& message) {
    // From inside event service: the loop is abandoned where it stands, and
    // nothing is saved, so nothing needs tearing down.
    if (status != 0) {
        failWith(message, static_cast<unsigned>(status));
    }
    std::fflush(nullptr);
    ExitProcess(EXIT_SUCCESS);
}

LRESULT CALLBACK Win32Window::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_SETFOCUS:
            // Activating the window focuses it; the keys belong to Picture1.
            if (self != nullptr && self->picture1_) SetFocus(self->picture1_->handle());
            return 0;
        case WM_SYSCOMMAND:
            // A lone Alt or F10 would put the window into menu mode, where
            // the next key opens the system menu instead of reaching
            // Picture1. Alt with a key (Alt+Space, Alt+F4) still works.
            if ((wParam & 0xFFF0) == SC_KEYMENU && lParam == 0) {
                return 0;
            }
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_ENTERSIZEMOVE:
        case WM_EXITSIZEMOVE:
            // The move loop of a caption drag (the window cannot be resized).
            if (self != nullptr) {
                self->move_ = message == WM_ENTERSIZEMOVE ? WindowMove::kCaptionDrag : WindowMove::kOther;
            }
            return 0;
        case WM_GETDPISCALEDSIZE:
            // Moving to a monitor of another density: the size there is the
            // window's own whole-number one, not the system's proportional
            // guess.
            if (self != nullptr) {
                const auto dpi = static_cast<UINT>(wParam);
                if (const auto area = dpiChangeArea(window, dpi)) {
                    const PixelSize size = self->dpiChange_.sizeAt(static_cast<int>(dpi), area->workArea, area->frame);
                    *reinterpret_cast<SIZE*>(lParam) = {size.width, size.height};
                    return TRUE;
                }
            }
            return FALSE;
        case WM_DPICHANGED:
            if (self != nullptr) {
                const UINT dpi = HIWORD(wParam);
                const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
                if (const auto area = dpiChangeArea(window, dpi)) {
                    const WindowPlacement there = self->dpiChange_.placementAt(
                        static_cast<int>(dpi), area->workArea, area->frame, {suggested.left, suggested.top}, self->move_);
                    self->rescale(there.scale, there.whole, dpi);
                }
            }
            return 0;
        case WM_SIZE:
            // Restored from the taskbar: the frame the form is on now shows
            // at once, not at the next frame's turn (nothing was drawn while
            // minimised).
            if (wParam == SIZE_RESTORED && self != nullptr && self->picture1_) {
                self->picture1_->redrawNow();
            }
            return 0;
        case WM_CLOSE:
            // The form decides what closing means, at its next event service.
            if (self != nullptr && self->picture1_) self->picture1_->add(InputEvent::of(InputEvent::Kind::kCloseRequested));
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace vorn::win32
