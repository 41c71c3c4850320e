#pragma once

namespace vorn {

// What every windowing layer shows the same way: the caption and the sizes of
// the window and of its picture area, in pixels.

// The two gaps are runs of 13 spaces each.
inline constexpr const char* kCaption =
    "VORN and Conventional             Use: SpaceBar + - / * mouse , .             ESC to Quit";

inline constexpr int kClientWidth = 583;
inline constexpr int kClientHeight = 553;

// Picture1: docked to the top of the client area and taller than it, so its
// lower part (bottom border included) is never seen.
inline constexpr int kPictureAreaWidth = kClientWidth;
inline constexpr int kPictureAreaHeight = 768;
inline constexpr int kPictureAreaBorder = 2;

}  // namespace vorn
