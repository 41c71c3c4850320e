#pragma once

#include <QRect>
#include <QSize>

namespace vorn {

// Qt measures a window in logical pixels, each `ratio` device pixels across
// (the device pixel ratio: 1.25 at a compositor's 125 %, say). The window is
// drawn in device pixels, each frame pixel an exact s × s block of them, so
// its parts are sized in device pixels and the logical sizes follow.

// The smallest logical size that holds `device` device pixels: its device
// size may be a pixel or two larger, never smaller.
QSize logicalSizeHolding(QSize device, qreal ratio);

// The logical rectangle that covers all of `device` (to repaint it).
QRect logicalCover(const QRect& device, qreal ratio);

// The screen density the window's ratio stands for, in dots per inch: the
// screen's logical density (X11's Xft.dpi, or 96) times the ratio.
int densityAtRatio(qreal logicalDotsPerInch, qreal ratio);

}  // namespace vorn
