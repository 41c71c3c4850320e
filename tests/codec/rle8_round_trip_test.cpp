// Encoding then decoding gives back the same pixels, and the encoder keeps
// the decoder's rules while choosing the short form for each stretch.

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "codec_test_support.hpp"
#include "frames/bmp_rle8_decoder.hpp"
#include "frames/bmp_rle8_encoder.hpp"

namespace vorn {
namespace {

struct RoundTripCase {
    std::string name;
    std::function<IndexedImage()> make;
};

// Each row: runs of 300, 256, 1 and 23 pixels, so runs cross the 255 limit
// by one and by more, and a single pixel sits between long runs.
IndexedImage longRunFrame() {
    IndexedImage image = test::solidFrame(0);
    for (int y = 0; y < kFrameHeight; ++y) {
        for (int x = 0; x < kFrameWidth; ++x) {
            image.at(x, y) = x < 300 ? 35 : x < 556 ? 210 : x < 557 ? 0 : 185;
        }
    }
    return image;
}

IndexedImage alternatingFrame() {
    IndexedImage image = test::solidFrame(0);
    for (int y = 0; y < kFrameHeight; ++y) {
        for (int x = 0; x < kFrameWidth; ++x) {
            image.at(x, y) = (x + y) % 2 == 0 ? 255 : 0;
        }
    }
    return image;
}

// Every row a different mix: a literal stretch of odd length (3, 5, ...),
// pairs of equal pixels, and single pixels at both row ends.
IndexedImage mixedStretchFrame() {
    IndexedImage image = test::solidFrame(255);
    for (int y = 0; y < kFrameHeight; ++y) {
        const int literalLength = 3 + 2 * (y % 150);
        image.at(0, y) = 1;
        for (int x = 10; x < 10 + literalLength; ++x) {
            image.at(x, y) = static_cast<std::uint8_t>(x % 7);
        }
        for (int x = 400; x < 440; ++x) {
            image.at(x, y) = static_cast<std::uint8_t>((x / 2) % 2);
        }
        image.at(kFrameWidth - 1, y) = 2;
    }
    return image;
}

// Every row alternates a single pixel and a pair: runs of 1 and 2 only, so
// the whole row is one stretch that an absolute run holds at a byte a pixel.
IndexedImage singlesAndPairsFrame() {
    IndexedImage image = test::solidFrame(0);
    for (int y = 0; y < kFrameHeight; ++y) {
        for (int x = 0; x < kFrameWidth; ++x) {
            image.at(x, y) = x % 3 == 0 ? 1 : 2;
        }
    }
    return image;
}

std::vector<RoundTripCase> roundTripCases() {
    return {
        {"all white", [] { return test::solidFrame(255); }},
        {"all black", [] { return test::solidFrame(0); }},
        {"long runs across the 255 limit", longRunFrame},
        {"alternating pixels", alternatingFrame},
        {"singles and pairs", singlesAndPairsFrame},
        {"literal stretches of every odd length", mixedStretchFrame},
        {"random, 2 colours", [] { return test::randomFrame(1, 2); }},
        {"random, 8 colours", [] { return test::randomFrame(2, 8); }},
        {"random, 256 colours", [] { return test::randomFrame(3, 256); }},
    };
}

TEST(Rle8RoundTrip, DecodingTheEncodedFileGivesThePicture) {
    for (const auto& testCase : roundTripCases()) {
        SCOPED_TRACE(testCase.name);
        const IndexedImage picture = testCase.make();
        EXPECT_EQ(decodeBmpRle8(encodeBmpRle8(picture)), picture);
    }
}

// Sizes that only the intended run choice gives: 3 codes + end of line per
// white row; one absolute run per 254 alternating pixels instead of 580
// two-byte runs.
TEST(Rle8Encoder, ChoosesTheShortForm) {
    const std::size_t rows = kFrameHeight;
    EXPECT_EQ(encodeRle8PixelData(test::solidFrame(255)).size(), rows * 8 + 2);
    // 254 + 254 + 72 literal pixels, each run with its 2-byte escape, then end of line.
    EXPECT_EQ(encodeRle8PixelData(alternatingFrame()).size(), rows * (256 + 256 + 74 + 2) + 2);
    // Pairs join the single pixels in absolute runs (as encoded runs they
    // would cost 4 bytes for every 3 pixels): the same size as alternating.
    EXPECT_EQ(encodeRle8PixelData(singlesAndPairsFrame()).size(), rows * (256 + 256 + 74 + 2) + 2);
    // 300 = 255 + 45, 256 = 255 + 1, then 1 and 23: six 2-byte runs and end of line.
    EXPECT_EQ(encodeRle8PixelData(longRunFrame()).size(), rows * 14 + 2);
}

TEST(Rle8Encoder, RejectsAPictureOfAnotherSize) {
    EXPECT_THROW(encodeBmpRle8(IndexedImage(579, 550, 0)), std::invalid_argument);
    EXPECT_THROW(encodeBmpRle8(IndexedImage(580, 551, 0)), std::invalid_argument);
}

}  // namespace
}  // namespace vorn
