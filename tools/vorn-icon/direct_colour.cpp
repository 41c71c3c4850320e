#include <stdexcept>
#include <string>

#include "vorn-icon/png_writer.hpp"

namespace vorn::icon {

std::vector<std::uint8_t> toDirectColour(const IconImage& image, ChannelOrder channelOrder) {
    std::vector<std::uint8_t> pixels;
    pixels.reserve(image.colours.pixels.size() * 4);
    for (std::size_t i = 0; i < image.colours.pixels.size(); ++i) {
        const std::uint8_t index = image.colours.pixels[i];
        if (index >= image.palette.size()) {
            throw std::invalid_argument("png writer: colour index " + std::to_string(index) +
                                        " outside a palette of " + std::to_string(image.palette.size()));
        }
        const Rgb colour = image.palette[index];
        const auto alpha = static_cast<std::uint8_t>(image.transparentMask.pixels.at(i) != 0 ? 0 : 255);
        if (channelOrder == ChannelOrder::kRgba) {
            pixels.insert(pixels.end(), {colour.red, colour.green, colour.blue, alpha});
        } else {
            pixels.insert(pixels.end(), {colour.blue, colour.green, colour.red, alpha});
        }
    }
    return pixels;
}

}  // namespace vorn::icon
