#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "frames/indexed_image.hpp"
#include "frames/palette.hpp"

namespace vorn {

// The frame palette with each colour packed into one 32-bit word, in the
// layout a windowing layer's pixel buffers want.
using PackedPalette = std::array<std::uint32_t, 256>;

// Packs every entry of the frame palette with `pack`, a function of Rgb.
template <typename Pack>
PackedPalette packFramePalette(Pack pack) {
    PackedPalette words{};
    const auto& palette = framePalette();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        words[i] = pack(palette[i]);
    }
    return words;
}

// Writes `frame` into `pixels`, one packed word a pixel, rows top first with
// no padding, so that showing it later converts nothing. Throws
// std::invalid_argument if `pixels` is not exactly the frame's size.
void writePackedPixels(const IndexedImage& frame, const PackedPalette& palette, std::span<std::uint32_t> pixels);

}  // namespace vorn
