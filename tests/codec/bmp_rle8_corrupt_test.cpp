// Corrupt inputs: every broken file in data/corrupt/ is rejected with the
// error that names its fault, and damaged data never crashes the decoder.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>

#include "codec_test_support.hpp"
#include "frames/bmp_rle8_decoder.hpp"
#include "frames/bmp_rle8_encoder.hpp"
#include "frames/bmp_rle8_error.hpp"
#include "frames/frame_records.hpp"

namespace vorn {
namespace {

using test::Bytes;
using Code = BmpRle8ErrorCode;

const std::filesystem::path kCorruptDir = std::filesystem::path(VORN_TEST_DATA_DIR) / "corrupt";

const std::map<std::string, Code> kExpectedBmpErrors = {
    {"truncated_file_header.bmp", Code::kTruncatedHeader},
    {"truncated_palette.bmp", Code::kTruncatedHeader},
    {"bad_signature.bmp", Code::kBadSignature},
    {"file_size_too_large.bmp", Code::kFileSizeMismatch},
    {"reserved_field_set.bmp", Code::kUnsupportedHeaderField},
    {"pixel_offset_1080.bmp", Code::kBadPixelDataOffset},
    {"info_header_size_124.bmp", Code::kUnsupportedHeaderField},
    {"width_579.bmp", Code::kBadDimensions},
    {"top_down_height.bmp", Code::kBadDimensions},
    {"two_planes.bmp", Code::kUnsupportedHeaderField},
    {"four_bits_per_pixel.bmp", Code::kUnsupportedHeaderField},
    {"uncompressed.bmp", Code::kUnsupportedHeaderField},
    {"resolution_set.bmp", Code::kUnsupportedHeaderField},
    {"colours_used_16.bmp", Code::kUnsupportedHeaderField},
    {"pixel_data_size_wrong.bmp", Code::kPixelDataSizeMismatch},
    {"palette_differs.bmp", Code::kPaletteMismatch},
    {"truncated_in_absolute_run.bmp", Code::kTruncatedPixelData},
    {"truncated_in_code.bmp", Code::kTruncatedPixelData},
    {"run_past_row_end.bmp", Code::kRunPastRowEnd},
    {"absolute_run_past_row_end.bmp", Code::kRunPastRowEnd},
    {"too_many_rows.bmp", Code::kTooManyRows},
    {"delta_code.bmp", Code::kDeltaCode},
    {"row_ended_short.bmp", Code::kRowEndedShort},
    {"image_ended_early.bmp", Code::kImageEndedEarly},
    {"last_line_end_missing.bmp", Code::kImageEndedEarly},
    {"missing_end_of_bitmap.bmp", Code::kMissingEndOfBitmap},
    {"bytes_after_end_of_bitmap.bmp", Code::kTrailingBytes},
};

const std::map<std::string, FrameRecordErrorCode> kExpectedRecordErrors = {
    {"records_truncated_header.bin", FrameRecordErrorCode::kTruncatedRecordHeader},
    {"records_bad_tag.bin", FrameRecordErrorCode::kBadTag},
    {"records_length_past_end.bin", FrameRecordErrorCode::kLengthPastEnd},
};

TEST(CorruptBmp, EachFileIsRejectedWithItsOwnError) {
    for (const auto& [name, expected] : kExpectedBmpErrors) {
        SCOPED_TRACE(name);
        const Bytes file = test::readFileBytes(kCorruptDir / name);
        try {
            decodeBmpRle8(file);
            ADD_FAILURE() << "accepted";
        } catch (const BmpRle8Error& error) {
            EXPECT_EQ(errorName(error.code()), errorName(expected)) << error.what();
        }
    }
}

TEST(CorruptRecords, EachStreamIsRejectedWithItsOwnErrorAtTheSecondRecord) {
    for (const auto& [name, expected] : kExpectedRecordErrors) {
        SCOPED_TRACE(name);
        const Bytes stream = test::readFileBytes(kCorruptDir / name);
        try {
            splitFrameRecords(stream);
            ADD_FAILURE() << "accepted";
        } catch (const FrameRecordError& error) {
            EXPECT_EQ(error.code(), expected) << error.what();
            EXPECT_EQ(error.recordIndex(), 1U);
        }
    }
}

// A file added to the folder without an expected error would test nothing.
TEST(CorruptData, EveryFileInTheFolderHasAnExpectedError) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kCorruptDir)) {
        names.insert(entry.path().filename().string());
    }
    std::set<std::string> expected;
    for (const auto& [name, code] : kExpectedBmpErrors) {
        expected.insert(name);
    }
    for (const auto& [name, code] : kExpectedRecordErrors) {
        expected.insert(name);
    }
    EXPECT_EQ(names, expected);
}

TEST(CorruptBmp, MessagesNameThePlaceOfTheFault) {
    const std::map<std::string, std::string> kMessages = {
        {"run_past_row_end.bmp", "run past the end of row 549"},
        {"row_ended_short.bmp", "row 549 ended after 579 of 580 pixels"},
        {"image_ended_early.bmp", "end-of-bitmap after 10 of 550 rows"},
        {"width_579.bmp", "the picture is 579 x 550, expected 580 x 550"},
        {"four_bits_per_pixel.bmp", "biBitCount is 4, expected 8"},
    };
    for (const auto& [name, message] : kMessages) {
        SCOPED_TRACE(name);
        try {
            decodeBmpRle8(test::readFileBytes(kCorruptDir / name));
            ADD_FAILURE() << "accepted";
        } catch (const BmpRle8Error& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
    }
}

// Each header field whose value the frames fix, changed alone in a sound
// file, is refused by name: a check left out lets a file in whose pixels
// another reader would take differently.
TEST(CorruptBmp, EveryFixedHeaderFieldIsChecked) {
    namespace field = bmp::field;
    const struct {
        const char* name;
        std::size_t offset;
        std::size_t width;
    } fields[] = {
        {"bfReserved1", field::kReserved1, 2},           {"bfReserved2", field::kReserved2, 2},
        {"biSize", field::kInfoHeaderSize, 4},           {"biPlanes", field::kPlanes, 2},
        {"biBitCount", field::kBitsPerPixel, 2},         {"biCompression", field::kCompression, 4},
        {"biXPelsPerMeter", field::kXPixelsPerMetre, 4}, {"biYPelsPerMeter", field::kYPixelsPerMetre, 4},
        {"biClrUsed", field::kColoursUsed, 4},           {"biClrImportant", field::kColoursImportant, 4},
    };
    const Bytes sound = encodeBmpRle8(test::solidFrame(255));
    for (const auto& f : fields) {
        SCOPED_TRACE(f.name);
        Bytes file = sound;
        file[f.offset] ^= 0x10;
        try {
            decodeBmpRle8(file);
            ADD_FAILURE() << "accepted";
        } catch (const BmpRle8Error& error) {
            EXPECT_EQ(error.code(), Code::kUnsupportedHeaderField) << error.what();
            EXPECT_EQ(std::string(error.what()).rfind(f.name, 0), 0U) << error.what();
        }
    }
}

// A white picture whose bottom rows, stored first, are random: their codes
// mix encoded and absolute runs of every parity.
IndexedImage pictureWithRandomBottomRows() {
    const IndexedImage noise = test::randomFrame(7, 3);
    IndexedImage picture = test::solidFrame(255);
    for (int y = kFrameHeight - 4; y < kFrameHeight; ++y) {
        for (int x = 0; x < kFrameWidth; ++x) {
            picture.at(x, y) = noise.at(x, y);
        }
    }
    return picture;
}

// Pixel data cut anywhere (with the sizes in the header made to agree) is
// reported as cut, never read past its end.
TEST(CorruptBmp, EveryTruncationOfThePixelDataIsRejected) {
    const Bytes whole = encodeBmpRle8(pictureWithRandomBottomRows());
    const Bytes pixelData(whole.begin() + static_cast<std::ptrdiff_t>(bmp::kPixelDataOffset), whole.end());
    constexpr std::size_t kEveryByteUpTo = 2000;  // past the random rows
    constexpr std::size_t kStepAfter = 61;        // the white rows all look alike
    for (std::size_t length = 0; length < pixelData.size(); length += length < kEveryByteUpTo ? 1 : kStepAfter) {
        const Bytes cut(pixelData.begin(), pixelData.begin() + static_cast<std::ptrdiff_t>(length));
        try {
            decodeBmpRle8(test::bmpWithPixelData(whole, cut));
            ADD_FAILURE() << "accepted pixel data cut to " << length << " bytes";
        } catch (const BmpRle8Error& error) {
            EXPECT_TRUE(error.code() == Code::kTruncatedPixelData || error.code() == Code::kMissingEndOfBitmap)
                << "cut to " << length << ": " << error.what();
        }
    }
}

// Random damage to the pixel data either decodes or is rejected with a
// BmpRle8Error; under the address sanitizer this also proves no stray access.
TEST(CorruptBmp, RandomlyDamagedPixelDataNeverEscapesTheErrorType) {
    const Bytes whole = encodeBmpRle8(test::randomFrame(11, 4));
    std::mt19937 random(1234);
    std::uniform_int_distribution<std::size_t> position(bmp::kPixelDataOffset, whole.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    int rejected = 0;
    for (int attempt = 0; attempt < 300; ++attempt) {
        Bytes damaged = whole;
        for (int hit = 0; hit < 3; ++hit) {
            damaged[position(random)] = static_cast<std::uint8_t>(byte(random));
        }
        try {
            const IndexedImage image = decodeBmpRle8(damaged);
            EXPECT_EQ(image.pixels.size(), static_cast<std::size_t>(kFrameWidth * kFrameHeight));
        } catch (const BmpRle8Error&) {
            ++rejected;
        }
    }
    EXPECT_GT(rejected, 0);
}

}  // namespace
}  // namespace vorn
