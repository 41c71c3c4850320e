#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "ico_reader.hpp"
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

TEST(IcoEncoder, EveryImageRoundTripsThroughTheDirectoryAndItsBitmap) {
    // Odd widths make rows that need padding at every depth.
    const std::vector<IconImage> images = {
        patternImage(3, 2, 1, 2),   patternImage(5, 7, 4, 16),  patternImage(33, 4, 4, 5),
        patternImage(7, 3, 8, 256), patternImage(256, 1, 1, 2),
    };
    const std::vector<std::uint8_t> bytes = vorn::icon::encodeIco(images);
    const vorn::test::IcoFile file = vorn::test::readIco(bytes);

    ASSERT_EQ(file.images.size(), images.size());
    std::uint32_t expectedOffset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto& entry = file.directory[i];
        const auto& original = images[i];
        EXPECT_EQ(entry.width, original.colours.width) << i;
        EXPECT_EQ(entry.height, original.colours.height) << i;
        EXPECT_EQ(entry.bitsPerPixel, original.bitsPerPixel) << i;
        EXPECT_EQ(entry.planes, 1) << i;
        EXPECT_EQ(entry.colourCount, original.bitsPerPixel == 8 ? 0 : 1 << original.bitsPerPixel) << i;
        EXPECT_EQ(entry.offset, expectedOffset) << i;
        expectedOffset += entry.bytes;

        const IconImage& decoded = file.images[i];
        EXPECT_EQ(decoded.colours, original.colours) << i;
        EXPECT_EQ(decoded.transparentMask, original.transparentMask) << i;
        // The full 2^bpp table is written; the unused tail is black.
        ASSERT_EQ(decoded.palette.size(), std::size_t{1} << original.bitsPerPixel) << i;
        for (std::size_t c = 0; c < decoded.palette.size(); ++c) {
            const vorn::Rgb expected = c < original.palette.size() ? original.palette[c] : vorn::Rgb{};
            EXPECT_EQ(decoded.palette[c], expected) << i << " colour " << c;
        }
    }
    EXPECT_EQ(expectedOffset, bytes.size());
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

}  // namespace
