#include "app/web/canvas_pixels.hpp"

#include <bit>

#include "frames/packed_pixels.hpp"

namespace vorn::web {

static_assert(std::endian::native == std::endian::little, "the byte order below is that of WebAssembly");

void writeCanvasPixels(const IndexedImage& frame, std::span<std::uint32_t> pixels) {
    static const PackedPalette palette = packFramePalette([](const Rgb& colour) {
        return std::uint32_t{0xFF} << 24 | std::uint32_t{colour.blue} << 16 | std::uint32_t{colour.green} << 8 |
               colour.red;
    });
    writePackedPixels(frame, palette, pixels);
}

}  // namespace vorn::web
