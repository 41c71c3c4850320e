#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "cycle/frame_cycle.hpp"

namespace vorn {

// A frame record carries one frame holder's picture: the tag bytes
// 6C 74 00 00 ("lt" and two zeros), a 4-byte little-endian length N, then
// the N bytes of one BMP file whose bfSize is also N.
inline constexpr std::array<std::uint8_t, 4> kFrameRecordTag = {0x6C, 0x74, 0x00, 0x00};
inline constexpr std::size_t kFrameRecordHeaderSize = 8;

// The holders' order in the window, and so the order of their records:
// Image20 down to Image14, then Image12, Image11, Image13, then Image10 down
// to Image1.
inline constexpr std::array<int, kFrameCount> kHolderNumbersInRecordOrder = {20, 19, 18, 17, 16, 15, 14, 12, 11, 13,
                                                                    10, 9,  8,  7,  6,  5,  4,  3,  2,  1};

enum class FrameRecordErrorCode {
    kTruncatedRecordHeader,  // fewer than 8 bytes left where a record starts
    kBadTag,                 // the tag is not 6C 74 00 00
    kLengthPastEnd,          // N is larger than the bytes that follow
};

// Thrown by splitFrameRecords; what() says which record and why.
class FrameRecordError : public std::runtime_error {
public:
    FrameRecordError(FrameRecordErrorCode code, std::size_t recordIndex, const std::string& message)
        : std::runtime_error(message), code_(code), recordIndex_(recordIndex) {}
    FrameRecordErrorCode code() const { return code_; }
    // 0-based position of the faulty record in the stream.
    std::size_t recordIndex() const { return recordIndex_; }

private:
    FrameRecordErrorCode code_;
    std::size_t recordIndex_;
};

// Appends one record carrying `bmpFile` to `out`.
void appendFrameRecord(std::vector<std::uint8_t>& out, std::span<const std::uint8_t> bmpFile);

// Splits a stream of records laid end to end into their BMP files (views
// into `stream`), in stream order. Checks each record's tag and length;
// whether the BMP inside is sound is the decoder's business. Safe on
// arbitrary bytes. Throws FrameRecordError.
std::vector<std::span<const std::uint8_t>> splitFrameRecords(std::span<const std::uint8_t> stream);

}  // namespace vorn
