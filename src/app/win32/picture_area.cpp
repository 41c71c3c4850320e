#include "app/win32/picture_area.hpp"

#include <imm.h>
#include <windowsx.h>

#include <utility>

#include "app/win32/win32_error.hpp"
#include "app/shared/sunken_edge.hpp"

namespace vorn::win32 {

static_assert(kKillFocusMessage == WM_KILLFOCUS && kCancelModeMessage == WM_CANCELMODE && kCharMessage == WM_CHAR &&
              kSysCharMessage == WM_SYSCHAR && kMouseMoveMessage == WM_MOUSEMOVE &&
              kLeftButtonDownMessage == WM_LBUTTONDOWN && kLeftButtonUpMessage == WM_LBUTTONUP &&
              kLeftButtonDoubleClickMessage == WM_LBUTTONDBLCLK && kRightButtonDownMessage == WM_RBUTTONDOWN &&
              kRightButtonUpMessage == WM_RBUTTONUP && kRightButtonDoubleClickMessage == WM_RBUTTONDBLCLK &&
              kMiddleButtonDownMessage == WM_MBUTTONDOWN && kMiddleButtonUpMessage == WM_MBUTTONUP &&
              kMiddleButtonDoubleClickMessage == WM_MBUTTONDBLCLK && kCaptureChangedMessage == WM_CAPTURECHANGED);

namespace {

constexpr const wchar_t* kClassName = L"VORN.Picture1";
constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

int systemColourOf(EdgeShade shade) {
    switch (shade) {
        case EdgeShade::kShadow: return COLOR_BTNSHADOW;
        case EdgeShade::kHighlight: return COLOR_BTNHIGHLIGHT;
        case EdgeShade::kDarkShadow: return COLOR_3DDKSHADOW;
        case EdgeShade::kLight: return COLOR_3DLIGHT;
    }
    return COLOR_BTNFACE;
}

RECT toRect(const PixelRect& r) { return {r.left, r.top, r.left + r.width, r.top + r.height}; }

}  // namespace

void PictureArea::registerClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    // Double-clicks arrive as messages of their own only with CS_DBLCLKS.
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &PictureArea::procedure;
    windowClass.hInstance = instance;
    // No class cursor and no background brush: WM_SETCURSOR sets the mode's
    // cursor, and WM_PAINT covers every pixel.
    windowClass.lpszClassName = kClassName;
    if (RegisterClassExW(&windowClass) == 0) {
        throwLastError("cannot register the picture area's window class");
    }
}

PictureArea::PictureArea(HWND parent, HINSTANCE instance, int scale) : scaled_{scale} {
    // The edge is drawn in the client area, not left to WS_EX_CLIENTEDGE,
    // whose width follows the system's metrics rather than the window's
    // whole-number scale.
    const PixelSize size = scaled_.pictureArea();
    CreateWindowExW(0, kClassName, L"Picture1", WS_CHILD | WS_VISIBLE, 0, 0, size.width, size.height, parent, nullptr,
                    instance, this);
    if (window_ == nullptr) {
        throwLastError("cannot make the picture area");
    }
    // Keys arrive as the characters they type, also while an input method
    // for Chinese, Japanese or Korean is active: the area takes no
    // composition, which would swallow them.
    ImmAssociateContext(window_, nullptr);
    notePointerRest();
}

void PictureArea::setScale(int scale) {
    scaled_ = ScaledWindow{scale};
    const PixelSize size = scaled_.pictureArea();
    SetWindowPos(window_, nullptr, 0, 0, size.width, size.height, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window_, nullptr, FALSE);
    notePointerRest();
}

void PictureArea::notePointerRest() {
    // The move Windows sends when the area appears, or grows, under a
    // pointer that has not moved is not the operator's.
    POINT at{};
    if (GetCursorPos(&at) && ScreenToClient(window_, &at)) {
        events_.push_back(InputEvent::pointer(InputEvent::Kind::kPointerRests, {at.x, at.y}, scaled_.scale));
    }
}

InputEvents PictureArea::takeEvents() { return std::exchange(events_, {}); }

bool PictureArea::show(const DibPicture& picture) {
    picture_ = &picture;
    // Minimised, nobody sees the window: the form's passes go on, and the
    // processor is not woken to draw each frame. Restoring redraws it.
    if (IsIconic(GetAncestor(window_, GA_ROOT))) {
        return true;
    }
    const HDC dc = GetDC(window_);
    if (dc == nullptr) {
        return false;
    }
    const bool drawn = drawPicture(dc, picture, scaled_);
    ReleaseDC(window_, dc);
    // Batched GDI calls would otherwise reach the screen only at the next
    // message wait, and the loop waits for none: it sleeps, then peeks. Wine
    // in particular copies a window's drawing to the X server only when the
    // program waits for messages; a wait of no time lets it do so now. On
    // Windows the wait returns at once.
    GdiFlush();
    MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    return drawn;
}

void PictureArea::redrawNow() { RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

void PictureArea::setPointerMode(PointerMode mode) {
    mode_ = mode;
    // Like a cursor set on a widget, the new shape shows at once when the
    // pointer is over the area, not only at its next move.
    POINT at{};
    if (GetCursorPos(&at) && WindowFromPoint(at) == window_) {
        setModeCursor();
    }
}

void PictureArea::setModeCursor() const {
    const auto shape = mode_ == PointerMode::kSetsSpeed ? IDC_ARROW : IDC_SIZENS;
    SetCursor(LoadCursorW(nullptr, shape));
}

LRESULT CALLBACK PictureArea::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* area = static_cast<PictureArea*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        area->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(area));
    }
    auto* area = reinterpret_cast<PictureArea*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (area == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return area->handleMessage(message, wParam, lParam);
}

LRESULT PictureArea::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT fills everything
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                setModeCursor();
                return TRUE;
            }
            break;
        default:
            if (translate(message, wParam, lParam)) {
                followCapture(message, wParam);
                return 0;
            }
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

bool PictureArea::translate(UINT message, WPARAM wParam, LPARAM lParam) {
    const PictureMessage m{.message = message,
                           .wParam = wParam,
                           .lParam = lParam,
                           .scale = scaled_.scale,
                           .windowsKeyDown = GetKeyState(VK_LWIN) < 0 || GetKeyState(VK_RWIN) < 0,
                           .self = reinterpret_cast<std::int64_t>(window_)};
    return translatePictureMessage(m, events_);
}

void PictureArea::followCapture(UINT message, WPARAM keyFlags) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            // Taken once for a chord: taking it again would tell the area
            // it had lost it.
            if (GetCapture() != window_) SetCapture(window_);
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            // After the release was judged: letting the capture go sends
            // WM_CAPTURECHANGED, which forgets any press still open.
            if ((keyFlags & kAnyButton) == 0) ReleaseCapture();
            break;
        default:
            break;
    }
}

void PictureArea::paint() {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(window_, &paint);
    paintEdge(dc);
    const RECT inner = toRect(scaled_.innerArea());
    if (picture_ != nullptr) {
        drawPicture(dc, *picture_, scaled_);
        const RECT frame = toRect(scaled_.visibleFrameArea({picture_->width(), picture_->height()}));
        ExcludeClipRect(dc, frame.left, frame.top, frame.right, frame.bottom);
    }
    // The face colour shows wherever the frame does not reach (one row at
    // the foot of the window, and all of it before the first frame).
    FillRect(dc, &inner, GetSysColorBrush(COLOR_BTNFACE));
    EndPaint(window_, &paint);
}

void PictureArea::paintEdge(HDC dc) const {
    for (const EdgeBand& band : sunkenEdgeBands(scaled_)) {
        const RECT area = toRect(band.area);
        FillRect(dc, &area, GetSysColorBrush(systemColourOf(band.shade)));
    }
}

}  // namespace vorn::win32
