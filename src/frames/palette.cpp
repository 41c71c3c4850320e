#include "frames/palette.hpp"

namespace vorn {
namespace {

std::array<Rgb, 256> buildPalette() {
    std::array<Rgb, 256> palette{};
    constexpr std::array<std::uint8_t, 6> kRampValues = {26, 77, 128, 179, 230, 243};
    for (int i = 0; i < 6; ++i) {
        const std::uint8_t v = kRampValues[static_cast<std::size_t>(i)];
        palette[static_cast<std::size_t>(1 + i)] = {v, 0, 0};
        palette[static_cast<std::size_t>(7 + i)] = {0, v, 0};
        palette[static_cast<std::size_t>(13 + i)] = {0, 0, v};
        palette[static_cast<std::size_t>(34 + i)] = {v, v, v};
    }
    // The secondary ramps stop one value short of the primaries'.
    for (int i = 0; i < 5; ++i) {
        const std::uint8_t v = kRampValues[static_cast<std::size_t>(i)];
        palette[static_cast<std::size_t>(19 + i)] = {v, v, 0};
        palette[static_cast<std::size_t>(24 + i)] = {0, v, v};
        palette[static_cast<std::size_t>(29 + i)] = {v, 0, v};
    }
    for (int r = 0; r < 6; ++r) {
        for (int g = 0; g < 6; ++g) {
            for (int b = 0; b < 6; ++b) {
                palette[static_cast<std::size_t>(40 + 36 * r + 6 * g + b)] = {
                    static_cast<std::uint8_t>(51 * r), static_cast<std::uint8_t>(51 * g),
                    static_cast<std::uint8_t>(51 * b)};
            }
        }
    }
    return palette;
}

}  // namespace

const std::array<Rgb, 256>& framePalette() {
    static const std::array<Rgb, 256> palette = buildPalette();
    return palette;
}

}  // namespace vorn
