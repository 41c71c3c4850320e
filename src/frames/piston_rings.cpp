#include "frames/piston_rings.hpp"

#include "frames/mechanism_geometry.hpp"
#include "frames/palette.hpp"
#include "frames/raster.hpp"

namespace vorn {

void drawRingLines(IndexedImage& image, int crownTopRow, PixelRange crownColumns) {
    const PixelRange columns = {crownColumns.first - geometry::kRingLineOverhang,
                                crownColumns.last + geometry::kRingLineOverhang};
    for (const PixelRange& rows : geometry::kRingLineRows) {
        fillRect(image, columns, {crownTopRow + rows.first, crownTopRow + rows.last}, colour::kGreen);
    }
}

}  // namespace vorn
