#include <gtest/gtest.h>

#include <stdexcept>

#include "vorn-icon/icon_image.hpp"
#include "vorn-icon/icon_palettes.hpp"
#include "vorn-icon/window_icon.hpp"

namespace {

using namespace vorn::icon;

IconRole roleAt(const vorn::IndexedImage& roles, int x, int y) { return static_cast<IconRole>(roles.at(x, y)); }

TEST(WindowIcon, ShowsFrameCaptionButtonsAndClientAreaAtBothSizes) {
    struct Case {
        int size;
        int x;
        int y;
        IconRole expected;
    };
    const Case cases[] = {
        // 16 x 16: outline, caption rows 1..4, buttons at the caption's right, client below.
        {16, 0, 0, IconRole::kFrameOutline},
        {16, 15, 0, IconRole::kTransparent},
        {16, 0, 15, IconRole::kTransparent},
        {16, 15, 15, IconRole::kShadow},
        {16, 2, 2, IconRole::kCaption},
        {16, 12, 2, IconRole::kCaptionButton},
        {16, 9, 2, IconRole::kCaptionButton},
        {16, 2, 5, IconRole::kFrameOutline},
        {16, 7, 10, IconRole::kClient},
        {16, 13, 13, IconRole::kClient},
        // 32 x 32: a one-pixel sizing border, caption with a title line and three buttons.
        {32, 0, 0, IconRole::kTransparent},
        {32, 0, 1, IconRole::kFrameOutline},
        {32, 1, 2, IconRole::kFrameFace},
        {32, 2, 3, IconRole::kCaption},
        {32, 5, 6, IconRole::kCaptionText},
        {32, 26, 5, IconRole::kCaptionButton},
        {32, 16, 5, IconRole::kCaptionButton},
        {32, 14, 5, IconRole::kCaptionButton},
        {32, 11, 5, IconRole::kCaption},
        {32, 11, 6, IconRole::kCaption},
        {32, 10, 9, IconRole::kFrameOutline},
        {32, 15, 20, IconRole::kClient},
        {32, 31, 31, IconRole::kShadow},
        {32, 31, 0, IconRole::kTransparent},
        // 24 x 24, the taskbar's size at 100 %: a border, a caption with a title line and three buttons.
        {24, 0, 0, IconRole::kTransparent},
        {24, 0, 1, IconRole::kFrameOutline},
        {24, 1, 2, IconRole::kFrameFace},
        {24, 2, 3, IconRole::kCaption},
        {24, 4, 5, IconRole::kCaptionText},
        {24, 17, 5, IconRole::kCaptionButton},
        {24, 9, 5, IconRole::kCaptionButton},
        {24, 11, 5, IconRole::kCaption},
        {24, 10, 8, IconRole::kFrameOutline},
        {24, 10, 15, IconRole::kClient},
        {24, 23, 23, IconRole::kShadow},
    };
    for (const Case& c : cases) {
        const vorn::IndexedImage roles = drawWindowIcon(c.size);
        ASSERT_EQ(roles.width, c.size);
        ASSERT_EQ(roles.height, c.size);
        EXPECT_EQ(roleAt(roles, c.x, c.y), c.expected) << c.size << " px at (" << c.x << ", " << c.y << ")";
    }
}

TEST(WindowIcon, RejectsSizesWithoutALayout) {
    for (int size : {0, 15, 48, -16}) {
        EXPECT_THROW(drawWindowIcon(size), std::invalid_argument) << size;
    }
}

// Catches a resampled or wrongly based enlargement: every pixel of the larger
// icon must be its source pixel's role, as a whole block.
TEST(WindowIcon, LargerSizesAreWholeNumberEnlargementsOfADrawnOne) {
    const struct {
        int size;
        int drawnAt;
    } cases[] = {{48, 16}, {64, 32}, {128, 32}, {256, 32}};
    for (const auto& c : cases) {
        const vorn::IndexedImage drawn = drawWindowIcon(c.drawnAt);
        const vorn::IndexedImage enlarged = windowIconAt(c.size);
        ASSERT_EQ(enlarged.width, c.size);
        ASSERT_EQ(enlarged.height, c.size);
        const int factor = c.size / c.drawnAt;
        for (int y = 0; y < c.size; ++y) {
            for (int x = 0; x < c.size; ++x) {
                ASSERT_EQ(enlarged.at(x, y), drawn.at(x / factor, y / factor)) << c.size << " px at " << x << ", " << y;
            }
        }
    }
    EXPECT_EQ(windowIconAt(24).pixels, drawWindowIcon(24).pixels) << "24 is drawn, not enlarged";
}

TEST(WindowIcon, RefusesSizesThatNeedResamplingOrDoNotFitAnIconFile) {
    for (int size : {0, 40, 100, 272, 512}) {
        EXPECT_THROW(windowIconAt(size), std::invalid_argument) << size;
    }
}

TEST(RenderIcon, PaintsEachDepthInItsOwnColoursAndMasksOnlyTheTransparentPixels) {
    struct Case {
        IconDepth depth;
        int bitsPerPixel;
        std::size_t paletteSize;
        vorn::Rgb caption;
        vorn::Rgb client;
        vorn::Rgb button;
    };
    const Case cases[] = {
        {IconDepth::kSixteenColours, 4, 16, {0, 0, 170}, {255, 255, 255}, {170, 170, 170}},
        {IconDepth::kMonochrome, 1, 2, {0, 0, 0}, {255, 255, 255}, {255, 255, 255}},
    };
    const vorn::IndexedImage roles = drawWindowIcon(kLargeIconSize);
    for (const Case& c : cases) {
        const IconImage icon = renderIcon(roles, c.depth);
        EXPECT_EQ(icon.bitsPerPixel, c.bitsPerPixel);
        ASSERT_EQ(icon.palette.size(), c.paletteSize);
        const auto colourAt = [&](int x, int y) { return icon.palette.at(icon.colours.at(x, y)); };
        EXPECT_EQ(colourAt(2, 3), c.caption);
        EXPECT_EQ(colourAt(15, 20), c.client);
        EXPECT_EQ(colourAt(26, 5), c.button);
        for (int y = 0; y < roles.height; ++y) {
            for (int x = 0; x < roles.width; ++x) {
                const bool transparent = roleAt(roles, x, y) == IconRole::kTransparent;
                ASSERT_EQ(icon.transparentMask.at(x, y), transparent ? 1 : 0) << x << ", " << y;
                // Masked pixels must be black, or the screen shows through XORed.
                if (transparent) {
                    ASSERT_EQ(icon.colours.at(x, y), 0) << x << ", " << y;
                }
            }
        }
    }
}

TEST(RenderIcon, SixteenColourImageUsesTheVgaPalette) {
    const IconImage icon = renderIcon(drawWindowIcon(kSmallIconSize), IconDepth::kSixteenColours);
    EXPECT_EQ(icon.palette.at(9), (vorn::Rgb{85, 85, 255}));
    EXPECT_EQ(icon.palette.at(6), (vorn::Rgb{170, 85, 0}));
    EXPECT_EQ(icon.palette.at(14), (vorn::Rgb{255, 255, 85}));
}

TEST(RenderIcon, RejectsAPixelThatIsNoRole) {
    vorn::IndexedImage roles(2, 2, 0);
    roles.at(1, 1) = 200;
    EXPECT_THROW(renderIcon(roles, IconDepth::kMonochrome), std::invalid_argument);
}

}  // namespace
