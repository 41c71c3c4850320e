#pragma once

#include <cstdint>
#include <span>

// The checks each fuzz target runs on one input. The libFuzzer targets and
// the regression test that replays fuzz/regressions/ call the same
// functions, so a saved crash is replayed exactly as it was found.
//
// Each returns normally when the input is accepted or rejected with the
// parser's own error. Any other exception escapes: the fuzzer turns it into
// a crash report, the test into a failure. A decoded picture that does not
// survive re-encoding throws std::logic_error for the same reason.
namespace vorn::fuzz {

enum class InputOutcome {
    kAccepted,
    kRejected,
};

// Frame records: splitFrameRecords on the bytes, then the frame set made
// from them with the holders in the window's record order.
InputOutcome checkFrameRecordsInput(std::span<const std::uint8_t> bytes);

// The RLE8 decoder: the bytes as a whole frame BMP, and the bytes after the
// BMP headers and palette as pixel data alone (so inserted or removed bytes,
// which the header's size fields reject, still reach the pixel decoder).
// The outcome is the whole-file one.
InputOutcome checkRle8DecoderInput(std::span<const std::uint8_t> bytes);

}  // namespace vorn::fuzz
