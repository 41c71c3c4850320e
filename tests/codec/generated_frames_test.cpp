// The frames the build generated: Image1.bmp .. Image20.bmp in the build
// tree and the records embedded in the program.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "codec_test_support.hpp"
#include "frames/bmp_rle8_decoder.hpp"
#include "frames/byte_order.hpp"
#include "frames/embedded_frames.hpp"
#include "frames/frame_drawing.hpp"
#include "frames/frame_records.hpp"
#include "frames/frame_set.hpp"
#include "frames/palette.hpp"

namespace vorn {
namespace {

using test::Bytes;

Bytes holderFile(int holder) {
    return test::readFileBytes(std::filesystem::path(VORN_GENERATED_FRAMES_DIR) /
                               ("Image" + std::to_string(holder) + ".bmp"));
}

struct HeaderField {
    const char* name;
    std::size_t offset;
    std::size_t width;
    std::uint32_t value;
};

// Every header field except the two sizes, which are checked against the file.
constexpr HeaderField kFixedFields[] = {
    {"bfType", 0, 2, 0x4D42},         {"bfReserved1", 6, 2, 0},     {"bfReserved2", 8, 2, 0},
    {"bfOffBits", 10, 4, 1078},       {"biSize", 14, 4, 40},        {"biWidth", 18, 4, 580},
    {"biHeight", 22, 4, 550},         {"biPlanes", 26, 2, 1},       {"biBitCount", 28, 2, 8},
    {"biCompression", 30, 4, 1},      {"biXPelsPerMeter", 38, 4, 0}, {"biYPelsPerMeter", 42, 4, 0},
    {"biClrUsed", 46, 4, 0},          {"biClrImportant", 50, 4, 0},
};

std::uint32_t readField(const Bytes& file, std::size_t offset, std::size_t width) {
    return width == 2 ? byte_order::readLe16(file, offset) : byte_order::readLe32(file, offset);
}

TEST(GeneratedFrames, EveryFileHasTheFrameHeaderAndSizes) {
    for (int holder = 1; holder <= 20; ++holder) {
        SCOPED_TRACE("Image" + std::to_string(holder));
        const Bytes file = holderFile(holder);
        ASSERT_GT(file.size(), 1078U);
        for (const HeaderField& field : kFixedFields) {
            EXPECT_EQ(readField(file, field.offset, field.width), field.value) << field.name;
        }
        EXPECT_EQ(byte_order::readLe32(file, 2), file.size()) << "bfSize";
        EXPECT_EQ(byte_order::readLe32(file, 34), file.size() - 1078) << "biSizeImage";
    }
}

TEST(GeneratedFrames, EveryFileCarriesTheFramePaletteAsBlueGreenRedZero) {
    for (int holder = 1; holder <= 20; ++holder) {
        SCOPED_TRACE("Image" + std::to_string(holder));
        const Bytes file = holderFile(holder);
        ASSERT_GT(file.size(), 1078U);
        for (std::size_t i = 0; i < 256; ++i) {
            const Rgb& colour = framePalette()[i];
            const std::size_t at = 54 + 4 * i;
            const std::vector<std::uint8_t> entry(file.begin() + static_cast<std::ptrdiff_t>(at),
                                                  file.begin() + static_cast<std::ptrdiff_t>(at + 4));
            EXPECT_EQ(entry, (std::vector<std::uint8_t>{colour.blue, colour.green, colour.red, 0})) << "entry " << i;
        }
    }
}

// The size of `picture`'s pixel data written as plain encoded runs: each
// row's runs of equal pixels in pieces of at most 255, then end of line; end
// of bitmap last. The encoder must never do worse.
std::size_t plainRunsSize(const IndexedImage& picture) {
    std::size_t size = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width;) {
            int end = x + 1;
            while (end < picture.width && picture.at(end, y) == picture.at(x, y)) {
                ++end;
            }
            size += 2 * static_cast<std::size_t>((end - x + 254) / 255);
            x = end;
        }
        size += 2;
    }
    return size + 2;
}

// No file is larger than its picture written as plain runs: an encoder that
// splits runs, pads them or chooses absolute runs where they cost more makes
// some file larger, yet still round-trips. (The drawn frames, flat fills,
// have no stretch where an absolute run is shorter, so today each file is
// exactly that size.)
TEST(GeneratedFrames, NoFileIsLargerThanItsPictureInPlainRuns) {
    for (int holder = 1; holder <= 20; ++holder) {
        SCOPED_TRACE("Image" + std::to_string(holder));
        const Bytes file = holderFile(holder);
        EXPECT_LE(file.size(), bmp::kPixelDataOffset + plainRunsSize(drawFrame(frameOfHolder(holder))));
    }
}

// Holder h carries frame h - 1 exactly as drawn, 550 rows of 580 pixels.
TEST(GeneratedFrames, EveryFileDecodesToItsDrawnFrame) {
    for (int holder = 1; holder <= 20; ++holder) {
        SCOPED_TRACE("Image" + std::to_string(holder));
        const IndexedImage picture = decodeBmpRle8(holderFile(holder));
        EXPECT_EQ(picture.width, 580);
        EXPECT_EQ(picture.height, 550);
        EXPECT_TRUE(picture == drawFrame(frameOfHolder(holder)));
    }
}

TEST(EmbeddedRecords, AreInWindowOrderAndCarryTheGeneratedFiles) {
    const std::vector<int> expectedOrder = {20, 19, 18, 17, 16, 15, 14, 12, 11, 13,
                                            10, 9,  8,  7,  6,  5,  4,  3,  2,  1};
    const auto holders = embeddedFrameHolderNumbers();
    ASSERT_EQ(std::vector<int>(holders.begin(), holders.end()), expectedOrder);

    const auto stream = embeddedFrameRecords();
    std::size_t at = 0;
    for (const int holder : expectedOrder) {
        SCOPED_TRACE("Image" + std::to_string(holder));
        ASSERT_LE(at + 8, stream.size());
        EXPECT_EQ(Bytes(stream.begin() + static_cast<std::ptrdiff_t>(at), stream.begin() + static_cast<std::ptrdiff_t>(at + 4)),
                  (Bytes{0x6C, 0x74, 0x00, 0x00}));
        const std::uint32_t length = byte_order::readLe32(stream, at + 4);
        const Bytes file = holderFile(holder);
        ASSERT_EQ(length, file.size());
        ASSERT_LE(at + 8 + length, stream.size());
        const auto body = stream.subspan(at + 8, length);
        EXPECT_EQ(byte_order::readLe32(body, 2), length) << "bfSize";
        EXPECT_TRUE(std::equal(body.begin(), body.end(), file.begin()));
        at += 8 + length;
    }
    EXPECT_EQ(at, stream.size());
}

TEST(EmbeddedRecords, LoadIntoTheDrawnFrames) {
    const FrameSet frames = FrameSet::loadEmbedded();
    for (int holder = 1; holder <= 20; ++holder) {
        SCOPED_TRACE("Image" + std::to_string(holder));
        EXPECT_TRUE(frames.holderPicture(holder) == drawFrame(frameOfHolder(holder)));
    }
}

}  // namespace
}  // namespace vorn
