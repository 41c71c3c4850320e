#pragma once

#include <QByteArray>
#include <QImage>
#include <QMargins>
#include <QRect>
#include <QString>
#include <chrono>
#include <optional>

struct _XDisplay;

namespace vorn::testing {

// An X window id, kept free of Xlib's headers, which clash with Qt's.
using Window = unsigned long;

// A client connection to the X server the program under test draws on: finds
// its window, reads real pixels back and sends real input through XTest.
class XDisplay {
public:
    XDisplay();
    ~XDisplay();
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    // The top-level window whose name is `caption`, waiting up to `timeout`.
    // The viewable top-level window with this caption, framed or not; with
    // `ownerPid`, only one that process made (by its _NET_WM_PID), so that a
    // window of a program that was just ended is never taken for it.
    std::optional<Window> findWindow(const QString& caption, std::chrono::milliseconds timeout,
                                     std::optional<long> ownerPid = std::nullopt);
    // The process that made `window`, as it says in _NET_WM_PID.
    std::optional<long> ownerPid(Window window);
    QString windowName(Window window);
    // The window's client area in root coordinates.
    QRect clientArea(Window window);
    // The frame a window manager put round `window` (left, top, right,
    // bottom); none without a window manager.
    QMargins frameExtents(Window window);
    QRect screenArea();
    // Tells the programs started from now on that the screen has `dpi` dots
    // per inch, as a desktop's settings do: Xft.dpi in the server's resource
    // database.
    void setDotsPerInch(int dpi);
    QImage grab(const QRect& rootArea);
    // The window that has the keyboard focus.
    Window focusWindow();

    void typeKeysym(unsigned long keysym, bool withShift = false);
    // Types `keysym` while the modifier key `modifier` (XK_Alt_L, say) is held.
    void typeWithModifier(unsigned long modifier, unsigned long keysym);
    void movePointer(int rootX, int rootY);
    void pressButton(unsigned button);
    void releaseButton(unsigned button);
    void click(unsigned button = 1);
    // Two clicks sent as one batch, so that the server stamps them a moment
    // apart however late this process is scheduled: a double-click under
    // any load, never two separate clicks.
    void doubleClick(unsigned button = 1);
    void flush();

    // The pointer's current shape as the server shows it, as raw ARGB bytes.
    QByteArray cursorShape();

    // Asks the window to close, as a window manager's close button does.
    void sendCloseRequest(Window window);

    // Counts the drawing operations on `window` over `period`, through the
    // DAMAGE extension: one per frame the program puts on screen.
    int countDamage(Window window, std::chrono::milliseconds period);

private:
    std::optional<Window> findViewable(Window parent, const QString& caption, std::optional<long> ownerPid,
                                       int depth);

    _XDisplay* display_;
};

}  // namespace vorn::testing
