#include "app/win32/win32_window.hpp"

#include <cstdio>
#include <cstdlib>

#include "app/win32/win32_error.hpp"
#include "app/window_geometry.hpp"
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

// The whole window, frame included, whose client area is the form's size,
// centred on the work area (the screen less the taskbar).
RECT centredWindowRect() {
    RECT frame{0, 0, kClientWidth, kClientHeight};
    if (!AdjustWindowRectEx(&frame, kStyle, FALSE, kExtendedStyle)) {
        throwLastError("cannot size the window");
    }
    RECT work{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
        throwLastError("cannot read the work area");
    }
    const LONG width = frame.right - frame.left;
    const LONG height = frame.bottom - frame.top;
    const LONG left = work.left + (work.right - work.left - width) / 2;
    const LONG top = work.top + (work.bottom - work.top - height) / 2;
    return {left, top, left + width, top + height};
}

}  // namespace

Win32Window::Win32Window(HINSTANCE instance, const FrameSet& frameSet) {
    registerWindowClass(instance, &Win32Window::procedure);
    PictureArea::registerClass(instance);

    const RECT placed = centredWindowRect();
    CreateWindowExW(kExtendedStyle, kClassName, toWide(kCaption).c_str(), kStyle, placed.left, placed.top,
                    placed.right - placed.left, placed.bottom - placed.top, nullptr, nullptr, instance, this);
    if (window_ == nullptr) {
        throwLastError("cannot make the window");
    }
    picture1_ = std::make_unique<PictureArea>(window_, instance);

    holders_.reserve(kHolderCount);
    for (int holderNumber = 1; holderNumber <= static_cast<int>(kHolderCount); ++holderNumber) {
        holders_.push_back(std::make_unique<DibPicture>(frameSet.holderPicture(holderNumber)));
    }
}

void Win32Window::show(int showCommand) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    // Keys must reach Picture1 without a click.
    SetForegroundWindow(window_);
    SetFocus(picture1_->handle());
}

const FramePicture* Win32Window::holderPicture(int holderNumber) const {
    if (holderNumber < 1 || holderNumber > static_cast<int>(holders_.size())) {
        return nullptr;
    }
    return holders_[static_cast<std::size_t>(holderNumber - 1)].get();
}

void Win32Window::showPicture(const FramePicture& picture) {
    // Every picture the form holds came from holderPicture().
    if (!picture1_->show(static_cast<const DibPicture&>(picture))) {
        failFrame("drawing a frame failed (error " + std::to_string(GetLastError()) + ")");
    }
}

void Win32Window::serveEvents() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit();
        }
        TranslateMessage(&message);  // turns key presses into WM_CHAR
        DispatchMessageW(&message);
    }
}

void Win32Window::clearWindow() {
    // The window never draws on its own surface (Picture1 covers it), so
    // there is nothing to erase and nothing visible changes.
}

void Win32Window::quit() {
    // Ends the program from inside event service: the loop is abandoned where
    // it stands and no further frame is shown. Nothing is saved, so nothing
    // needs tearing down.
    std::fflush(nullptr);
    ExitProcess(EXIT_SUCCESS);
}

void Win32Window::showPointerMode(PointerMode mode) { picture1_->setPointerMode(mode); }

void Win32Window::failFrame(const std::string& what) {
    failWith("VORN cannot show its frames: " + what + ".", EXIT_FAILURE);
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
        case WM_CLOSE:
            // The close button quits like Escape.
            if (self != nullptr) {
                self->clearWindow();
                self->quit();
            }
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace vorn::win32
