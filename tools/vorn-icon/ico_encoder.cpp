#include "vorn-icon/ico_encoder.hpp"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <string>

#include "frames/byte_order.hpp"

namespace vorn::icon {
namespace {

inline constexpr int kMaxIconSide = 256;      // the directory stores sides as one byte, 0 meaning 256
inline constexpr std::size_t kMaxImages = 0xFFFF;  // the directory's image count is 16 bits
inline constexpr std::uint32_t kIconDirSize = 6;
inline constexpr std::uint32_t kIconDirEntrySize = 16;
inline constexpr std::uint32_t kBitmapInfoHeaderSize = 40;
inline constexpr std::uint16_t kIconResourceType = 1;

void putU8(std::vector<std::uint8_t>& out, std::uint32_t value) { out.push_back(static_cast<std::uint8_t>(value)); }

void putU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    byte_order::appendLe16(out, static_cast<std::uint16_t>(value));
}

void putU32(std::vector<std::uint8_t>& out, std::uint32_t value) { byte_order::appendLe32(out, value); }

// Bytes in one bitmap row of `width` pixels at `bitsPerPixel`, padded to a
// 4-byte boundary as BMP rows are.
std::uint32_t paddedRowBytes(int width, int bitsPerPixel) {
    return ((static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bitsPerPixel) + 31) / 32) * 4;
}

void requireValid(const IconImage& image, std::size_t number) {
    const auto fail = [number](const std::string& what) {
        throw std::invalid_argument("ico encoder: image " + std::to_string(number) + ": " + what);
    };
    const int bpp = image.bitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 8) {
        fail(std::to_string(bpp) + " bits per pixel (only 1, 4 and 8 are written)");
    }
    const IndexedImage& colours = image.colours;
    if (colours.width < 1 || colours.width > kMaxIconSide || colours.height < 1 || colours.height > kMaxIconSide) {
        fail("size " + std::to_string(colours.width) + " x " + std::to_string(colours.height) +
             " outside 1..256");
    }
    if (colours.pixels.size() != static_cast<std::size_t>(colours.width) * static_cast<std::size_t>(colours.height)) {
        fail("pixel count does not match its size");
    }
    if (image.transparentMask.width != colours.width || image.transparentMask.height != colours.height ||
        image.transparentMask.pixels.size() != colours.pixels.size()) {
        fail("transparency mask differs in size from the colours");
    }
    const std::size_t maxColours = std::size_t{1} << bpp;
    if (image.palette.empty() || image.palette.size() > maxColours) {
        fail("palette of " + std::to_string(image.palette.size()) + " colours at " + std::to_string(bpp) + " bpp");
    }
    const auto highest = std::max_element(colours.pixels.begin(), colours.pixels.end());
    if (*highest >= image.palette.size()) {
        fail("colour index " + std::to_string(*highest) + " outside a palette of " +
             std::to_string(image.palette.size()));
    }
}

std::uint32_t entryBytes(const IconImage& image) {
    const auto rows = static_cast<std::uint32_t>(image.colours.height);
    const auto paletteBytes = (std::uint32_t{1} << image.bitsPerPixel) * 4;
    return kBitmapInfoHeaderSize + paletteBytes + rows * paddedRowBytes(image.colours.width, image.bitsPerPixel) +
           rows * paddedRowBytes(image.colours.width, 1);
}

void putDirectoryEntry(std::vector<std::uint8_t>& out, const IconImage& image, std::uint32_t offset) {
    putU8(out, static_cast<std::uint32_t>(image.colours.width) & 0xFF);  // 256 is stored as 0
    putU8(out, static_cast<std::uint32_t>(image.colours.height) & 0xFF);
    putU8(out, image.bitsPerPixel < 8 ? (1U << image.bitsPerPixel) : 0);  // 0 means 256 or more colours
    putU8(out, 0);                                                        // reserved
    putU16(out, 1);                                                       // colour planes
    putU16(out, static_cast<std::uint32_t>(image.bitsPerPixel));
    putU32(out, entryBytes(image));
    putU32(out, offset);
}

// Packs one row of values of `bitsPerPixel` bits, most significant bits
// first, as BMP stores them, then pads the row to 4 bytes.
template <typename ValueOf>
void putPackedRow(std::vector<std::uint8_t>& out, int width, int bitsPerPixel, ValueOf valueOf) {
    const std::size_t rowStart = out.size();
    out.resize(rowStart + paddedRowBytes(width, bitsPerPixel), 0);
    const int pixelsPerByte = 8 / bitsPerPixel;
    for (int x = 0; x < width; ++x) {
        const int shift = 8 - bitsPerPixel * (x % pixelsPerByte + 1);
        out[rowStart + static_cast<std::size_t>(x / pixelsPerByte)] |=
            static_cast<std::uint8_t>(valueOf(x) << shift);
    }
}

void putImage(std::vector<std::uint8_t>& out, const IconImage& image) {
    const int width = image.colours.width;
    const int height = image.colours.height;
    const std::uint32_t colourBytes = static_cast<std::uint32_t>(height) * paddedRowBytes(width, image.bitsPerPixel);
    const std::uint32_t maskBytes = static_cast<std::uint32_t>(height) * paddedRowBytes(width, 1);

    putU32(out, kBitmapInfoHeaderSize);
    putU32(out, static_cast<std::uint32_t>(width));
    putU32(out, static_cast<std::uint32_t>(height) * 2);  // colour bitmap and mask stacked
    putU16(out, 1);                                        // planes
    putU16(out, static_cast<std::uint32_t>(image.bitsPerPixel));
    putU32(out, 0);  // BI_RGB: uncompressed
    putU32(out, colourBytes + maskBytes);
    putU32(out, 0);  // horizontal resolution: unused in icons
    putU32(out, 0);  // vertical resolution
    putU32(out, 0);  // colours used: 0 means the full 2^bpp table follows
    putU32(out, 0);  // important colours: all

    const std::size_t tableSize = std::size_t{1} << image.bitsPerPixel;
    for (std::size_t i = 0; i < tableSize; ++i) {
        const Rgb colour = i < image.palette.size() ? image.palette[i] : Rgb{};
        putU8(out, colour.blue);
        putU8(out, colour.green);
        putU8(out, colour.red);
        putU8(out, 0);
    }
    for (int y = height - 1; y >= 0; --y) {
        putPackedRow(out, width, image.bitsPerPixel, [&](int x) { return image.colours.at(x, y); });
    }
    for (int y = height - 1; y >= 0; --y) {
        putPackedRow(out, width, 1, [&](int x) { return image.transparentMask.at(x, y) != 0 ? 1 : 0; });
    }
}

void requireValid(const PngIconEntry& entry, std::size_t number) {
    if (entry.size < 1 || entry.size > kMaxIconSide || entry.png.empty()) {
        throw std::invalid_argument("ico encoder: PNG entry " + std::to_string(number) + ": " +
                                    std::to_string(entry.png.size()) + " bytes at size " + std::to_string(entry.size) +
                                    " (needs bytes, and a size of 1..256)");
    }
}

// A PNG entry's directory line: the colour count and depth fields describe
// the bitmap an entry would decode to, 32-bit RGBA.
void putDirectoryEntry(std::vector<std::uint8_t>& out, const PngIconEntry& entry, std::uint32_t offset) {
    putU8(out, static_cast<std::uint32_t>(entry.size) & 0xFF);
    putU8(out, static_cast<std::uint32_t>(entry.size) & 0xFF);
    putU8(out, 0);   // colours: 0, not a palette image
    putU8(out, 0);   // reserved
    putU16(out, 1);  // colour planes
    putU16(out, 32);
    putU32(out, static_cast<std::uint32_t>(entry.png.size()));
    putU32(out, offset);
}

}  // namespace

std::vector<std::uint8_t> encodeIco(std::span<const IconImage> images, std::span<const PngIconEntry> pngs) {
    const std::size_t entries = images.size() + pngs.size();
    if (entries == 0 || entries > kMaxImages) {
        throw std::invalid_argument("ico encoder: " + std::to_string(entries) + " images (an icon holds 1..65535)");
    }
    for (std::size_t i = 0; i < images.size(); ++i) {
        requireValid(images[i], i);
    }
    for (std::size_t i = 0; i < pngs.size(); ++i) {
        requireValid(pngs[i], i);
    }

    std::vector<std::uint8_t> out;
    putU16(out, 0);  // reserved
    putU16(out, kIconResourceType);
    putU16(out, static_cast<std::uint32_t>(entries));

    std::uint32_t offset = kIconDirSize + kIconDirEntrySize * static_cast<std::uint32_t>(entries);
    for (const IconImage& image : images) {
        putDirectoryEntry(out, image, offset);
        offset += entryBytes(image);
    }
    for (const PngIconEntry& entry : pngs) {
        putDirectoryEntry(out, entry, offset);
        offset += static_cast<std::uint32_t>(entry.png.size());
    }
    for (const IconImage& image : images) {
        putImage(out, image);
    }
    for (const PngIconEntry& entry : pngs) {
        out.insert(out.end(), entry.png.begin(), entry.png.end());
    }
    return out;
}

}  // namespace vorn::icon
