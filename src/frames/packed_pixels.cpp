#include "frames/packed_pixels.hpp"

#include <stdexcept>
#include <string>

namespace vorn {

void writePackedPixels(const IndexedImage& frame, const PackedPalette& palette, std::span<std::uint32_t> pixels) {
    if (pixels.size() != frame.pixels.size()) {
        throw std::invalid_argument("packed pixels: room for " + std::to_string(pixels.size()) + " pixels, frame has " +
                                    std::to_string(frame.pixels.size()));
    }
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = palette[frame.pixels[i]];
    }
}

}  // namespace vorn
