#include "vorn-icon/icon_palettes.hpp"

namespace vorn::icon {

const std::array<Rgb, 16>& vgaPalette() {
    static constexpr std::array<Rgb, 16> kPalette = {{
        {0, 0, 0},       {0, 0, 170},    {0, 170, 0},    {0, 170, 170},
        {170, 0, 0},     {170, 0, 170},  {170, 85, 0},   {170, 170, 170},
        {85, 85, 85},    {85, 85, 255},  {85, 255, 85},  {85, 255, 255},
        {255, 85, 85},   {255, 85, 255}, {255, 255, 85}, {255, 255, 255},
    }};
    return kPalette;
}

const std::array<Rgb, 2>& monochromePalette() {
    static constexpr std::array<Rgb, 2> kPalette = {{{0, 0, 0}, {255, 255, 255}}};
    return kPalette;
}

}  // namespace vorn::icon
