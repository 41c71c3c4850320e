#include "frames/frame_records.hpp"

#include <algorithm>

#include "frames/byte_order.hpp"

namespace vorn {
namespace {

std::string hexBytes(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (const std::uint8_t byte : bytes) {
        if (!text.empty()) {
            text += ' ';
        }
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

}  // namespace

void appendFrameRecord(std::vector<std::uint8_t>& out, std::span<const std::uint8_t> bmpFile) {
    out.insert(out.end(), kFrameRecordTag.begin(), kFrameRecordTag.end());
    byte_order::appendLe32(out, static_cast<std::uint32_t>(bmpFile.size()));
    out.insert(out.end(), bmpFile.begin(), bmpFile.end());
}

std::vector<std::span<const std::uint8_t>> splitFrameRecords(std::span<const std::uint8_t> stream) {
    std::vector<std::span<const std::uint8_t>> files;
    while (!stream.empty()) {
        const std::size_t index = files.size();
        if (stream.size() < kFrameRecordHeaderSize) {
            throw FrameRecordError(FrameRecordErrorCode::kTruncatedRecordHeader, index,
                                   "record " + std::to_string(index) + " has only " + std::to_string(stream.size()) +
                                       " bytes, too few for its tag and length");
        }
        const auto tag = stream.first(kFrameRecordTag.size());
        if (!std::equal(tag.begin(), tag.end(), kFrameRecordTag.begin())) {
            throw FrameRecordError(FrameRecordErrorCode::kBadTag, index,
                                   "record " + std::to_string(index) + " has the tag " + hexBytes(tag) +
                                       ", expected " + hexBytes(kFrameRecordTag));
        }
        const std::uint32_t length = byte_order::readLe32(stream, kFrameRecordTag.size());
        const auto body = stream.subspan(kFrameRecordHeaderSize);
        if (length > body.size()) {
            throw FrameRecordError(FrameRecordErrorCode::kLengthPastEnd, index,
                                   "record " + std::to_string(index) + " claims " + std::to_string(length) +
                                       " bytes but only " + std::to_string(body.size()) + " follow");
        }
        files.push_back(body.first(length));
        stream = body.subspan(length);
    }
    return files;
}

}  // namespace vorn
