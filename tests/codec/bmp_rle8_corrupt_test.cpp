// Corrupt inputs: every broken file in data/corrupt/ is rejected with the
// error it is named after, every error has such a file, and damaged data
// never crashes the decoder.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "codec_test_support.hpp"
#include "frames/bmp_rle8_decoder.hpp"
#include "frames/bmp_rle8_encoder.hpp"
#include "frames/bmp_rle8_error.hpp"
#include "frames/frame_records.hpp"
#include "frames/frame_set.hpp"

namespace vorn {
namespace {

using test::Bytes;
using Code = BmpRle8ErrorCode;

namespace fs = std::filesystem;

// Each file is named <error>-<case>: the error it must meet.
const fs::path kCorruptDir = fs::path(VORN_TEST_DATA_DIR) / "corrupt";

std::string expectedError(const fs::path& file) {
    const std::string stem = file.stem().string();
    return stem.substr(0, stem.find('-'));
}

std::vector<fs::path> corruptFiles(const std::string& extension) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(kCorruptDir)) {
        if (entry.path().extension() == extension) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::set<std::string> allDecoderErrors() {
    std::set<std::string> names;
    for (int code = 0; code <= static_cast<int>(Code::kTrailingBytes); ++code) {
        names.insert(std::string(errorName(static_cast<Code>(code))));
    }
    return names;
}

// The frame records' errors, and FrameSetRefused for records that split but
// make no frame set, with the holder the refusal names (0: none).
const std::map<std::string, FrameRecordErrorCode> kRecordErrors = {
    {"TruncatedRecordHeader", FrameRecordErrorCode::kTruncatedRecordHeader},
    {"BadTag", FrameRecordErrorCode::kBadTag},
    {"LengthPastEnd", FrameRecordErrorCode::kLengthPastEnd},
};
const std::map<std::string, int> kRefusedHolder = {
    {"FrameSetRefused-one_record_short.bin", 0},
    {"FrameSetRefused-first_holder_bmp_truncated.bin", kHolderNumbersInRecordOrder[0]},
};

TEST(CorruptBmp, EachFileIsRejectedWithTheErrorItIsNamedAfter) {
    const std::set<std::string> known = allDecoderErrors();
    std::set<std::string> met;
    for (const fs::path& path : corruptFiles(".bmp")) {
        SCOPED_TRACE(path.filename().string());
        const std::string expected = expectedError(path);
        ASSERT_TRUE(known.contains(expected)) << "named after no decoder error: it would test nothing";
        try {
            decodeBmpRle8(test::readFileBytes(path));
            ADD_FAILURE() << "accepted";
        } catch (const BmpRle8Error& error) {
            EXPECT_EQ(errorName(error.code()), expected) << error.what();
            met.insert(expected);
        }
    }
    EXPECT_EQ(met, known) << "every decoder error needs a file that meets it";
}

TEST(CorruptRecords, EachStreamIsRejectedWithTheErrorItIsNamedAfter) {
    std::set<std::string> met;
    for (const fs::path& path : corruptFiles(".bin")) {
        const std::string name = path.filename().string();
        SCOPED_TRACE(name);
        const Bytes stream = test::readFileBytes(path);
        const std::string expected = expectedError(path);
        met.insert(expected);
        if (const auto refused = kRefusedHolder.find(name); refused != kRefusedHolder.end()) {
            EXPECT_NO_THROW(splitFrameRecords(stream));
            try {
                FrameSet::loadFromRecords(stream, kHolderNumbersInRecordOrder);
                ADD_FAILURE() << "makes a frame set";
            } catch (const FrameSetError& error) {
                EXPECT_EQ(error.holderNumber(), refused->second) << error.what();
            }
            continue;
        }
        const auto code = kRecordErrors.find(expected);
        ASSERT_NE(code, kRecordErrors.end()) << "named after no record error: it would test nothing";
        try {
            splitFrameRecords(stream);
            ADD_FAILURE() << "accepted";
        } catch (const FrameRecordError& error) {
            EXPECT_EQ(error.code(), code->second) << error.what();
            EXPECT_EQ(error.recordIndex(), 1U);
        }
    }
    for (const auto& [name, code] : kRecordErrors) {
        EXPECT_TRUE(met.contains(name)) << "no stream meets " << name;
    }
    EXPECT_TRUE(met.contains("FrameSetRefused"));
}

// A file of another kind in the folder would be read by no test.
TEST(CorruptData, TheFolderHoldsOnlyBmpAndRecordFiles) {
    for (const auto& entry : fs::directory_iterator(kCorruptDir)) {
        const fs::path extension = entry.path().extension();
        EXPECT_TRUE(extension == ".bmp" || extension == ".bin") << entry.path().filename();
    }
}

TEST(CorruptBmp, MessagesNameThePlaceOfTheFault) {
    const std::map<std::string, std::string> kMessages = {
        {"RunPastRowEnd-encoded_run.bmp", "run past the end of row 549"},
        {"RowEndedShort-579_pixels.bmp", "row 549 ended after 579 of 580 pixels"},
        {"ImageEndedEarly-10_rows.bmp", "end-of-bitmap after 10 of 550 rows"},
        {"BadDimensions-width_579.bmp", "the picture is 579 x 550, expected 580 x 550"},
        {"UnsupportedHeaderField-four_bits_per_pixel.bmp", "biBitCount is 4, expected 8"},
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
