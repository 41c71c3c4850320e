// Frames as the Win32 layer's bitmaps hold them: palette colours in the
// order a 32-bit DIB keeps them.
#include "app/win32/screen_pixels.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "frames/palette.hpp"

namespace {

using namespace vorn;

TEST(Win32ScreenPixels, EachPixelIsItsPaletteColourAsBlueGreenRedUnused) {
    IndexedImage frame(3, 2, colour::kWhite);
    frame.at(0, 0) = colour::kRed;
    frame.at(2, 1) = colour::kDarkBlue;
    std::vector<std::uint32_t> pixels(6);
    win32::writeScreenPixels(frame, pixels);

    const auto word = [](const Rgb& c) {
        // In memory (little-endian): blue, green, red, then a zero byte.
        return std::uint32_t{c.red} << 16 | std::uint32_t{c.green} << 8 | c.blue;
    };
    const auto& palette = framePalette();
    ASSERT_NE(palette[colour::kRed].red, palette[colour::kRed].blue) << "the check needs an unsymmetric colour";
    EXPECT_EQ(pixels[0], word(palette[colour::kRed]));
    EXPECT_EQ(pixels[1], word(palette[colour::kWhite]));
    EXPECT_EQ(pixels[5], word(palette[colour::kDarkBlue])) << "rows are kept top first";
    for (std::uint32_t pixel : pixels) {
        EXPECT_EQ(pixel >> 24, 0U);
    }
}

TEST(Win32ScreenPixels, ABitmapOfTheWrongSizeIsRefused) {
    const IndexedImage frame(3, 2, colour::kWhite);
    std::vector<std::uint32_t> pixels(5);
    EXPECT_THROW(win32::writeScreenPixels(frame, pixels), std::invalid_argument);
}

}  // namespace
