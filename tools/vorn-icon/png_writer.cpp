#include "vorn-icon/png_writer.hpp"

#include <png.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorn::icon {
namespace {

inline constexpr std::size_t kRgbaBytes = 4;

std::vector<std::uint8_t> toRgba(const IconImage& image) {
    std::vector<std::uint8_t> rgba;
    rgba.reserve(image.colours.pixels.size() * kRgbaBytes);
    for (std::size_t i = 0; i < image.colours.pixels.size(); ++i) {
        const std::uint8_t index = image.colours.pixels[i];
        if (index >= image.palette.size()) {
            throw std::invalid_argument("png writer: colour index " + std::to_string(index) +
                                        " outside a palette of " + std::to_string(image.palette.size()));
        }
        const Rgb colour = image.palette[index];
        const bool transparent = image.transparentMask.pixels.at(i) != 0;
        rgba.insert(rgba.end(), {colour.red, colour.green, colour.blue, static_cast<std::uint8_t>(transparent ? 0 : 255)});
    }
    return rgba;
}

}  // namespace

void writePng(const std::filesystem::path& path, const IconImage& image) {
    const std::vector<std::uint8_t> rgba = toRgba(image);

    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.colours.width);
    png.height = static_cast<png_uint_32>(image.colours.height);
    png.format = PNG_FORMAT_RGBA;

    const auto rowStride = static_cast<png_int_32>(static_cast<std::size_t>(image.colours.width) * kRgbaBytes);
    if (png_image_write_to_file(&png, path.string().c_str(), 0, rgba.data(), rowStride, nullptr) == 0) {
        const std::string reason = png.message;
        png_image_free(&png);
        throw std::runtime_error("cannot write " + path.string() + ": " + reason);
    }
}

}  // namespace vorn::icon
