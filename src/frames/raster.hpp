#pragma once

// Flat fills on an indexed picture. A pixel belongs to a shape when its
// centre lies inside the shape (the centre of pixel (x, y) is the point
// (x, y)); there is no anti-aliasing, so every pixel gets exactly one palette
// entry. Each fill clips its extent to the picture once and then writes
// without per-pixel checks; shapes may lie partly or wholly off the picture.

#include <cstdint>
#include <vector>

#include "frames/geometry_types.hpp"
#include "frames/indexed_image.hpp"

namespace vorn {

// A region bounded by one or more closed contours. A point is inside when a
// ray from it crosses the contours an odd number of times, so a contour
// lying inside another cuts a hole.
using Contour = std::vector<Point>;
using Region = std::vector<Contour>;

// Fills the pixels whose columns and rows lie in the inclusive ranges.
void fillRect(IndexedImage& image, PixelRange columns, PixelRange rows, std::uint8_t colour);

// Fills the pixels whose centres lie within `radius` of `centre`.
void fillDisc(IndexedImage& image, Point centre, double radius, std::uint8_t colour);

// Copies the pixels within `radius` of `centre` from `source`: used to cut a
// hole that shows what lay behind. Throws std::invalid_argument unless
// `source` is the same size as `image`.
void copyDisc(IndexedImage& image, const IndexedImage& source, Point centre, double radius);

// Fills the pixels whose centres lie inside `region` (even-odd rule).
void fillRegion(IndexedImage& image, const Region& region, std::uint8_t colour);

// Whether `point` lies inside `region`, by the same rule as fillRegion.
bool regionContains(const Region& region, Point point);

}  // namespace vorn
