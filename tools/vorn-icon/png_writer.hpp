#pragma once

#include <filesystem>

#include "vorn-icon/icon_image.hpp"

namespace vorn::icon {

// Writes `image` as an 8-bit RGBA PNG: each pixel in its palette colour,
// fully transparent where the mask is set, opaque elsewhere. Uses libpng.
// Throws std::runtime_error naming the file if it cannot be written, and
// std::invalid_argument if a colour index lies outside the palette.
void writePng(const std::filesystem::path& path, const IconImage& image);

}  // namespace vorn::icon
