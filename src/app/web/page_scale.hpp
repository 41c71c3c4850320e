#pragma once

// How big the page draws the window: the desktop's display-scale rule
// (app/shared/display_scale.hpp) applied to the browser's device pixels.
// Free of emscripten, so that it is tested on every platform.

namespace vorn::web {

// The window's own border on the page, in pixels at scale 1 on each side: a
// frame that, unlike a desktop's, grows with the window.
inline constexpr int kPageWindowBorder = 1;

// Device pixels per frame pixel: the whole number that preferredWindowScale
// gives for `devicePixelRatio` (as for a desktop of 96 × that dpi), lowered
// to the largest at which the whole window, its border included, fits
// `viewportWidth` device pixels across. Never below 1, however narrow the
// viewport; a ratio that is no positive number counts as 1.
int pageWindowScale(double devicePixelRatio, int viewportWidth);

}  // namespace vorn::web
