#pragma once

// Helpers shared by the drawing tests: pixel queries on frames, a
// comparison of two pictures that tolerates one-pixel shifts, and the
// pictures a failing test leaves behind for a person to look at.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "frames/indexed_image.hpp"

namespace vorn::test {

// Writes `image` through the frame palette as a binary PPM.
void writePpm(const IndexedImage& image, const std::string& path);

// Writes `actual` and `diff` (as returned by matchWithinOnePixel or built by
// a test: non-zero marks a wrong pixel) into a per-test folder under the
// system's temporary directory, and returns a message that says where.
std::string saveFailurePictures(const std::string& name, const IndexedImage& actual, const IndexedImage& diff);

// Two pictures match to within one pixel when every pixel of each equals
// some pixel of the other within its 3 x 3 neighbourhood. Pixels for which
// `ignore` returns true are not compared. The result marks the pixels
// that have no match (white elsewhere); `mismatches` counts them.
struct OnePixelMatch {
    IndexedImage diff;
    int mismatches = 0;
};
OnePixelMatch matchWithinOnePixel(const IndexedImage& a, const IndexedImage& b,
                                  const std::function<bool(int x, int y)>& ignore);

// `image` mirrored left to right about the vertical line x = axisX (a half
// coordinate) for the columns firstColumn..lastColumn, which must map onto
// themselves; the other columns are copied unchanged.
IndexedImage mirroredAbout(const IndexedImage& image, double axisX, int firstColumn, int lastColumn);

// Number of pixels of each palette entry.
std::array<int, 256> colourCounts(const IndexedImage& image);

}  // namespace vorn::test

namespace vorn::test {

// The twenty frames, drawn once per test program.
const IndexedImage& frame(int frameIndex);

}  // namespace vorn::test
