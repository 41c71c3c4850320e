#include "vorn-icon/rectangle_fill.hpp"

#include <algorithm>
#include <cstddef>

namespace vorn::icon {

PixelRect inset(PixelRect rect, int margin) {
    return {rect.x + margin, rect.y + margin, std::max(0, rect.width - 2 * margin),
            std::max(0, rect.height - 2 * margin)};
}

void fillRect(IndexedImage& image, PixelRect rect, std::uint8_t value) {
    const int left = std::max(rect.x, 0);
    const int top = std::max(rect.y, 0);
    const int right = std::min(rect.right(), image.width);
    const int bottom = std::min(rect.bottom(), image.height);
    if (left >= right || top >= bottom) {
        return;
    }
    for (int y = top; y < bottom; ++y) {
        auto row = image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
        std::fill(row + left, row + right, value);
    }
}

}  // namespace vorn::icon
