#include "vorn-icon/png_writer.hpp"

#include <png.h>

#include <cstring>
#include <stdexcept>
#include <string>

namespace vorn::icon {
namespace {

[[noreturn]] void failWith(png_image& png) {
    const std::string reason = png.message;
    png_image_free(&png);
    throw std::runtime_error("png writer: " + reason);
}

}  // namespace

std::vector<std::uint8_t> encodePng(const IconImage& image) {
    const std::vector<std::uint8_t> rgba = toDirectColour(image, ChannelOrder::kRgba);

    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.colours.width);
    png.height = static_cast<png_uint_32>(image.colours.height);
    png.format = PNG_FORMAT_RGBA;
    const auto rowStride = static_cast<png_int_32>(static_cast<std::size_t>(image.colours.width) * 4);

    // The first call only measures; the second writes into a buffer that size.
    png_alloc_size_t size = 0;
    if (png_image_write_to_memory(&png, nullptr, &size, 0, rgba.data(), rowStride, nullptr) == 0) {
        failWith(png);
    }
    std::vector<std::uint8_t> bytes(size);
    if (png_image_write_to_memory(&png, bytes.data(), &size, 0, rgba.data(), rowStride, nullptr) == 0) {
        failWith(png);
    }
    bytes.resize(size);
    return bytes;
}

}  // namespace vorn::icon
