#include "x_display.hpp"

// Xlib after Qt: its macros (Status, Bool, ...) break Qt's headers.
#include <X11/Xlib.h>
#include <X11/XKBlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <X11/Xatom.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/Xfixes.h>
#include <X11/extensions/XTest.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace vorn::testing {

namespace {

// Windows come and go while the tests look (a window manager's frames, the
// window of the program that just ended), so a window that vanished between
// listing it and asking about it is no fault. Any other error still ends the
// test run, as Xlib's own handler would.
int ignoreVanishedWindows(_XDisplay* display, XErrorEvent* error) {
    if (error->error_code == BadWindow || error->error_code == BadDrawable) return 0;
    char text[256] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "X error: %s (request %d)\n", text, error->request_code);
    std::abort();
}

}  // namespace

XDisplay::XDisplay() : display_(XOpenDisplay(nullptr)) {
    if (display_ == nullptr) {
        throw std::runtime_error("cannot open the X display named by DISPLAY");
    }
    XSetErrorHandler(ignoreVanishedWindows);
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display_, &event, &error, &major, &minor)) {
        throw std::runtime_error("the X server has no XTEST extension");
    }
}

XDisplay::~XDisplay() { XCloseDisplay(display_); }

QString XDisplay::windowName(Window window) {
    XTextProperty property{};
    QString name;
    if (XGetWMName(display_, window, &property) != 0 && property.value != nullptr) {
        name = QString::fromUtf8(reinterpret_cast<const char*>(property.value),
                                 static_cast<qsizetype>(property.nitems));
        XFree(property.value);
    }
    return name;
}

std::optional<Window> XDisplay::findWindow(const QString& caption, std::chrono::milliseconds timeout,
                                           std::optional<long> ownerPid) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        if (const auto found = findViewable(DefaultRootWindow(display_), caption, ownerPid, 2)) return found;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

// A window manager puts each top-level window into a frame of its own, so
// the program's window is a child of the root, or a grandchild.
std::optional<Window> XDisplay::findViewable(Window parent, const QString& caption, std::optional<long> owner,
                                             int depth) {
    Window root = 0, parentOfParent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display_, parent, &root, &parentOfParent, &children, &count) == 0) return std::nullopt;
    std::optional<Window> found;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display_, children[i], &attributes) == 0 || attributes.map_state != IsViewable) {
            continue;
        }
        if (windowName(children[i]) == caption && (!owner || ownerPid(children[i]) == owner)) {
            found = children[i];
        } else if (depth > 1) {
            found = findViewable(children[i], caption, owner, depth - 1);
        }
    }
    if (children != nullptr) XFree(children);
    return found;
}

std::optional<long> XDisplay::ownerPid(Window window) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    std::optional<long> pid;
    const Atom property = XInternAtom(display_, "_NET_WM_PID", False);
    if (XGetWindowProperty(display_, window, property, 0, 1, False, XA_CARDINAL, &type, &format, &count, &remaining,
                           &data) == Success &&
        data != nullptr && format == 32 && count == 1) {
        pid = *reinterpret_cast<const long*>(data);
    }
    if (data != nullptr) XFree(data);
    return pid;
}

QMargins XDisplay::frameExtents(Window window) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    QMargins extents;
    const Atom property = XInternAtom(display_, "_NET_FRAME_EXTENTS", False);
    if (XGetWindowProperty(display_, window, property, 0, 4, False, XA_CARDINAL, &type, &format, &count, &remaining,
                           &data) == Success &&
        data != nullptr && format == 32 && count == 4) {
        const auto* values = reinterpret_cast<const long*>(data);
        extents = QMargins(static_cast<int>(values[0]), static_cast<int>(values[2]), static_cast<int>(values[1]),
                           static_cast<int>(values[3]));
    }
    if (data != nullptr) XFree(data);
    return extents;
}

QRect XDisplay::clientArea(Window window) {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display_, window, &attributes);
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    return QRect(x, y, attributes.width, attributes.height);
}

QRect XDisplay::screenArea() {
    const int screen = DefaultScreen(display_);
    return QRect(0, 0, DisplayWidth(display_, screen), DisplayHeight(display_, screen));
}

void XDisplay::setDotsPerInch(int dpi) {
    const std::string resources = "Xft.dpi:\t" + std::to_string(dpi) + "\n";
    XChangeProperty(display_, DefaultRootWindow(display_), XInternAtom(display_, "RESOURCE_MANAGER", False),
                    XA_STRING, 8, PropModeReplace, reinterpret_cast<const unsigned char*>(resources.data()),
                    static_cast<int>(resources.size()));
    XSync(display_, False);
}

QImage XDisplay::grab(const QRect& area) {
    XImage* image = XGetImage(display_, DefaultRootWindow(display_), area.x(), area.y(),
                              static_cast<unsigned>(area.width()), static_cast<unsigned>(area.height()), AllPlanes,
                              ZPixmap);
    if (image == nullptr) {
        throw std::runtime_error("XGetImage failed");
    }
    QImage result(area.size(), QImage::Format_RGB32);
    for (int y = 0; y < area.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < area.width(); ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            line[x] = qRgb(static_cast<int>((pixel & image->red_mask) >> 16),
                           static_cast<int>((pixel & image->green_mask) >> 8),
                           static_cast<int>(pixel & image->blue_mask));
        }
    }
    XDestroyImage(image);
    return result;
}

Window XDisplay::focusWindow() {
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    return focus;
}

void XDisplay::typeKeysym(unsigned long keysym, bool withShift) {
    const KeyCode shift = XKeysymToKeycode(display_, XK_Shift_L);
    const KeyCode code = XKeysymToKeycode(display_, keysym);
    if (code == 0) {
        throw std::runtime_error("no key code for keysym " + std::to_string(keysym));
    }
    // A character on a key's shifted level (such as '+' or '*') needs Shift.
    withShift = withShift || XkbKeycodeToKeysym(display_, code, 0, 0) != keysym;
    if (withShift) XTestFakeKeyEvent(display_, shift, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    if (withShift) XTestFakeKeyEvent(display_, shift, False, CurrentTime);
    flush();
}

void XDisplay::typeWithModifier(unsigned long modifier, unsigned long keysym) {
    const KeyCode held = XKeysymToKeycode(display_, modifier);
    if (held == 0) {
        throw std::runtime_error("no key code for keysym " + std::to_string(modifier));
    }
    XTestFakeKeyEvent(display_, held, True, CurrentTime);
    typeKeysym(keysym);
    XTestFakeKeyEvent(display_, held, False, CurrentTime);
    flush();
}

void XDisplay::movePointer(int rootX, int rootY) {
    XTestFakeMotionEvent(display_, DefaultScreen(display_), rootX, rootY, CurrentTime);
    flush();
}

void XDisplay::pressButton(unsigned button) {
    XTestFakeButtonEvent(display_, button, True, CurrentTime);
    flush();
}

void XDisplay::releaseButton(unsigned button) {
    XTestFakeButtonEvent(display_, button, False, CurrentTime);
    flush();
}

void XDisplay::click(unsigned button) {
    pressButton(button);
    releaseButton(button);
}

void XDisplay::doubleClick(unsigned button) {
    for (int click = 0; click < 2; ++click) {
        XTestFakeButtonEvent(display_, button, True, CurrentTime);
        XTestFakeButtonEvent(display_, button, False, CurrentTime);
    }
    flush();
}

void XDisplay::flush() { XSync(display_, False); }

QByteArray XDisplay::cursorShape() {
    XFixesCursorImage* cursor = XFixesGetCursorImage(display_);
    if (cursor == nullptr) {
        throw std::runtime_error("XFixesGetCursorImage failed");
    }
    QByteArray shape;
    for (int i = 0; i < cursor->width * cursor->height; ++i) {
        const auto pixel = static_cast<quint32>(cursor->pixels[i]);
        shape.append(reinterpret_cast<const char*>(&pixel), sizeof pixel);
    }
    shape.append(QByteArray(cursor->name != nullptr ? cursor->name : "") + " " + QByteArray::number(cursor->width) +
                 "x" + QByteArray::number(cursor->height));
    XFree(cursor);
    return shape;
}

void XDisplay::sendCloseRequest(Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &event);
    flush();
}

int XDisplay::countDamage(Window window, std::chrono::milliseconds period) {
    int eventBase = 0, errorBase = 0;
    if (!XDamageQueryExtension(display_, &eventBase, &errorBase)) {
        throw std::runtime_error("the X server has no DAMAGE extension");
    }
    const Damage damage = XDamageCreate(display_, window, XDamageReportRawRectangles);
    flush();
    int count = 0;
    const auto deadline = std::chrono::steady_clock::now() + period;
    while (std::chrono::steady_clock::now() < deadline) {
        while (XPending(display_) > 0) {
            XEvent event{};
            XNextEvent(display_, &event);
            if (event.type == eventBase + XDamageNotify) ++count;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    XDamageDestroy(display_, damage);
    flush();
    return count;
}

}  // namespace vorn::testing
