// Checks that the PNGs the Linux desktop and the window use show the same
// pictures as vorn.ico's 16-colour images of their size, as icotool reads
// them, the PNG entry included (a wrong offset or length in its directory
// line breaks it). (The images' sizes and depths: desktop.icotool_reads_icon;
// their pixels: icon_drawing_test and ico_encoder_test.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "icotool_images.hpp"

namespace {

using vorn::test::IcotoolImage;

TEST(IconPngs, MatchThe16ColourIcoImagesPixelForPixel) {
    const std::vector<IcotoolImage> ico = vorn::test::readWithIcotool(VORN_ICON_FILE);
    ASSERT_EQ(ico.size(), 7U);
    const struct {
        const char* path;
        std::size_t icoImage;
    } cases[] = {{VORN_ICON_PNG_32, 1}, {VORN_ICON_PNG_16, 2}, {VORN_ICON_PNG_24, 3},
                 {VORN_ICON_PNG_48, 4}, {VORN_ICON_PNG_64, 5},  {VORN_ICON_PNG_256, 6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const vorn::test::RgbaImage png = vorn::test::readPng(c.path);
        const vorn::test::RgbaImage& expected = ico[c.icoImage].pixels;
        ASSERT_EQ(png.width, expected.width);
        ASSERT_EQ(png.height, expected.height);
        for (int y = 0; y < png.height; ++y) {
            for (int x = 0; x < png.width; ++x) {
                ASSERT_EQ(png.alpha(x, y), expected.alpha(x, y)) << x << ", " << y;
                if (expected.alpha(x, y) != 0) {
                    ASSERT_EQ(png.colour(x, y), expected.colour(x, y)) << x << ", " << y;
                }
            }
        }
    }
}

}  // namespace
