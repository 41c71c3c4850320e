#pragma once

#include "app/shared/window_size.hpp"

// How big the window is drawn on a screen of a given pixel density, the same
// for every desktop windowing layer. The window is scaled by one whole number
// s: every frame pixel becomes an s × s block, and the border and the client
// area grow with it. A fractional scale would make frame pixels one or two
// screen pixels wide, or blur them; a crisp window a little smaller than the
// desktop asks for reads better than a blurred one.

namespace vorn {

// The density at which the desktop draws everything at its own size (100 %).
inline constexpr int kReferenceDpi = 96;

// The whole number nearest the display scale dpi / 96, the lower one
// preferred: 1 below 1.75, 2 from 1.75 up to 2.75, and so on. Never below 1.
int preferredWindowScale(int dpi);

// The largest scale no greater than `preferred` at which the whole window
// fits `workArea`: the client area at that scale plus `frame`, the size the
// window system's border and caption add. 1 when even that does not fit.
int fittingWindowScale(int preferred, PixelSize workArea, PixelSize frame);

// preferredWindowScale, then fittingWindowScale: the scale the window takes
// on a screen of `dpi` with `workArea` free for windows.
int windowScale(int dpi, PixelSize workArea, PixelSize frame);

// The window's parts at scale s, in device pixels. Coordinates of the picture
// area's parts are taken from its outer top-left corner, which is the client
// area's.
struct ScaledWindow {
    int scale = 1;

    PixelSize client() const { return {kClientWidth * scale, kClientHeight * scale}; }
    PixelSize pictureArea() const { return {kPictureAreaWidth * scale, kPictureAreaHeight * scale}; }
    int border() const { return kPictureAreaBorder * scale; }
    // The inner (drawing) area: the picture area less its border.
    PixelRect innerArea() const;
    // How much of a frame of `framePixels` the inner area shows, in frame
    // pixels, from the frame's top-left corner.
    PixelSize visibleFrame(PixelSize framePixels) const;
    // Where that visible part is drawn, each frame pixel an s × s block.
    PixelRect visibleFrameArea(PixelSize framePixels) const;
};

// Where the whole window of size `whole` goes on `workArea`: centred, and a
// window larger than the work area keeps its top-left corner on it, so that
// its caption can still be reached.
PixelPoint centredPlacement(PixelRect workArea, PixelSize whole);

// A window's scale and where the whole of it, frame included, stands.
struct WindowPlacement {
    int scale = 1;
    PixelRect whole;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// The window at start on a screen of `dpi`: scaled to fit `workArea` with a
// frame of `frame` pixels, and centred on it.
WindowPlacement centredWindow(int dpi, PixelRect workArea, PixelSize frame);

// The window after it moved to a screen of another density: scaled anew for
// that screen, its top-left corner at `topLeft` (where the window system
// suggests), moved only as far as keeps it on `workArea` (its top-left corner,
// if it is larger).
WindowPlacement rescaledWindow(int dpi, PixelRect workArea, PixelSize frame, PixelPoint topLeft);

}  // namespace vorn
