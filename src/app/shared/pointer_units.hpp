#pragma once

#include "app/shared/window_size.hpp"

namespace vorn {

// The picture area's own scale: 14.882789 units across the inner area's
// columns, 25.6 pixels to a unit down.
inline constexpr double kInnerAreaWidthUnits = 14.88278865814209;
inline constexpr double kPixelsPerUnitDown = 25.6;

struct PointerPosition {
    float x = 0;
    float y = 0;
    friend bool operator==(const PointerPosition&, const PointerPosition&) = default;
};

// The position of inner-area pixel (column, row) in the picture area's units,
// each rounded once to single precision. Columns and rows outside the inner
// area (a drag past its edge) convert the same way.
inline PointerPosition pointerPositionInUnits(int column, int row) {
    return {static_cast<float>(column * kInnerAreaWidthUnits / kInnerAreaWidthPixels),
            static_cast<float>(row / kPixelsPerUnitDown)};
}

}  // namespace vorn
