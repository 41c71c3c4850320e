#pragma once

#include <array>
#include <cstdint>

#include "frames/palette.hpp"

namespace vorn::icon {

// The standard 16-colour VGA palette, in its usual order (black, the eight
// dim colours, the eight bright ones, white), used by the 4-bpp icon images.
const std::array<Rgb, 16>& vgaPalette();

// The two colours of the monochrome icon image: index 0 black, index 1 white.
const std::array<Rgb, 2>& monochromePalette();

// The VGA entries the icon is painted with, named by colour.
namespace vga {
inline constexpr std::uint8_t kBlack = 0;
inline constexpr std::uint8_t kBlue = 1;
inline constexpr std::uint8_t kLightGrey = 7;
inline constexpr std::uint8_t kDarkGrey = 8;
inline constexpr std::uint8_t kWhite = 15;
}  // namespace vga

namespace mono {
inline constexpr std::uint8_t kBlack = 0;
inline constexpr std::uint8_t kWhite = 1;
}  // namespace mono

}  // namespace vorn::icon
