#include "vorn-icon/icon_image.hpp"

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

#include "vorn-icon/icon_palettes.hpp"
#include "vorn-icon/window_icon.hpp"

namespace vorn::icon {
namespace {

inline constexpr std::size_t kRoleCount = static_cast<std::size_t>(IconRole::kClient) + 1;

// Colour of each IconRole, in IconRole order.
constexpr std::array<std::uint8_t, kRoleCount> kVgaColourOfRole = {
    vga::kBlack,      // transparent (masked)
    vga::kDarkGrey,   // shadow
    vga::kBlack,      // frame outline
    vga::kLightGrey,  // frame face
    vga::kBlue,       // caption
    vga::kWhite,      // caption text
    vga::kLightGrey,  // caption button
    vga::kWhite,      // client area
};

// In black and white the caption turns black, so its buttons and title line
// stay white to remain visible against it.
constexpr std::array<std::uint8_t, kRoleCount> kMonochromeColourOfRole = {
    mono::kBlack,  // transparent (masked)
    mono::kBlack,  // shadow
    mono::kBlack,  // frame outline
    mono::kWhite,  // frame face
    mono::kBlack,  // caption
    mono::kWhite,  // caption text
    mono::kWhite,  // caption button
    mono::kWhite,  // client area
};

}  // namespace

IconImage renderIcon(const IndexedImage& roles, IconDepth depth) {
    const bool monochrome = depth == IconDepth::kMonochrome;
    const auto& colourOfRole = monochrome ? kMonochromeColourOfRole : kVgaColourOfRole;

    IconImage icon;
    icon.bitsPerPixel = monochrome ? 1 : 4;
    if (monochrome) {
        icon.palette.assign(monochromePalette().begin(), monochromePalette().end());
    } else {
        icon.palette.assign(vgaPalette().begin(), vgaPalette().end());
    }
    icon.colours = IndexedImage(roles.width, roles.height, 0);
    icon.transparentMask = IndexedImage(roles.width, roles.height, 0);

    for (std::size_t i = 0; i < roles.pixels.size(); ++i) {
        const std::uint8_t role = roles.pixels[i];
        if (role >= kRoleCount) {
            throw std::invalid_argument("icon render: pixel " + std::to_string(i) + " holds unknown role " +
                                        std::to_string(role));
        }
        icon.colours.pixels[i] = colourOfRole[role];
        icon.transparentMask.pixels[i] = role == static_cast<std::uint8_t>(IconRole::kTransparent) ? 1 : 0;
    }
    return icon;
}

}  // namespace vorn::icon
