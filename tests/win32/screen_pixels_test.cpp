// Frames as the Win32 layer's bitmaps hold them: palette colours in the
// order a 32-bit DIB keeps them.
#include "app/win32/screen_pixels.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "frames/palette.hpp"

namespace {

using namespace vorn;

// The bytes as the DIB's memory holds them, typed from the palette's
// definition: index 91 is the colour cube's (51, 102, 153), whose three
// channels differ, so any swap of them shows.
TEST(Win32ScreenPixels, EachPixelIsBlueGreenRedAndAZeroByteInMemory) {
    IndexedImage frame(3, 2, colour::kWhite);
    frame.at(0, 0) = 91;
    frame.at(1, 0) = colour::kRed;
    frame.at(2, 1) = colour::kDarkBlue;
    std::vector<std::uint32_t> pixels(6);
    win32::writeScreenPixels(frame, pixels);

    const std::array<std::uint8_t, 24> expected = {
        153, 102, 51,  0,  51,  0,   204, 0, 255, 255, 255, 0,  // top row: 91, red, white
        255, 255, 255, 0,  255, 255, 255, 0, 153, 0,   0,   0,  // bottom row: white, white, dark blue
    };
    std::array<std::uint8_t, 24> bytes{};
    std::memcpy(bytes.data(), pixels.data(), bytes.size());
    EXPECT_EQ(bytes, expected);
}

TEST(Win32ScreenPixels, ABitmapOfTheWrongSizeIsRefused) {
    const IndexedImage frame(3, 2, colour::kWhite);
    std::vector<std::uint32_t> pixels(5);
    EXPECT_THROW(win32::writeScreenPixels(frame, pixels), std::invalid_argument);
}

}  // namespace
