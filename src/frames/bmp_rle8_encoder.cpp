#include "frames/bmp_rle8_encoder.hpp"

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>

#include "frames/bmp_rle8_format.hpp"
#include "frames/byte_order.hpp"
#include "frames/palette.hpp"

namespace vorn {
namespace {

using Row = std::span<const std::uint8_t>;
using bmp::rle8::kMaxRun;
using bmp::rle8::kMinAbsoluteRun;

// The longest absolute run the encoder writes: even, so it needs no padding.
constexpr std::size_t kMaxAbsoluteRun = kMaxRun - 1;

// An encoded run costs 2 bytes per 255 pixels. Runs of 3 or more are always
// written that way; runs of 1 and 2 may instead join an absolute run at one
// byte per pixel.
constexpr std::size_t kShortRunLimit = 2;

std::size_t sameValueLength(Row row, std::size_t start) {
    std::size_t end = start + 1;
    while (end < row.size() && row[end] == row[start]) {
        ++end;
    }
    return end - start;
}

void appendEncodedRuns(Row pixels, std::vector<std::uint8_t>& out) {
    for (std::size_t x = 0; x < pixels.size();) {
        const std::size_t count = std::min(sameValueLength(pixels, x), kMaxRun);
        out.push_back(static_cast<std::uint8_t>(count));
        out.push_back(pixels[x]);
        x += count;
    }
}

std::size_t encodedRunsSize(Row pixels) {
    std::size_t size = 0;
    for (std::size_t x = 0; x < pixels.size(); x += sameValueLength(pixels, x)) {
        size += 2;  // runs in a stretch of short runs never exceed 255
    }
    return size;
}

void appendAbsoluteRun(Row pixels, std::vector<std::uint8_t>& out) {
    out.push_back(bmp::rle8::kEscape);
    out.push_back(static_cast<std::uint8_t>(pixels.size()));
    out.insert(out.end(), pixels.begin(), pixels.end());
    if (pixels.size() % 2 != 0) {
        out.push_back(0);
    }
}

// Writes a stretch made only of runs of 1 or 2 pixels, in pieces of at most
// 254 pixels, each as an absolute run when that is shorter.
void appendShortRunStretch(Row stretch, std::vector<std::uint8_t>& out) {
    while (!stretch.empty()) {
        const Row piece = stretch.first(std::min(stretch.size(), kMaxAbsoluteRun));
        const std::size_t absoluteSize = 2 + piece.size() + piece.size() % 2;
        if (piece.size() >= kMinAbsoluteRun && absoluteSize < encodedRunsSize(piece)) {
            appendAbsoluteRun(piece, out);
        } else {
            appendEncodedRuns(piece, out);
        }
        stretch = stretch.subspan(piece.size());
    }
}

void appendRow(Row row, std::vector<std::uint8_t>& out) {
    std::size_t x = 0;
    while (x < row.size()) {
        const std::size_t run = sameValueLength(row, x);
        if (run > kShortRunLimit) {
            appendEncodedRuns(row.subspan(x, run), out);
            x += run;
            continue;
        }
        std::size_t end = x;
        while (end < row.size() && sameValueLength(row, end) <= kShortRunLimit) {
            end += sameValueLength(row, end);
        }
        appendShortRunStretch(row.subspan(x, end - x), out);
        x = end;
    }
    out.push_back(bmp::rle8::kEscape);
    out.push_back(bmp::rle8::kEndOfLine);
}

void appendHeaders(std::vector<std::uint8_t>& out, std::uint32_t pixelDataSize) {
    using byte_order::appendLe16;
    using byte_order::appendLe32;
    appendLe16(out, bmp::kSignature);
    appendLe32(out, static_cast<std::uint32_t>(bmp::kPixelDataOffset) + pixelDataSize);
    appendLe16(out, 0);
    appendLe16(out, 0);
    appendLe32(out, static_cast<std::uint32_t>(bmp::kPixelDataOffset));
    appendLe32(out, static_cast<std::uint32_t>(bmp::kInfoHeaderSize));
    appendLe32(out, static_cast<std::uint32_t>(kFrameWidth));
    appendLe32(out, static_cast<std::uint32_t>(kFrameHeight));  // positive: bottom row stored first
    appendLe16(out, bmp::kPlanes);
    appendLe16(out, bmp::kBitsPerPixel);
    appendLe32(out, bmp::kCompressionRle8);
    appendLe32(out, pixelDataSize);
    for (int unusedField = 0; unusedField < 4; ++unusedField) {  // resolutions, colours used and important
        appendLe32(out, 0);
    }
}

void appendPalette(std::vector<std::uint8_t>& out) {
    for (const Rgb& entry : framePalette()) {
        out.insert(out.end(), {entry.blue, entry.green, entry.red, 0});
    }
}

}  // namespace

std::vector<std::uint8_t> encodeRle8PixelData(const IndexedImage& image) {
    const auto width = static_cast<std::size_t>(kFrameWidth);
    if (image.width != kFrameWidth || image.height != kFrameHeight || image.pixels.size() != width * kFrameHeight) {
        throw std::invalid_argument("a frame picture must be " + std::to_string(kFrameWidth) + " x " +
                                    std::to_string(kFrameHeight) + " pixels, not " + std::to_string(image.width) +
                                    " x " + std::to_string(image.height));
    }
    std::vector<std::uint8_t> out;
    out.reserve(32 * 1024);
    const Row pixels(image.pixels);
    for (int y = kFrameHeight - 1; y >= 0; --y) {
        appendRow(pixels.subspan(static_cast<std::size_t>(y) * width, width), out);
    }
    out.push_back(bmp::rle8::kEscape);
    out.push_back(bmp::rle8::kEndOfBitmap);
    return out;
}

std::vector<std::uint8_t> encodeBmpRle8(const IndexedImage& image) {
    const std::vector<std::uint8_t> pixelData = encodeRle8PixelData(image);
    std::vector<std::uint8_t> file;
    file.reserve(bmp::kPixelDataOffset + pixelData.size());
    appendHeaders(file, static_cast<std::uint32_t>(pixelData.size()));
    appendPalette(file);
    file.insert(file.end(), pixelData.begin(), pixelData.end());
    return file;
}

}  // namespace vorn
