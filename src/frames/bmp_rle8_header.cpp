#include "frames/bmp_rle8_header.hpp"

#include <string>

#include "frames/bmp_rle8_error.hpp"
#include "frames/bmp_rle8_format.hpp"
#include "frames/byte_order.hpp"
#include "frames/indexed_image.hpp"
#include "frames/palette.hpp"

namespace vorn {
namespace {

using byte_order::readLe16;
using byte_order::readLe32;

[[noreturn]] void fail(BmpRle8ErrorCode code, const std::string& message) { throw BmpRle8Error(code, message); }

void expectField(std::span<const std::uint8_t> file, std::size_t offset, std::uint32_t width, std::uint32_t expected,
                 const char* name) {
    const std::uint32_t value = width == 2 ? readLe16(file, offset) : readLe32(file, offset);
    if (value != expected) {
        fail(BmpRle8ErrorCode::kUnsupportedHeaderField,
             std::string(name) + " is " + std::to_string(value) + ", expected " + std::to_string(expected));
    }
}

void checkFileHeader(std::span<const std::uint8_t> file) {
    if (readLe16(file, bmp::field::kType) != bmp::kSignature) {
        fail(BmpRle8ErrorCode::kBadSignature, "the file does not start with \"BM\"");
    }
    const std::uint32_t fileSize = readLe32(file, bmp::field::kFileSize);
    if (fileSize != file.size()) {
        fail(BmpRle8ErrorCode::kFileSizeMismatch, "bfSize is " + std::to_string(fileSize) + " but the file has " +
                                                       std::to_string(file.size()) + " bytes");
    }
    expectField(file, bmp::field::kReserved1, 2, 0, "bfReserved1");
    expectField(file, bmp::field::kReserved2, 2, 0, "bfReserved2");
    const std::uint32_t pixelDataOffset = readLe32(file, bmp::field::kPixelDataOffset);
    if (pixelDataOffset != bmp::kPixelDataOffset) {
        fail(BmpRle8ErrorCode::kBadPixelDataOffset, "bfOffBits is " + std::to_string(pixelDataOffset) +
                                                         ", expected " + std::to_string(bmp::kPixelDataOffset));
    }
}

void checkDimensions(std::span<const std::uint8_t> file) {
    // Read as signed: a negative height would mean a top-down picture.
    const auto width = static_cast<std::int32_t>(readLe32(file, bmp::field::kWidth));
    const auto height = static_cast<std::int32_t>(readLe32(file, bmp::field::kHeight));
    if (width != kFrameWidth || height != kFrameHeight) {
        fail(BmpRle8ErrorCode::kBadDimensions, "the picture is " + std::to_string(width) + " x " +
                                                   std::to_string(height) + ", expected " +
                                                   std::to_string(kFrameWidth) + " x " + std::to_string(kFrameHeight));
    }
}

void checkInfoHeader(std::span<const std::uint8_t> file) {
    expectField(file, bmp::field::kInfoHeaderSize, 4, bmp::kInfoHeaderSize, "biSize");
    checkDimensions(file);
    expectField(file, bmp::field::kPlanes, 2, bmp::kPlanes, "biPlanes");
    expectField(file, bmp::field::kBitsPerPixel, 2, bmp::kBitsPerPixel, "biBitCount");
    expectField(file, bmp::field::kCompression, 4, bmp::kCompressionRle8, "biCompression");
    expectField(file, bmp::field::kXPixelsPerMetre, 4, 0, "biXPelsPerMeter");
    expectField(file, bmp::field::kYPixelsPerMetre, 4, 0, "biYPelsPerMeter");
    expectField(file, bmp::field::kColoursUsed, 4, 0, "biClrUsed");
    expectField(file, bmp::field::kColoursImportant, 4, 0, "biClrImportant");
}

void checkPalette(std::span<const std::uint8_t> file) {
    const auto& palette = framePalette();
    for (std::size_t i = 0; i < bmp::kPaletteEntryCount; ++i) {
        const std::size_t at = bmp::kPaletteOffset + i * bmp::kPaletteEntrySize;
        const Rgb& want = palette[i];
        if (file[at] != want.blue || file[at + 1] != want.green || file[at + 2] != want.red || file[at + 3] != 0) {
            fail(BmpRle8ErrorCode::kPaletteMismatch, "palette entry " + std::to_string(i) + " differs from the frame palette");
        }
    }
}

}  // namespace

std::span<const std::uint8_t> checkBmpRle8Header(std::span<const std::uint8_t> file) {
    if (file.size() < bmp::kFileHeaderSize + bmp::kInfoHeaderSize) {
        fail(BmpRle8ErrorCode::kTruncatedHeader,
             "the file has " + std::to_string(file.size()) + " bytes, too few for the BMP headers");
    }
    checkFileHeader(file);
    checkInfoHeader(file);
    if (file.size() < bmp::kPixelDataOffset) {
        fail(BmpRle8ErrorCode::kTruncatedHeader,
             "the file has " + std::to_string(file.size()) + " bytes, too few for the palette");
    }
    const std::size_t pixelDataSize = file.size() - bmp::kPixelDataOffset;
    const std::uint32_t declaredPixelDataSize = readLe32(file, bmp::field::kPixelDataSize);
    if (declaredPixelDataSize != pixelDataSize) {
        fail(BmpRle8ErrorCode::kPixelDataSizeMismatch, "biSizeImage is " + std::to_string(declaredPixelDataSize) +
                                                            " but " + std::to_string(pixelDataSize) +
                                                            " bytes follow the palette");
    }
    checkPalette(file);
    return file.subspan(bmp::kPixelDataOffset);
}

}  // namespace vorn
