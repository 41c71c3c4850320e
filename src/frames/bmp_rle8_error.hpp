#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace vorn {

// Why a BMP RLE8 file was rejected. Each code names one fault, so tests and
// callers can tell faults apart without parsing the message.
enum class BmpRle8ErrorCode {
    kTruncatedHeader,         // fewer bytes than the headers and palette need
    kBadSignature,            // the file does not start with "BM"
    kFileSizeMismatch,        // bfSize differs from the number of bytes given
    kBadPixelDataOffset,      // bfOffBits is not 1078
    kUnsupportedHeaderField,  // a header field other than the values the frames use
    kBadDimensions,           // not kFrameWidth x kFrameHeight stored bottom-up
    kPixelDataSizeMismatch,   // biSizeImage differs from the bytes after the palette
    kPaletteMismatch,         // the palette is not the frame palette
    kTruncatedPixelData,      // the data ends inside a code or an absolute run
    kRunPastRowEnd,           // a run would write past the end of its row
    kTooManyRows,             // pixels or a line end after the last row
    kDeltaCode,               // a delta code, which would leave pixels unwritten
    kRowEndedShort,           // an end-of-line before the row is full
    kImageEndedEarly,         // end-of-bitmap before every row is filled and ended
    kMissingEndOfBitmap,      // the data ends without an end-of-bitmap code
    kTrailingBytes,           // bytes after the end-of-bitmap code
};

std::string_view errorName(BmpRle8ErrorCode code);

// Thrown by the decoder; what() says what was wrong and where, e.g.
// "run past the end of row 12".
class BmpRle8Error : public std::runtime_error {
public:
    BmpRle8Error(BmpRle8ErrorCode code, const std::string& message) : std::runtime_error(message), code_(code) {}
    BmpRle8ErrorCode code() const { return code_; }

private:
    BmpRle8ErrorCode code_;
};

}  // namespace vorn
