#pragma once

#include <array>
#include <cstdint>

namespace vorn {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The 256-entry palette every frame carries: black, ramps of the primaries and
// secondaries, greys, then the 6x6x6 colour cube.
const std::array<Rgb, 256>& framePalette();

// The eight entries the frames are drawn with, named by what they paint.
namespace colour {
inline constexpr std::uint8_t kWhite = 255;      // background, openings, holes
inline constexpr std::uint8_t kGrey = 35;        // pistons, yoke, slides, crank pins, small-pin rims
inline constexpr std::uint8_t kKhaki = 210;      // cylinders, guide bars, connecting rods
inline constexpr std::uint8_t kRed = 185;        // crank webs, crank-pin rims
inline constexpr std::uint8_t kGreen = 180;      // piston ring lines, small pins
inline constexpr std::uint8_t kBlack = 0;        // centre lines, slide outlines
inline constexpr std::uint8_t kDarkBlue = 43;    // one column of the left vertical centre line
inline constexpr std::uint8_t kPaleGreen = 218;  // second row of the right horizontal centre line
}  // namespace colour

}  // namespace vorn
