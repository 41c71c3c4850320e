#pragma once

namespace vorn {

// The picture area's inner (drawing) area, in pixels, and its own scale:
// 14.882789 units across its 579 columns, 25.6 pixels to a unit down.
inline constexpr int kInnerAreaWidthPixels = 579;
inline constexpr int kInnerAreaHeightPixels = 764;
inline constexpr double kInnerAreaWidthUnits = 14.88278865814209;
inline constexpr double kPixelsPerUnitDown = 25.6;

struct PointerPosition {
    float x = 0;
    float y = 0;
};

// The position of inner-area pixel (column, row) in the picture area's units,
// each rounded once to single precision. Columns and rows outside the inner
// area (a drag past its edge) convert the same way.
inline PointerPosition pointerPositionInUnits(int column, int row) {
    return {static_cast<float>(column * kInnerAreaWidthUnits / kInnerAreaWidthPixels),
            static_cast<float>(row / kPixelsPerUnitDown)};
}

}  // namespace vorn
