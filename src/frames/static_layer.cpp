#include "frames/static_layer.hpp"

#include <span>

#include "frames/mechanism_geometry.hpp"
#include "frames/palette.hpp"
#include "frames/raster.hpp"

namespace vorn {

using namespace geometry;

namespace {

void fillRects(IndexedImage& image, std::span<const PixelSpans> rects, std::uint8_t colour) {
    for (const PixelSpans& rect : rects) {
        fillRect(image, rect.columns, rect.rows, colour);
    }
}

void drawVerticalDashDot(IndexedImage& image, PixelRange columns, std::uint8_t colour) {
    for (const PixelRange& run : kVerticalCentreLineRuns) {
        fillRect(image, columns, run, colour);
    }
}

void drawHorizontalDashDot(IndexedImage& image, std::span<const PixelRange> runs, int row, std::uint8_t colour) {
    for (const PixelRange& run : runs) {
        fillRect(image, run, {row, row}, colour);
    }
}

}  // namespace

void drawCylindersAndGuideBars(IndexedImage& image) {
    fillRects(image, kLeftCylinder, colour::kKhaki);
    fillRects(image, kLeftGuideBars, colour::kKhaki);
    fillRects(image, kRightCylinder, colour::kKhaki);
}

void drawCentreLines(IndexedImage& image) {
    // Horizontal lines first: where the right pair crosses, the vertical
    // line's black covers the pale second row.
    drawHorizontalDashDot(image, kLeftHorizontalCentreLineRuns, kLeftHorizontalRow, colour::kBlack);
    drawHorizontalDashDot(image, kRightHorizontalCentreLineRuns, kRightHorizontalRow, colour::kBlack);
    drawHorizontalDashDot(image, kRightHorizontalCentreLineRuns, kRightHorizontalPaleRow, colour::kPaleGreen);

    drawVerticalDashDot(image, {kLeftVerticalDarkColumn, kLeftVerticalDarkColumn}, colour::kDarkBlue);
    drawVerticalDashDot(image, {kLeftVerticalBlackColumn, kLeftVerticalBlackColumn}, colour::kBlack);
    drawVerticalDashDot(image, kRightVerticalColumns, colour::kBlack);
}

}  // namespace vorn
