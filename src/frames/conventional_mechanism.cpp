#include "frames/conventional_mechanism.hpp"

#include "frames/mechanism_geometry.hpp"
#include "frames/palette.hpp"
#include "frames/piston_rings.hpp"
#include "frames/raster.hpp"

namespace vorn {

using namespace geometry::conventional_side;

namespace {

PixelRange shifted(PixelRange rows, int by) { return {rows.first + by, rows.last + by}; }

void drawPinBoss(IndexedImage& image, int rowsDown) {
    for (int y = kBossRows.first; y <= kBossRows.last; ++y) {
        const int inset = (y - kBossRows.first) / kBossRowsPerStep;
        fillRect(image, {kBossTopColumns.first + inset, kBossTopColumns.last - inset}, {y + rowsDown, y + rowsDown},
                 colour::kGrey);
    }
}

}  // namespace

Point conventionalWristPin(int rowsDown) { return {kWristPin.x, kWristPin.y + rowsDown}; }

void drawConventionalPiston(IndexedImage& image, int rowsDown) {
    fillRect(image, kCrownColumns, shifted(kCrownRows, rowsDown), colour::kGrey);
    fillRect(image, kLeftSkirtColumns, shifted(kSkirtRows, rowsDown), colour::kGrey);
    fillRect(image, kRightSkirtColumns, shifted(kSkirtRows, rowsDown), colour::kGrey);
    drawPinBoss(image, rowsDown);
    drawRingLines(image, kCrownRows.first + rowsDown, kCrownColumns);
}

}  // namespace vorn
