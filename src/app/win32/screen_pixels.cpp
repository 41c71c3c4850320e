#include "app/win32/screen_pixels.hpp"

#include "frames/packed_pixels.hpp"

namespace vorn::win32 {

void writeScreenPixels(const IndexedImage& frame, std::span<std::uint32_t> pixels) {
    // Blue in the low byte, then green, red and an unused zero byte.
    static const PackedPalette palette = packFramePalette([](const Rgb& colour) {
        return std::uint32_t{colour.red} << 16 | std::uint32_t{colour.green} << 8 | colour.blue;
    });
    writePackedPixels(frame, palette, pixels);
}

}  // namespace vorn::win32
