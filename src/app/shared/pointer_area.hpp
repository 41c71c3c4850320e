#pragma once

#include <optional>
#include <utility>

#include "app/shared/pointer_units.hpp"

// Where over the picture area a pointer move counts, the same for every
// windowing layer. Columns and rows count from the inner area's top-left
// pixel, so the 2-pixel sunken edge lies at negative columns and rows and
// past the inner area's far sides.

namespace vorn {

// The inner-area pixel under the device position (x, y), measured from the
// picture area's outer top-left corner, on a window drawn at whole-number
// scale `scale`: the position divided by the scale, rounded down, less the
// border. So a frame pixel gives the same column and row, and the same
// units, at every scale. Positions left of or above the area (a drag) give
// negative ones.
std::pair<int, int> innerPixelUnder(int x, int y, int scale);

// Where a pointer move at (column, row) is reported, in the picture area's
// units. Moves over the edge report nothing; moves beyond the whole area,
// which arrive only while a drag holds the pointer, report as they come.
std::optional<PointerPosition> reportedPointerPosition(int column, int row);

// Whether (column, row) lies on the inner area, hidden rows included.
bool onInnerArea(int column, int row);

// Whether (column, row) lies on the part of the inner area that the window
// shows: where a press and a release make a click. The rows below the
// window's lower edge are reached only by a drag, and a release there is a
// release off the window.
bool onVisibleInnerArea(int column, int row);

// Windowing systems also send a pointer move when nothing moved (after a
// click, when a window appears under the pointer, after the page's layout
// changes); those are not moves of the operator's, and in the stepping mode
// one would step a frame. Only a changed position passes.
class MoveFilter {
public:
    bool isMove(int column, int row);

private:
    std::optional<std::pair<int, int>> last_;
};

}  // namespace vorn
