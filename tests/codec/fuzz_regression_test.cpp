// Replays the fuzzers' regression inputs through the very checks the
// fuzzers run, so a fault a fuzzer once found stays fixed in every build,
// with or without clang.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../../fuzz/fuzz_entry_points.hpp"
#include "codec_test_support.hpp"
#include "frames/bmp_rle8_decoder.hpp"
#include "frames/bmp_rle8_encoder.hpp"
#include "frames/frame_records.hpp"

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
// The folders hold only what a fuzzer found, and may be empty.
TEST(FuzzRegressionTest, EveryKeptInputIsAcceptedOrCleanlyRejected) {
    ASSERT_TRUE(fs::is_directory(kRegressionsDir)) << kRegressionsDir << " is missing";
    for (const auto& target : kTargets) {
        for (const auto& path : inputFiles(kRegressionsDir / target.name)) {
            EXPECT_NO_THROW(target.check(test::readFileBytes(path))) << target.name << ": " << path.filename();
        }
    }
}

// The committed corrupt files, the fuzzers' seeds too, are rejected by the
// fuzzers' checks, and not mistaken for a fault of the checks themselves.
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
    for (std::size_t i = 0; i < std::size_t{kFrameCount}; ++i) {
        appendFrameRecord(records, frame);
    }
    EXPECT_EQ(fuzz::checkFrameRecordsInput(records), InputOutcome::kAccepted);

    records.push_back(0);  // a stray byte where the next record would start
    EXPECT_EQ(fuzz::checkFrameRecordsInput(records), InputOutcome::kRejected);
}

}  // namespace
}  // namespace vorn
