#include "app/win32/picture_area.hpp"

#include <windowsx.h>

#include "app/vorn_form.hpp"
#include "app/win32/win32_error.hpp"
#include "app/window_geometry.hpp"

namespace vorn::win32 {

static_assert(kLeftButtonFlag == MK_LBUTTON && kRightButtonFlag == MK_RBUTTON && kMiddleButtonFlag == MK_MBUTTON &&
              kShiftFlag == MK_SHIFT && kControlFlag == MK_CONTROL);

namespace {

constexpr const wchar_t* kClassName = L"VORN.Picture1";
constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

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

PictureArea::PictureArea(HWND parent, HINSTANCE instance) {
    // The window is sized with its edge: the client (inner) area is
    // 2 px smaller on every side.
    CreateWindowExW(WS_EX_CLIENTEDGE, kClassName, L"Picture1", WS_CHILD | WS_VISIBLE, 0, 0, kPictureAreaWidth,
                    kPictureAreaHeight, parent, nullptr, instance, this);
    if (window_ == nullptr) {
        throwLastError("cannot make the picture area");
    }
    // The move Windows sends when the window appears under a pointer that
    // has not moved is not the operator's.
    POINT at{};
    if (GetCursorPos(&at) && ScreenToClient(window_, &at)) {
        moves_.isMove(at.x, at.y);
    }
}

bool PictureArea::show(const DibPicture& picture) {
    picture_ = &picture;
    const HDC dc = GetDC(window_);
    if (dc == nullptr) {
        return false;
    }
    const bool drawn = drawPicture(dc, picture);
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
        case WM_CHAR:
            if (form_ != nullptr) form_->Picture1_KeyPress(static_cast<std::int16_t>(wParam));
            return 0;
        case WM_MOUSEMOVE:
            pointerMoved(wParam, lParam);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            buttonPressed(message);
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            buttonReleased(message, wParam, lParam);
            return 0;
        case WM_LBUTTONDBLCLK:
            SetCapture(window_);
            clicks_.leftDoubleClicked();
            if (form_ != nullptr) form_->Picture1_DblClick();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void PictureArea::paint() {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(window_, &paint);
    if (picture_ != nullptr) {
        drawPicture(dc, *picture_);
        ExcludeClipRect(dc, 0, 0, picture_->width(), picture_->height());
    }
    // The face colour shows wherever the frame does not reach (one row at
    // the foot of the window, and all of it before the first frame).
    RECT inner{};
    GetClientRect(window_, &inner);
    FillRect(dc, &inner, GetSysColorBrush(COLOR_BTNFACE));
    EndPaint(window_, &paint);
}

void PictureArea::pointerMoved(WPARAM keyFlags, LPARAM position) {
    // Signed: while a drag holds the pointer, it reports positions left of
    // and above the area as negative.
    const int column = GET_X_LPARAM(position);
    const int row = GET_Y_LPARAM(position);
    if (!moves_.isMove(column, row)) {
        return;
    }
    const auto units = reportedPointerPosition(column, row);
    if (!units || form_ == nullptr) {
        return;
    }
    const bool altDown = GetKeyState(VK_MENU) < 0;
    form_->Picture1_MouseMove(buttonCode(static_cast<unsigned>(keyFlags)),
                              shiftCode(static_cast<unsigned>(keyFlags), altDown), units->x, units->y);
}

void PictureArea::buttonPressed(UINT message) {
    // Holding a button keeps the pointer's moves coming while it is dragged
    // off the area, as a press grabs the pointer on X11.
    SetCapture(window_);
    if (message == WM_LBUTTONDOWN) {
        clicks_.leftPressed();
    }
}

void PictureArea::buttonReleased(UINT message, WPARAM keyFlags, LPARAM position) {
    if ((keyFlags & kAnyButton) == 0) {
        ReleaseCapture();
    }
    if (message != WM_LBUTTONUP) {
        return;
    }
    const bool over = onPictureArea(GET_X_LPARAM(position), GET_Y_LPARAM(position));
    if (clicks_.leftReleased(over) && form_ != nullptr) {
        form_->Picture1_Click();
    }
}

}  // namespace vorn::win32
