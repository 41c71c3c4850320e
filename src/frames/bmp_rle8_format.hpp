#pragma once

#include <cstddef>
#include <cstdint>

// The one BMP layout the frames are stored in: a 14-byte file header, a
// 40-byte info header, a 256-entry palette, then RLE8 pixel data for a
// kFrameWidth x kFrameHeight picture stored bottom row first. Both the encoder and the decoder
// use these names, so the two cannot disagree about a field.
namespace vorn::bmp {

inline constexpr std::size_t kFileHeaderSize = 14;
inline constexpr std::size_t kInfoHeaderSize = 40;
inline constexpr std::size_t kPaletteEntryCount = 256;
inline constexpr std::size_t kPaletteEntrySize = 4;  // blue, green, red, 0
inline constexpr std::size_t kPaletteOffset = kFileHeaderSize + kInfoHeaderSize;
inline constexpr std::size_t kPixelDataOffset = kPaletteOffset + kPaletteEntryCount * kPaletteEntrySize;  // 1078

inline constexpr std::uint16_t kSignature = 0x4D42;  // "BM" read little-endian
inline constexpr std::uint16_t kPlanes = 1;
inline constexpr std::uint16_t kBitsPerPixel = 8;
inline constexpr std::uint32_t kCompressionRle8 = 1;

// Byte offsets of the header fields.
namespace field {
inline constexpr std::size_t kType = 0;
inline constexpr std::size_t kFileSize = 2;
inline constexpr std::size_t kReserved1 = 6;
inline constexpr std::size_t kReserved2 = 8;
inline constexpr std::size_t kPixelDataOffset = 10;
inline constexpr std::size_t kInfoHeaderSize = 14;
inline constexpr std::size_t kWidth = 18;
inline constexpr std::size_t kHeight = 22;
inline constexpr std::size_t kPlanes = 26;
inline constexpr std::size_t kBitsPerPixel = 28;
inline constexpr std::size_t kCompression = 30;
inline constexpr std::size_t kPixelDataSize = 34;
inline constexpr std::size_t kXPixelsPerMetre = 38;
inline constexpr std::size_t kYPixelsPerMetre = 42;
inline constexpr std::size_t kColoursUsed = 46;
inline constexpr std::size_t kColoursImportant = 50;
}  // namespace field

// RLE8 codes. A pair (count > 0, value) is an encoded run; a pair (0, code)
// is an escape: end of line, end of bitmap, delta, or an absolute run of
// `code` literal indices padded to an even byte count.
namespace rle8 {
inline constexpr std::uint8_t kEscape = 0;
inline constexpr std::uint8_t kEndOfLine = 0;
inline constexpr std::uint8_t kEndOfBitmap = 1;
inline constexpr std::uint8_t kDelta = 2;
inline constexpr std::size_t kMinAbsoluteRun = 3;  // shorter counts are the escapes above
inline constexpr std::size_t kMaxRun = 255;        // a count is one byte
}  // namespace rle8

}  // namespace vorn::bmp
