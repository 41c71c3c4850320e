#include "fuzz_entry_points.hpp"

#include <stdexcept>
#include <string>

#include "frames/bmp_rle8_decoder.hpp"
#include "frames/bmp_rle8_encoder.hpp"
#include "frames/bmp_rle8_error.hpp"
#include "frames/bmp_rle8_format.hpp"
#include "frames/frame_records.hpp"
#include "frames/frame_set.hpp"

namespace vorn::fuzz {
namespace {

[[noreturn]] void broken(const std::string& what) { throw std::logic_error(what); }

// The files a successful split hands out must tile the stream exactly:
// each one right after its 8-byte tag and length, the next record right
// after it, nothing left over.
void checkSplitTilesStream(std::span<const std::uint8_t> stream,
                           const std::vector<std::span<const std::uint8_t>>& files) {
    const std::uint8_t* expectedStart = stream.data();
    for (const auto& file : files) {
        if (file.data() != expectedStart + kFrameRecordHeaderSize) {
            broken("a split record does not start right after its header");
        }
        expectedStart = file.data() + file.size();
    }
    if (expectedStart != stream.data() + stream.size()) {
        broken("the split records do not end where the stream ends");
    }
}

void checkFrameSetPictures(const FrameSet& set) {
    for (int holder = 1; holder <= kFrameCount; ++holder) {
        const IndexedImage& picture = set.holderPicture(holder);
        if (picture.width != kFrameWidth || picture.height != kFrameHeight) {
            broken("Image" + std::to_string(holder) + " was accepted with the wrong size");
        }
    }
}

InputOutcome checkSplit(std::span<const std::uint8_t> bytes) {
    try {
        checkSplitTilesStream(bytes, splitFrameRecords(bytes));
        return InputOutcome::kAccepted;
    } catch (const FrameRecordError&) {
        return InputOutcome::kRejected;
    }
}

InputOutcome checkFrameSet(std::span<const std::uint8_t> bytes) {
    try {
        checkFrameSetPictures(FrameSet::loadFromRecords(bytes, kHolderNumbersInRecordOrder));
        return InputOutcome::kAccepted;
    } catch (const FrameSetError&) {
        return InputOutcome::kRejected;
    }
}

// An accepted picture must come back unchanged through the encoder, which
// keeps the decoder's rules; a difference means one of the two is wrong.
InputOutcome checkWholeFile(std::span<const std::uint8_t> bytes) {
    try {
        const IndexedImage picture = decodeBmpRle8(bytes);
        if (decodeBmpRle8(encodeBmpRle8(picture)) != picture) {
            broken("a decoded BMP does not survive re-encoding");
        }
        return InputOutcome::kAccepted;
    } catch (const BmpRle8Error&) {
        return InputOutcome::kRejected;
    }
}

void checkPixelDataAlone(std::span<const std::uint8_t> data) {
    try {
        const IndexedImage picture = decodeRle8PixelData(data);
        if (decodeRle8PixelData(encodeRle8PixelData(picture)) != picture) {
            broken("decoded pixel data does not survive re-encoding");
        }
    } catch (const BmpRle8Error&) {
        // A clean rejection is all that is asked of bad pixel data.
    }
}

}  // namespace

InputOutcome checkFrameRecordsInput(std::span<const std::uint8_t> bytes) {
    const InputOutcome split = checkSplit(bytes);
    const InputOutcome set = checkFrameSet(bytes);
    if (set == InputOutcome::kAccepted && split == InputOutcome::kRejected) {
        broken("the frame set accepted records that the record reader rejects");
    }
    return set;
}

InputOutcome checkRle8DecoderInput(std::span<const std::uint8_t> bytes) {
    const InputOutcome wholeFile = checkWholeFile(bytes);
    if (bytes.size() >= bmp::kPixelDataOffset) {
        checkPixelDataAlone(bytes.subspan(bmp::kPixelDataOffset));
    }
    return wholeFile;
}

}  // namespace vorn::fuzz
