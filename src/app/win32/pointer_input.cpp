#include "app/win32/pointer_input.hpp"

#include "app/window_geometry.hpp"

namespace vorn::win32 {

std::int16_t buttonCode(unsigned keyFlags) {
    std::int16_t code = 0;
    if (keyFlags & kLeftButtonFlag) code |= 1;
    if (keyFlags & kRightButtonFlag) code |= 2;
    if (keyFlags & kMiddleButtonFlag) code |= 4;
    return code;
}

std::int16_t shiftCode(unsigned keyFlags, bool altDown) {
    std::int16_t code = 0;
    if (keyFlags & kShiftFlag) code |= 1;
    if (keyFlags & kControlFlag) code |= 2;
    if (altDown) code |= 4;
    return code;
}

namespace {

bool onInnerArea(int column, int row) {
    return column >= 0 && column < kInnerAreaWidthPixels && row >= 0 && row < kInnerAreaHeightPixels;
}

}  // namespace

bool onPictureArea(int column, int row) {
    // Client coordinates start inside the edge, so the edge lies at negative
    // columns and rows and past the inner area's far sides.
    return column >= -kPictureAreaBorder && column < kPictureAreaWidth - kPictureAreaBorder &&
           row >= -kPictureAreaBorder && row < kPictureAreaHeight - kPictureAreaBorder;
}

std::optional<PointerPosition> reportedPointerPosition(int column, int row) {
    if (onPictureArea(column, row) && !onInnerArea(column, row)) {
        return std::nullopt;
    }
    return pointerPositionInUnits(column, row);
}

bool ClickTracker::leftReleased(bool overPictureArea) {
    const bool completes = pressed_ && overPictureArea;
    pressed_ = false;
    return completes;
}

bool MoveFilter::isMove(int column, int row) {
    const std::pair<int, int> position{column, row};
    if (last_ == position) {
        return false;
    }
    last_ = position;
    return true;
}

}  // namespace vorn::win32
