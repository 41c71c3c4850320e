#pragma once

namespace vorn {

// Sizes, points and rectangles in whole pixels: of a screen, or of the window
// at its scale.
struct PixelSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The sizes of the window and of its picture area, in pixels at 100 %, the
// same in every windowing layer.

inline constexpr int kClientWidth = 583;
inline constexpr int kClientHeight = 553;

// Picture1: docked to the top of the client area and taller than it, so its
// lower part (bottom border included) is never seen.
inline constexpr int kPictureAreaWidth = kClientWidth;
inline constexpr int kPictureAreaHeight = 768;
inline constexpr int kPictureAreaBorder = 2;

// The inner (drawing) area: the picture area less its border on each side.
inline constexpr int kInnerAreaWidthPixels = kPictureAreaWidth - 2 * kPictureAreaBorder;
inline constexpr int kInnerAreaHeightPixels = kPictureAreaHeight - 2 * kPictureAreaBorder;
// Of the inner area's rows, those above the client area's lower edge: the
// rest lie below the window and are never seen.
inline constexpr int kVisibleInnerRows = kClientHeight - kPictureAreaBorder;

}  // namespace vorn
