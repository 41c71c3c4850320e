// The frame set built from records: each holder gets its own picture, and a
// bad record or a bad holder table is reported by holder name and cause.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "codec_test_support.hpp"
#include "frames/bmp_rle8_encoder.hpp"
#include "frames/frame_records.hpp"
#include "frames/frame_set.hpp"

namespace vorn {
namespace {

using test::Bytes;

// Holder h's picture is filled with palette entry h, so a mix-up shows.
Bytes holderBmp(int holder) { return encodeBmpRle8(test::solidFrame(static_cast<std::uint8_t>(holder))); }

struct RecordSet {
    std::vector<Bytes> bmpFiles;  // in record order
    std::vector<int> holderNumbers{kHolderNumbersInRecordOrder.begin(), kHolderNumbersInRecordOrder.end()};

    RecordSet() {
        for (const int holder : holderNumbers) {
            bmpFiles.push_back(holderBmp(holder));
        }
    }

    Bytes stream() const {
        Bytes records;
        for (const Bytes& file : bmpFiles) {
            appendFrameRecord(records, file);
        }
        return records;
    }
};

TEST(FrameSet, EachHolderGetsThePictureOfItsOwnRecord) {
    const RecordSet set;
    const FrameSet frames = FrameSet::loadFromRecords(set.stream(), set.holderNumbers);
    for (int holder = 1; holder <= 20; ++holder) {
        const IndexedImage& picture = frames.holderPicture(holder);
        ASSERT_EQ(picture.width, kFrameWidth);
        ASSERT_EQ(picture.height, kFrameHeight);
        EXPECT_EQ(picture.at(0, 0), holder);
        EXPECT_EQ(picture.at(kFrameWidth - 1, kFrameHeight - 1), holder);
    }
}

TEST(FrameSet, AskingForAHolderOutside1To20Throws) {
    const RecordSet set;
    const FrameSet frames = FrameSet::loadFromRecords(set.stream(), set.holderNumbers);
    EXPECT_THROW(frames.holderPicture(0), std::out_of_range);
    EXPECT_THROW(frames.holderPicture(21), std::out_of_range);
}

using SetDamage = std::function<void(RecordSet&)>;
using StreamDamage = std::function<void(Bytes&, const RecordSet&)>;

struct BadSetCase {
    std::string name;
    SetDamage damageSet;        // before the records are laid out, or empty
    StreamDamage damageStream;  // to the laid-out bytes, or empty
    std::string expectedMessage;
    int expectedHolder;
};

constexpr std::size_t kWhiteRecordSize = 8 + 5480;

// Record 3 belongs to Image17, record 8 to Image11, record 19 to Image1.
std::vector<BadSetCase> badSetCases() {
    return {
        {"a run past the row end", [](RecordSet& set) { set.bmpFiles[3][bmp::kPixelDataOffset + 4] = 71; }, {},
         "Image17: run past the end of row 549", 17},
        {"bfSize differs from the record length",
         [](RecordSet& set) { set.bmpFiles[8][bmp::field::kFileSize] ^= 1; }, {},
         "Image11: bfSize is 5481 but the file has 5480 bytes", 11},
        {"a bad tag", {}, [](Bytes& stream, const RecordSet&) { stream[3 * kWhiteRecordSize + 1] = 0x75; },
         "Image17: record 3 has the tag 6C 75 00 00, expected 6C 74 00 00", 17},
        {"a length past the end", {}, [](Bytes& stream, const RecordSet&) { stream.pop_back(); },
         "Image1: record 19 claims 5480 bytes but only 5479 follow", 1},
        {"a record too few", {}, [](Bytes& stream, const RecordSet&) { stream.resize(19 * kWhiteRecordSize); },
         "the frame data holds 19 records, expected 20", 0},
        {"a record too many", {},
         [](Bytes& stream, const RecordSet& set) { appendFrameRecord(stream, set.bmpFiles[0]); },
         "the frame data holds 21 records, expected 20", 0},
        {"a holder twice", [](RecordSet& set) { set.holderNumbers[1] = 20; }, {},
         "Image20 is given more than one record", 0},
        {"holder number 21", [](RecordSet& set) { set.holderNumbers[0] = 21; }, {},
         "holder number 21 is not in 1..20", 0},
        {"19 holder numbers", [](RecordSet& set) { set.holderNumbers.pop_back(); }, {},
         "19 holder numbers given, expected 20", 0},
    };
}

TEST(FrameSet, BadRecordsAreReportedByHolderAndCause) {
    for (const auto& testCase : badSetCases()) {
        SCOPED_TRACE(testCase.name);
        RecordSet set;
        if (testCase.damageSet) {
            testCase.damageSet(set);
        }
        Bytes stream = set.stream();
        if (testCase.damageStream) {
            testCase.damageStream(stream, set);
        }
        try {
            FrameSet::loadFromRecords(stream, set.holderNumbers);
            ADD_FAILURE() << "accepted";
        } catch (const FrameSetError& error) {
            EXPECT_EQ(std::string(error.what()), testCase.expectedMessage);
            EXPECT_EQ(error.holderNumber(), testCase.expectedHolder);
        }
    }
}

TEST(FrameSet, AnEmptyStreamIsRejected) {
    const RecordSet set;
    EXPECT_THROW(FrameSet::loadFromRecords({}, set.holderNumbers), FrameSetError);
}

}  // namespace
}  // namespace vorn
