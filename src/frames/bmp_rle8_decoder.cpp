#include "frames/bmp_rle8_decoder.hpp"

#include <algorithm>
#include <string>
#include <utility>

#include "frames/bmp_rle8_error.hpp"
#include "frames/bmp_rle8_format.hpp"
#include "frames/bmp_rle8_header.hpp"

namespace vorn {
namespace {

using bmp::rle8::kDelta;
using bmp::rle8::kEndOfBitmap;
using bmp::rle8::kEndOfLine;
using bmp::rle8::kEscape;

[[noreturn]] void fail(BmpRle8ErrorCode code, const std::string& message) { throw BmpRle8Error(code, message); }

// Walks the codes once, writing each stored row (bottom row first) into the
// picture. Every write is checked against the row end before it happens.
class Rle8PixelDecoder {
public:
    explicit Rle8PixelDecoder(std::span<const std::uint8_t> data)
        : data_(data), image_(kFrameWidth, kFrameHeight, kUnfilled) {}

    IndexedImage decode() {
        while (state_ != State::kFinished) {
            decodeCode();
        }
        return std::move(image_);
    }

private:
    enum class State {
        kInRow,        // filling stored row `storedRow_`
        kAfterLastRow, // every row ended; only end-of-bitmap may follow
        kFinished,     // end-of-bitmap read at the end of the data
    };

    void decodeCode() {
        if (position_ == data_.size()) {
            fail(BmpRle8ErrorCode::kMissingEndOfBitmap, "the pixel data ends without an end-of-bitmap code");
        }
        const std::uint8_t count = takeByte();
        const std::uint8_t value = takeByte();
        if (count != kEscape) {
            encodedRun(count, value);
        } else if (value == kEndOfLine) {
            endLine();
        } else if (value == kEndOfBitmap) {
            endBitmap();
        } else if (value == kDelta) {
            fail(BmpRle8ErrorCode::kDeltaCode, "delta code " + where());
        } else {
            absoluteRun(value);
        }
    }

    void encodedRun(std::size_t count, std::uint8_t index) {
        std::fill_n(reserveRun(count), count, index);
    }

    void absoluteRun(std::size_t count) {
        const std::size_t padded = count + (count % 2);
        if (data_.size() - position_ < padded) {
            fail(BmpRle8ErrorCode::kTruncatedPixelData,
                 "the pixel data ends inside an absolute run " + where());
        }
        std::copy_n(data_.begin() + static_cast<std::ptrdiff_t>(position_), count, reserveRun(count));
        position_ += padded;
    }

    // Checks that `count` pixels fit in the current row and returns where they go.
    std::uint8_t* reserveRun(std::size_t count) {
        expectRowOpen("pixels");
        if (count > static_cast<std::size_t>(kFrameWidth - x_)) {
            fail(BmpRle8ErrorCode::kRunPastRowEnd, "run past the end of row " + std::to_string(pictureRow()));
        }
        std::uint8_t* start = &image_.at(x_, pictureRow());
        x_ += static_cast<int>(count);
        return start;
    }

    void endLine() {
        expectRowOpen("end-of-line");
        if (x_ != kFrameWidth) {
            fail(BmpRle8ErrorCode::kRowEndedShort, "row " + std::to_string(pictureRow()) + " ended after " +
                                                       std::to_string(x_) + " of " + std::to_string(kFrameWidth) +
                                                       " pixels");
        }
        x_ = 0;
        ++storedRow_;
        if (storedRow_ == kFrameHeight) {
            state_ = State::kAfterLastRow;
        }
    }

    void endBitmap() {
        if (state_ != State::kAfterLastRow) {
            fail(BmpRle8ErrorCode::kImageEndedEarly, "end-of-bitmap after " + std::to_string(storedRow_) + " of " +
                                                         std::to_string(kFrameHeight) + " rows");
        }
        if (position_ != data_.size()) {
            fail(BmpRle8ErrorCode::kTrailingBytes,
                 std::to_string(data_.size() - position_) + " bytes follow the end-of-bitmap code");
        }
        state_ = State::kFinished;
    }

    void expectRowOpen(const char* what) const {
        if (state_ == State::kAfterLastRow) {
            fail(BmpRle8ErrorCode::kTooManyRows,
                 std::string(what) + " after the last of " + std::to_string(kFrameHeight) + " rows");
        }
    }

    std::uint8_t takeByte() {
        if (position_ == data_.size()) {
            fail(BmpRle8ErrorCode::kTruncatedPixelData,
                 "the pixel data ends inside a code " + where());
        }
        return data_[position_++];
    }

    std::string where() const {
        return state_ == State::kInRow ? "in row " + std::to_string(pictureRow()) : "after the last row";
    }

    // Stored rows run bottom-up; the picture and the messages count from the top.
    int pictureRow() const { return kFrameHeight - 1 - storedRow_; }

    std::span<const std::uint8_t> data_;
    IndexedImage image_;
    State state_ = State::kInRow;
    std::size_t position_ = 0;
    int storedRow_ = 0;
    int x_ = 0;
};

}  // namespace

IndexedImage decodeRle8PixelData(std::span<const std::uint8_t> data) { return Rle8PixelDecoder(data).decode(); }

IndexedImage decodeBmpRle8(std::span<const std::uint8_t> file) {
    return decodeRle8PixelData(checkBmpRle8Header(file));
}

}  // namespace vorn
