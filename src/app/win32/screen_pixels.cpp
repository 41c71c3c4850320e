#include "app/win32/screen_pixels.hpp"

#include <array>
#include <stdexcept>

#include "frames/palette.hpp"

namespace vorn::win32 {

namespace {

std::array<std::uint32_t, 256> screenPalette() {
    std::array<std::uint32_t, 256> words{};
    const auto& palette = framePalette();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        words[i] = std::uint32_t{palette[i].red} << 16 | std::uint32_t{palette[i].green} << 8 | palette[i].blue;
    }
    return words;
}

}  // namespace

void writeScreenPixels(const IndexedImage& frame, std::span<std::uint32_t> pixels) {
    if (pixels.size() != frame.pixels.size()) {
        throw std::invalid_argument("screen pixels: room for " + std::to_string(pixels.size()) + " pixels, frame has " +
                                    std::to_string(frame.pixels.size()));
    }
    static const std::array<std::uint32_t, 256> palette = screenPalette();
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = palette[frame.pixels[i]];
    }
}

}  // namespace vorn::win32
