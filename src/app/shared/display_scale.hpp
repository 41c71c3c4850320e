#pragma once

#include <optional>

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

// Whether the operator is moving the window by its caption: the window
// system's move loop then keeps the window under the pointer, and any other
// move would make it jump away and be snapped back.
enum class WindowMove { kCaptionDrag, kOther };

// The window's answer to a change of density: a move to a monitor of another
// density, or a new scale setting of its own. The window system first asks
// the size the window will take at the new density (sizeAt), then suggests a
// rectangle of that size and has the window take it (placementAt). The two
// answers must agree, or the size applied is not the one the system asked
// about, so placementAt keeps the scale sizeAt gave for the same density even
// where its own work area would fit another.
class DpiChange {
public:
    // The whole window's size at `dpi`, scaled to fit `workArea` with a frame
    // of `frame` pixels.
    PixelSize sizeAt(int dpi, PixelRect workArea, PixelSize frame);

    // The window's scale and place at `dpi`: the scale sizeAt last gave for
    // `dpi`, else the one that fits `workArea`. Inside a caption drag its
    // top-left corner is `suggestedTopLeft` as it is; otherwise it is moved
    // only as far as keeps the window on `workArea` (its top-left corner, if
    // it is larger). Forgets what sizeAt gave: the change is complete.
    WindowPlacement placementAt(int dpi, PixelRect workArea, PixelSize frame, PixelPoint suggestedTopLeft,
                                WindowMove move);

private:
    struct Answer {
        int dpi = 0;
        int scale = 0;
    };
    std::optional<Answer> answered_;
};

}  // namespace vorn
