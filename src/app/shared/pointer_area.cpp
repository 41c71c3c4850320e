#include "app/shared/pointer_area.hpp"

#include <algorithm>

#include "app/shared/window_size.hpp"

namespace vorn {

namespace {

bool onPictureArea(int column, int row) {
    return column >= -kPictureAreaBorder && column < kPictureAreaWidth - kPictureAreaBorder &&
           row >= -kPictureAreaBorder && row < kPictureAreaHeight - kPictureAreaBorder;
}

// x / divisor rounded towards minus infinity; `divisor` is positive.
int floorDivide(int x, int divisor) { return x >= 0 ? x / divisor : -((-x + divisor - 1) / divisor); }

}  // namespace

std::pair<int, int> innerPixelUnder(int x, int y, int scale) {
    scale = std::max(scale, 1);
    return {floorDivide(x, scale) - kPictureAreaBorder, floorDivide(y, scale) - kPictureAreaBorder};
}

bool onInnerArea(int column, int row) {
    return column >= 0 && column < kInnerAreaWidthPixels && row >= 0 && row < kInnerAreaHeightPixels;
}

bool onVisibleInnerArea(int column, int row) { return onInnerArea(column, row) && row < kVisibleInnerRows; }

std::optional<PointerPosition> reportedPointerPosition(int column, int row) {
    if (onPictureArea(column, row) && !onInnerArea(column, row)) {
        return std::nullopt;
    }
    return pointerPositionInUnits(column, row);
}

bool MoveFilter::isMove(int column, int row) {
    const std::pair<int, int> position{column, row};
    if (last_ == position) {
        return false;
    }
    last_ = position;
    return true;
}

}  // namespace vorn
