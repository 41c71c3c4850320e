#include "app/shared/sunken_edge.hpp"

namespace vorn {

namespace {

// `r` in the picture area's own pixels, as a band of device pixels.
PixelRect scaled(PixelRect r, int scale) {
    return {r.left * scale, r.top * scale, r.width * scale, r.height * scale};
}

}  // namespace

std::array<EdgeBand, 8> sunkenEdgeBands(const ScaledWindow& window) {
    constexpr int w = kPictureAreaWidth;
    constexpr int h = kPictureAreaHeight;
    const int s = window.scale;
    return {{
        {scaled({0, 0, w - 1, 1}, s), EdgeShade::kShadow},
        {scaled({0, 0, 1, h - 1}, s), EdgeShade::kShadow},
        {scaled({0, h - 1, w, 1}, s), EdgeShade::kHighlight},
        {scaled({w - 1, 0, 1, h}, s), EdgeShade::kHighlight},
        {scaled({1, 1, w - 3, 1}, s), EdgeShade::kDarkShadow},
        {scaled({1, 1, 1, h - 3}, s), EdgeShade::kDarkShadow},
        {scaled({1, h - 2, w - 2, 1}, s), EdgeShade::kLight},
        {scaled({w - 2, 1, 1, h - 2}, s), EdgeShade::kLight},
    }};
}

}  // namespace vorn
