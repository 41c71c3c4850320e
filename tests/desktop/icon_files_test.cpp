// Checks the icon files the build writes: vorn.ico with its three images and
// the two PNGs the Linux desktop and the window use.
#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <string>
#include <vector>

#include "ico_reader.hpp"

namespace {

struct ExpectedImage {
    int size;
    int bitsPerPixel;
    int colourCount;
};

// The order Windows expects no particular order of, but the program's file
// keeps: large monochrome, large 16 colours, small 16 colours.
constexpr ExpectedImage kExpectedImages[] = {{32, 1, 2}, {32, 4, 16}, {16, 4, 16}};

TEST(IconFile, HoldsTheThreeImagesWithTheirSizesAndDepths) {
    const auto bytes = vorn::test::readFileBytes(VORN_ICON_FILE);
    const vorn::test::IcoFile file = vorn::test::readIco(bytes);
    ASSERT_EQ(file.directory.size(), std::size(kExpectedImages));
    for (std::size_t i = 0; i < file.directory.size(); ++i) {
        const auto& entry = file.directory[i];
        const auto& expected = kExpectedImages[i];
        EXPECT_EQ(entry.width, expected.size) << i;
        EXPECT_EQ(entry.height, expected.size) << i;
        EXPECT_EQ(entry.bitsPerPixel, expected.bitsPerPixel) << i;
        EXPECT_EQ(entry.colourCount, expected.colourCount) << i;
        const auto& image = file.images[i];
        EXPECT_EQ(image.colours.width, expected.size) << i;
        EXPECT_EQ(image.colours.height, expected.size) << i;
        EXPECT_EQ(image.bitsPerPixel, expected.bitsPerPixel) << i;
    }
}

TEST(IconFile, ShowsABlueCaptionOverAWhiteClientAreaWithTransparentCorners) {
    struct Case {
        std::size_t image;
        int x, y;
        vorn::Rgb colour;
        bool transparent;
    };
    const Case cases[] = {
        {0, 3, 4, {0, 0, 0}, false},          // monochrome caption
        {0, 15, 20, {255, 255, 255}, false},  // monochrome client area
        {0, 31, 0, {0, 0, 0}, true},
        {1, 3, 4, {0, 0, 170}, false},
        {1, 15, 20, {255, 255, 255}, false},
        {1, 31, 0, {0, 0, 0}, true},
        {2, 2, 2, {0, 0, 170}, false},
        {2, 7, 10, {255, 255, 255}, false},
        {2, 15, 0, {0, 0, 0}, true},
    };
    const vorn::test::IcoFile file = vorn::test::readIco(vorn::test::readFileBytes(VORN_ICON_FILE));
    ASSERT_EQ(file.images.size(), 3U);
    for (const Case& c : cases) {
        const auto& image = file.images[c.image];
        EXPECT_EQ(image.palette.at(image.colours.at(c.x, c.y)), c.colour) << c.image << " at " << c.x << ", " << c.y;
        EXPECT_EQ(image.transparentMask.at(c.x, c.y), c.transparent ? 1 : 0) << c.image << " at " << c.x << ", " << c.y;
    }
}

std::vector<std::uint8_t> readRgbaPng(const char* path, int& width, int& height) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&png, path) == 0) {
        ADD_FAILURE() << path << ": " << png.message;
        return {};
    }
    png.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(png));
    if (png_image_finish_read(&png, nullptr, pixels.data(), 0, nullptr) == 0) {
        ADD_FAILURE() << path << ": " << png.message;
        return {};
    }
    width = static_cast<int>(png.width);
    height = static_cast<int>(png.height);
    return pixels;
}

// The PNGs carry the same 16-colour pictures as the .ico, with alpha for the mask.
TEST(IconPngs, MatchThe16ColourIcoImagesPixelForPixel) {
    const vorn::test::IcoFile ico = vorn::test::readIco(vorn::test::readFileBytes(VORN_ICON_FILE));
    ASSERT_EQ(ico.images.size(), 3U);
    const struct {
        const char* path;
        std::size_t icoImage;
    } cases[] = {{VORN_ICON_PNG_32, 1}, {VORN_ICON_PNG_16, 2}};
    for (const auto& c : cases) {
        int width = 0;
        int height = 0;
        const auto rgba = readRgbaPng(c.path, width, height);
        const auto& image = ico.images[c.icoImage];
        ASSERT_EQ(width, image.colours.width) << c.path;
        ASSERT_EQ(height, image.colours.height) << c.path;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4;
                const bool transparent = image.transparentMask.at(x, y) != 0;
                ASSERT_EQ(rgba[at + 3], transparent ? 0 : 255) << c.path << " alpha at " << x << ", " << y;
                if (!transparent) {
                    const vorn::Rgb colour = image.palette.at(image.colours.at(x, y));
                    ASSERT_EQ((vorn::Rgb{rgba[at], rgba[at + 1], rgba[at + 2]}), colour) << c.path << " at " << x << ", " << y;
                }
            }
        }
    }
}

}  // namespace
