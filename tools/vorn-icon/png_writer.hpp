#pragma once

#include <cstdint>
#include <vector>

#include "vorn-icon/icon_image.hpp"

namespace vorn::icon {

// Encodes `image` as an 8-bit RGBA PNG file: each pixel in its palette
// colour, fully transparent where the mask is set, opaque elsewhere. With
// libpng on Linux, with the Windows Imaging Component on Windows, where
// Debian has no libpng to link. Throws std::runtime_error with the encoder's
// reason, and std::invalid_argument if a colour index lies outside the
// palette.
std::vector<std::uint8_t> encodePng(const IconImage& image);

// The pixels encodePng writes, top row first, four bytes a pixel in the order
// `channelOrder` gives: red, green, blue, alpha for kRgba.
enum class ChannelOrder { kRgba, kBgra };
std::vector<std::uint8_t> toDirectColour(const IconImage& image, ChannelOrder channelOrder);

}  // namespace vorn::icon
