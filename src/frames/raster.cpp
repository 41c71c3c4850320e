#include "frames/raster.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

namespace vorn {
namespace {

// Clips a pixel range to 0..limit-1. The result is empty (first > last) when
// the range lies wholly outside.
PixelRange clipRange(PixelRange range, int limit) {
    return {std::max(range.first, 0), std::min(range.last, limit - 1)};
}

bool isEmpty(PixelRange range) { return range.first > range.last; }

// An edge that the geometry puts on a pixel centre arrives there only to
// within the last bits of the maths library's sines and arc tangents, which
// differ between C libraries. A bound within this distance of a centre counts
// as on it, so every platform fills the same pixels.
constexpr double kOnCentreTolerance = 1e-9;

double snappedToCentre(double coordinate) {
    const double centre = std::round(coordinate);
    return std::abs(coordinate - centre) <= kOnCentreTolerance ? centre : coordinate;
}

// Pixels whose centres lie in [first, last], clipped to 0..limit-1.
PixelRange pixelsBetween(double first, double last, int limit) {
    return clipRange({static_cast<int>(std::ceil(snappedToCentre(first))),
                      static_cast<int>(std::floor(snappedToCentre(last)))},
                     limit);
}

// Columns whose centres lie in [left, right], clipped to the picture.
PixelRange columnsBetween(double left, double right, int width) { return pixelsBetween(left, right, width); }

// Rows whose centres lie in [top, bottom], clipped to the picture.
PixelRange rowsBetween(double top, double bottom, int height) { return pixelsBetween(top, bottom, height); }

// Writes a span already clipped to the picture.
void writeSpan(IndexedImage& image, int y, PixelRange columns, std::uint8_t colour) {
    if (isEmpty(columns)) {
        return;
    }
    std::uint8_t* row = image.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width);
    std::memset(row + columns.first, colour, static_cast<std::size_t>(columns.last - columns.first + 1));
}

// Calls spanAt(y, columns) for each row of a disc, clipped to the picture.
template <typename SpanAction>
void forEachDiscSpan(const IndexedImage& image, Point centre, double radius, SpanAction spanAt) {
    if (!(radius >= 0.0)) {
        return;
    }
    const PixelRange rows = rowsBetween(centre.y - radius, centre.y + radius, image.height);
    for (int y = rows.first; y <= rows.last; ++y) {
        const double dy = y - centre.y;
        const double halfChord = std::sqrt(std::max(0.0, radius * radius - dy * dy));
        spanAt(y, columnsBetween(centre.x - halfChord, centre.x + halfChord, image.width));
    }
}

// `region` with each vertex that lies that near a row of pixel centres moved
// onto it, so that the rows an edge crosses do not depend on the last bits.
Region withVerticesSnappedToRows(const Region& region) {
    Region snapped = region;
    for (Contour& contour : snapped) {
        for (Point& point : contour) {
            point.y = snappedToCentre(point.y);
        }
    }
    return snapped;
}

// x of the crossings of all contour edges with the horizontal line at `y`.
// An edge counts when y lies in [lower end, upper end), so a vertex shared by
// two edges is counted once.
void collectCrossings(const Region& region, double y, std::vector<double>& crossings) {
    crossings.clear();
    for (const Contour& contour : region) {
        const std::size_t count = contour.size();
        for (std::size_t i = 0; i < count; ++i) {
            const Point a = contour[i];
            const Point b = contour[(i + 1) % count];
            const bool crosses = (a.y <= y && y < b.y) || (b.y <= y && y < a.y);
            if (crosses) {
                crossings.push_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
            }
        }
    }
    std::sort(crossings.begin(), crossings.end());
}

}  // namespace

void fillRect(IndexedImage& image, PixelRange columns, PixelRange rows, std::uint8_t colour) {
    const PixelRange clippedColumns = clipRange(columns, image.width);
    const PixelRange clippedRows = clipRange(rows, image.height);
    for (int y = clippedRows.first; y <= clippedRows.last; ++y) {
        writeSpan(image, y, clippedColumns, colour);
    }
}

void fillDisc(IndexedImage& image, Point centre, double radius, std::uint8_t colour) {
    forEachDiscSpan(image, centre, radius,
                    [&](int y, PixelRange columns) { writeSpan(image, y, columns, colour); });
}

void copyDisc(IndexedImage& image, const IndexedImage& source, Point centre, double radius) {
    // The spans are clipped to `image` and then read from `source` at the
    // same offsets, which only a picture of the same size has.
    if (source.width != image.width || source.height != image.height) {
        throw std::invalid_argument("copyDisc: the source is " + std::to_string(source.width) + " x " +
                                    std::to_string(source.height) + ", the picture " + std::to_string(image.width) +
                                    " x " + std::to_string(image.height));
    }
    forEachDiscSpan(image, centre, radius, [&](int y, PixelRange columns) {
        if (isEmpty(columns)) {
            return;
        }
        const std::size_t start = static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                                  static_cast<std::size_t>(columns.first);
        std::memcpy(image.pixels.data() + start, source.pixels.data() + start,
                    static_cast<std::size_t>(columns.last - columns.first + 1));
    });
}

void fillRegion(IndexedImage& image, const Region& shape, std::uint8_t colour) {
    const Region region = withVerticesSnappedToRows(shape);
    double top = INFINITY;
    double bottom = -INFINITY;
    for (const Contour& contour : region) {
        for (const Point& p : contour) {
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
    }
    if (!(top <= bottom)) {
        return;  // no points at all
    }
    const PixelRange rows = rowsBetween(top, bottom, image.height);
    std::vector<double> crossings;
    for (int y = rows.first; y <= rows.last; ++y) {
        collectCrossings(region, y, crossings);
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            writeSpan(image, y, columnsBetween(crossings[i], crossings[i + 1], image.width), colour);
        }
    }
}

bool regionContains(const Region& shape, Point point) {
    std::vector<double> crossings;
    collectCrossings(withVerticesSnappedToRows(shape), point.y, crossings);
    // Spans are closed at both ends, as fillRegion writes them.
    if (std::find(crossings.begin(), crossings.end(), point.x) != crossings.end()) {
        return true;
    }
    const auto crossingsLeft = std::count_if(crossings.begin(), crossings.end(),
                                             [&](double x) { return x < point.x; });
    return crossingsLeft % 2 == 1;
}

}  // namespace vorn
