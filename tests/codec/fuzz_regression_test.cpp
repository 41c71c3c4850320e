// Replays the fuzzers' regression inputs through the very checks the
// fuzzers run, so a fault a fuzzer once found stays fixed in every build,
// with or without clang.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "../../fuzz/fuzz_entry_points.hpp"
#include "codec_test_support.hpp"
#include "frames/bmp_rle8_decoder.hpp"
#include "frames/bmp_rle8_encoder.hpp"
#include "frames/bmp_rle8_error.hpp"
#include "frames/frame_records.hpp"
#include "frames/frame_set.hpp"

namespace vorn {
namespace {

namespace fs = std::filesystem;
using fuzz::InputOutcome;
using InputCheck = std::function<InputOutcome(std::span<const std::uint8_t>)>;

// tests/codec/data -> the repository root -> fuzz/regressions.
const fs::path kRegressionsDir = fs::path(VORN_TEST_DATA_DIR) / ".." / ".." / ".." / "fuzz" / "regressions";
const fs::path kCorruptDir = fs::path(VORN_TEST_DATA_DIR) / "corrupt";

std::vector<fs::path> inputFiles(const fs::path& directory, const std::string& extension = "") {
    std::vector<fs::path> files;
    if (!fs::is_directory(directory)) {
        return files;
    }
    for (const auto& entry : fs::directory_iterator(directory)) {
        const bool wanted = extension.empty() ? entry.path().extension() != ".md" : entry.path().extension() == extension;
        if (entry.is_regular_file() && wanted) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

struct FuzzTarget {
    std::string name;  // the folder under fuzz/regressions
    InputCheck check;
};

const std::vector<FuzzTarget> kTargets = {
    {"frame_records", fuzz::checkFrameRecordsInput},
    {"rle8_decoder", fuzz::checkRle8DecoderInput},
};

// Every kept input goes through the fuzzer's own check without escaping it.
TEST(FuzzRegressionTest, EveryKeptInputIsAcceptedOrCleanlyRejected) {
    ASSERT_TRUE(fs::is_directory(kRegressionsDir)) << kRegressionsDir << " is missing";
    for (const auto& target : kTargets) {
        const auto inputs = inputFiles(kRegressionsDir / target.name);
        ASSERT_FALSE(inputs.empty()) << "no inputs kept for " << target.name << ": the replay would check nothing";
        for (const auto& path : inputs) {
            EXPECT_NO_THROW(target.check(test::readFileBytes(path))) << target.name << ": " << path.filename();
        }
    }
}

bool namesADecoderError(const std::string& name) {
    for (int code = 0; code <= static_cast<int>(BmpRle8ErrorCode::kTrailingBytes); ++code) {
        if (errorName(static_cast<BmpRle8ErrorCode>(code)) == name) {
            return true;
        }
    }
    return false;
}

// A decoder input named after an error reaches that error, and every error
// has one. (Inputs kept from a crash bear other names; they are replayed only.)
TEST(FuzzRegressionTest, EachDecoderErrorHasAKeptInputThatReachesIt) {
    std::set<std::string> reached;
    for (const auto& path : inputFiles(kRegressionsDir / "rle8_decoder")) {
        const std::string expected = path.stem().string();
        if (!namesADecoderError(expected)) {
            continue;
        }
        try {
            decodeBmpRle8(test::readFileBytes(path));
            ADD_FAILURE() << path.filename() << " decodes";
        } catch (const BmpRle8Error& error) {
            EXPECT_EQ(errorName(error.code()), expected) << error.what();
            reached.insert(std::string(errorName(error.code())));
        }
    }
    for (int code = 0; code <= static_cast<int>(BmpRle8ErrorCode::kTrailingBytes); ++code) {
        const std::string name(errorName(static_cast<BmpRle8ErrorCode>(code)));
        EXPECT_TRUE(reached.contains(name)) << "no kept input reaches " << name;
    }
}

struct RecordInput {
    std::optional<FrameRecordErrorCode> recordError;  // unset: the records split, the frame set refuses them
    int holderNumber;                                 // FrameSetError::holderNumber()
};

const std::map<std::string, RecordInput> kRecordInputs = {
    {"truncated_record_header.bin", {FrameRecordErrorCode::kTruncatedRecordHeader, 0}},
    {"bad_tag.bin", {FrameRecordErrorCode::kBadTag, 0}},
    {"length_past_end.bin", {FrameRecordErrorCode::kLengthPastEnd, 0}},
    {"one_record_short.bin", {std::nullopt, 0}},
    {"first_holder_bmp_truncated.bin", {std::nullopt, kHolderNumbersInRecordOrder[0]}},
};

// Each record or frame set error has its kept input, and reaches it.
TEST(FuzzRegressionTest, EachRecordInputReachesItsError) {
    std::set<std::string> found;
    for (const auto& path : inputFiles(kRegressionsDir / "frame_records")) {
        const std::string name = path.filename().string();
        const auto expected = kRecordInputs.find(name);
        if (expected == kRecordInputs.end()) {
            continue;  // kept from a crash: replayed only
        }
        found.insert(name);
        const test::Bytes bytes = test::readFileBytes(path);
        if (expected->second.recordError) {
            try {
                splitFrameRecords(bytes);
                ADD_FAILURE() << name << " splits";
            } catch (const FrameRecordError& error) {
                EXPECT_EQ(error.code(), *expected->second.recordError) << name << ": " << error.what();
            }
            continue;
        }
        EXPECT_NO_THROW(splitFrameRecords(bytes)) << name;
        try {
            FrameSet::loadFromRecords(bytes, kHolderNumbersInRecordOrder);
            ADD_FAILURE() << name << " makes a frame set";
        } catch (const FrameSetError& error) {
            EXPECT_EQ(error.holderNumber(), expected->second.holderNumber) << name << ": " << error.what();
        }
    }
    for (const auto& [name, input] : kRecordInputs) {
        EXPECT_TRUE(found.contains(name)) << name << " is missing";
    }
}

// The committed corrupt files are rejected by the fuzzers' checks too, and
// are not mistaken for a fault of the checks themselves.
TEST(FuzzRegressionTest, CorruptFilesAreRejectedByTheFuzzChecks) {
    const auto bmps = inputFiles(kCorruptDir, ".bmp");
    const auto records = inputFiles(kCorruptDir, ".bin");
    ASSERT_FALSE(bmps.empty());
    ASSERT_FALSE(records.empty());
    for (const auto& path : bmps) {
        EXPECT_EQ(fuzz::checkRle8DecoderInput(test::readFileBytes(path)), InputOutcome::kRejected) << path.filename();
    }
    for (const auto& path : records) {
        EXPECT_EQ(fuzz::checkFrameRecordsInput(test::readFileBytes(path)), InputOutcome::kRejected)
            << path.filename();
    }
}

// Sound data passes every check, including the re-encoding one, so a check
// that rejects good data (and so would hide faults) is caught here.
TEST(FuzzRegressionTest, SoundFramesAndRecordsAreAccepted) {
    const test::Bytes frame = encodeBmpRle8(test::randomFrame(7, 8));
    EXPECT_EQ(fuzz::checkRle8DecoderInput(frame), InputOutcome::kAccepted);

    test::Bytes records;
    for (std::size_t i = 0; i < kHolderCount; ++i) {
        appendFrameRecord(records, frame);
    }
    EXPECT_EQ(fuzz::checkFrameRecordsInput(records), InputOutcome::kAccepted);

    records.push_back(0);  // a stray byte where the next record would start
    EXPECT_EQ(fuzz::checkFrameRecordsInput(records), InputOutcome::kRejected);
}

}  // namespace
}  // namespace vorn
