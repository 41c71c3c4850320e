#include "frames/bmp_rle8_error.hpp"

namespace vorn {

std::string_view errorName(BmpRle8ErrorCode code) {
    switch (code) {
        case BmpRle8ErrorCode::kTruncatedHeader: return "TruncatedHeader";
        case BmpRle8ErrorCode::kBadSignature: return "BadSignature";
        case BmpRle8ErrorCode::kFileSizeMismatch: return "FileSizeMismatch";
        case BmpRle8ErrorCode::kBadPixelDataOffset: return "BadPixelDataOffset";
        case BmpRle8ErrorCode::kUnsupportedHeaderField: return "UnsupportedHeaderField";
        case BmpRle8ErrorCode::kBadDimensions: return "BadDimensions";
        case BmpRle8ErrorCode::kPixelDataSizeMismatch: return "PixelDataSizeMismatch";
        case BmpRle8ErrorCode::kPaletteMismatch: return "PaletteMismatch";
        case BmpRle8ErrorCode::kTruncatedPixelData: return "TruncatedPixelData";
        case BmpRle8ErrorCode::kRunPastRowEnd: return "RunPastRowEnd";
        case BmpRle8ErrorCode::kTooManyRows: return "TooManyRows";
        case BmpRle8ErrorCode::kDeltaCode: return "DeltaCode";
        case BmpRle8ErrorCode::kRowEndedShort: return "RowEndedShort";
        case BmpRle8ErrorCode::kImageEndedEarly: return "ImageEndedEarly";
        case BmpRle8ErrorCode::kMissingEndOfBitmap: return "MissingEndOfBitmap";
        case BmpRle8ErrorCode::kTrailingBytes: return "TrailingBytes";
    }
    return "Unknown";
}

}  // namespace vorn
