#include <gtest/gtest.h>

#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "frames/byte_order.hpp"
#include "icotool_images.hpp"
#include "vorn-icon/ico_encoder.hpp"

namespace {

using vorn::icon::IconImage;

// An image with every pixel distinct enough to catch row order, bit order
// and padding faults: index (x + 2y) mod palette size, mask on a diagonal.
IconImage patternImage(int width, int height, int bitsPerPixel, std::size_t paletteSize) {
    IconImage image;
    image.bitsPerPixel = bitsPerPixel;
    for (std::size_t i = 0; i < paletteSize; ++i) {
        image.palette.push_back({static_cast<std::uint8_t>(i * 7), static_cast<std::uint8_t>(i * 3),
                                 static_cast<std::uint8_t>(255 - i)});
    }
    image.colours = vorn::IndexedImage(width, height, 0);
    image.transparentMask = vorn::IndexedImage(width, height, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.colours.at(x, y) = static_cast<std::uint8_t>((x + 2 * y) % static_cast<int>(paletteSize));
            image.transparentMask.at(x, y) = (x == y) ? 1 : 0;
        }
    }
    return image;
}

// icotool reads each image from its own bitmap header and ignores the
// directory's copy of the size and depth, which Windows uses to pick the
// image for a place on the screen; so the directory is checked here.
void expectDirectoryEntry(std::span<const std::uint8_t> ico, std::size_t index, const IconImage& image) {
    const std::size_t entry = 6 + 16 * index;
    ASSERT_LE(entry + 16, ico.size());
    EXPECT_EQ(ico[entry], image.colours.width % 256) << "width, 256 stored as 0";
    EXPECT_EQ(ico[entry + 1], image.colours.height % 256) << "height, 256 stored as 0";
    EXPECT_EQ(ico[entry + 2], image.bitsPerPixel == 8 ? 0 : 1 << image.bitsPerPixel) << "colour count";
    EXPECT_EQ(vorn::byte_order::readLe16(ico, entry + 4), 1) << "planes";
    EXPECT_EQ(vorn::byte_order::readLe16(ico, entry + 6), image.bitsPerPixel) << "bits per pixel";
}

TEST(IcoEncoder, EveryImageReadsBackThroughIcotoolWithItsDirectoryEntry) {
    // Odd widths make rows that need padding at every depth.
    const std::vector<IconImage> images = {
        patternImage(3, 2, 1, 2),   patternImage(5, 7, 4, 16),  patternImage(33, 4, 4, 5),
        patternImage(7, 3, 8, 256), patternImage(256, 1, 1, 2),
    };
    const std::vector<std::uint8_t> bytes = vorn::icon::encodeIco(images);
    const std::vector<vorn::test::IcotoolImage> read = vorn::test::readWithIcotool(bytes);

    ASSERT_EQ(read.size(), images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        const IconImage& original = images[i];
        const int width = original.colours.width;
        const int height = original.colours.height;
        // The whole 2^bpp table is written, so icotool counts all of it.
        EXPECT_EQ(read[i].listing, "--icon --index=" + std::to_string(i + 1) + " --width=" + std::to_string(width) +
                                       " --height=" + std::to_string(height) + " --bit-depth=" +
                                       std::to_string(original.bitsPerPixel) + " --palette-size=" +
                                       std::to_string(1 << original.bitsPerPixel));
        expectDirectoryEntry(bytes, i, original);
        const vorn::test::RgbaImage& pixels = read[i].pixels;
        ASSERT_EQ(pixels.width, width);
        ASSERT_EQ(pixels.height, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const bool transparent = original.transparentMask.at(x, y) != 0;
                ASSERT_EQ(pixels.alpha(x, y), transparent ? 0 : 255) << x << ", " << y;
                if (!transparent) {
                    ASSERT_EQ(pixels.colour(x, y), original.palette.at(original.colours.at(x, y))) << x << ", " << y;
                }
            }
        }
    }
}

TEST(IcoEncoder, RejectsImagesAnIconCannotHold) {
    struct Case {
        const char* what;
        IconImage image;
    };
    std::vector<Case> cases;
    cases.push_back({"2 bits per pixel", patternImage(4, 4, 2, 4)});
    cases.push_back({"wider than 256", patternImage(257, 1, 1, 2)});
    cases.push_back({"no pixels", patternImage(0, 0, 1, 2)});
    cases.push_back({"palette larger than 2^bpp", patternImage(4, 4, 1, 3)});
    cases.push_back({"empty palette", patternImage(4, 4, 4, 1)});
    cases.back().image.palette.clear();
    cases.push_back({"index past the palette", patternImage(4, 4, 4, 16)});
    cases.back().image.palette.resize(3);
    cases.push_back({"mask of another size", patternImage(4, 4, 4, 16)});
    cases.back().image.transparentMask = vorn::IndexedImage(4, 3, 0);
    for (const Case& c : cases) {
        const std::vector<IconImage> images = {c.image};
        EXPECT_THROW(vorn::icon::encodeIco(images), std::invalid_argument) << c.what;
    }
    EXPECT_THROW(vorn::icon::encodeIco({}), std::invalid_argument) << "no images";
}

// Catches a PNG entry whose size wraps in the directory's one-byte fields
// (257 would read as 1) or that holds no image at all.
TEST(IcoEncoder, RejectsPngEntriesAnIconCannotHold) {
    const std::vector<std::uint8_t> somePng(8, 0x89);
    const vorn::icon::PngIconEntry cases[] = {{257, somePng}, {0, somePng}, {256, {}}};
    for (const auto& entry : cases) {
        const std::vector<vorn::icon::PngIconEntry> pngs = {entry};
        EXPECT_THROW(vorn::icon::encodeIco({}, pngs), std::invalid_argument) << entry.size << " px";
    }
}

}  // namespace
