// The frame's pixels in the byte order a canvas's image data holds them.
#include "app/web/canvas_pixels.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <vector>

#include "frames/palette.hpp"

namespace {

using namespace vorn;

TEST(CanvasPixels, EachPixelIsRedGreenBlueAndOpaqueInMemory) {
    IndexedImage frame(3, 1, 0);
    frame.at(0, 0) = colour::kRed;
    frame.at(1, 0) = colour::kKhaki;
    frame.at(2, 0) = colour::kWhite;
    std::vector<std::uint32_t> pixels(3);
    web::writeCanvasPixels(frame, pixels);

    std::uint8_t bytes[12];
    std::memcpy(bytes, pixels.data(), sizeof bytes);
    for (int i = 0; i < 3; ++i) {
        const Rgb expected = framePalette()[frame.at(i, 0)];
        EXPECT_EQ(bytes[4 * i], expected.red) << i;
        EXPECT_EQ(bytes[4 * i + 1], expected.green) << i;
        EXPECT_EQ(bytes[4 * i + 2], expected.blue) << i;
        EXPECT_EQ(bytes[4 * i + 3], 0xFF) << i;
    }
}

TEST(CanvasPixels, RoomOfAnotherSizeIsRefused) {
    const IndexedImage frame(4, 2, 0);
    std::vector<std::uint32_t> pixels(7);
    EXPECT_THROW(web::writeCanvasPixels(frame, pixels), std::invalid_argument);
}

}  // namespace
