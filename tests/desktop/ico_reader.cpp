#include "ico_reader.hpp"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "byte_reader.hpp"

namespace vorn::test {
namespace {

void require(bool condition, const std::string& what) {
    if (!condition) {
        throw std::runtime_error("icon reader: " + what);
    }
}

std::size_t paddedRowBytes(int width, int bitsPerPixel) {
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32) * 4;
}

// Unpacks the value of pixel x from a BMP row, most significant bits first.
std::uint8_t packedValue(std::span<const std::uint8_t> row, int x, int bitsPerPixel) {
    const int perByte = 8 / bitsPerPixel;
    const int shift = 8 - bitsPerPixel * (x % perByte + 1);
    return static_cast<std::uint8_t>((row[static_cast<std::size_t>(x / perByte)] >> shift) & ((1 << bitsPerPixel) - 1));
}

}  // namespace

icon::IconImage readBmpIconImage(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    require(in.u32() == 40, "header size is not 40 (BITMAPINFOHEADER)");
    const auto width = static_cast<int>(in.u32());
    const auto doubledHeight = static_cast<int>(in.u32());
    require(width >= 1 && width <= 256, "width " + std::to_string(width));
    require(doubledHeight >= 2 && doubledHeight <= 512 && doubledHeight % 2 == 0,
            "height field " + std::to_string(doubledHeight) + " is not twice a height of 1..256");
    const int height = doubledHeight / 2;
    require(in.u16() == 1, "planes is not 1");
    const int bpp = in.u16();
    require(bpp == 1 || bpp == 4 || bpp == 8, "bit count " + std::to_string(bpp));
    require(in.u32() == 0, "compression is not BI_RGB");
    const std::uint32_t imageBytes = in.u32();
    in.take(8);  // resolution
    const std::uint32_t coloursUsed = in.u32();
    in.u32();    // important colours
    const std::size_t paletteSize = coloursUsed == 0 ? (std::size_t{1} << bpp) : coloursUsed;
    require(paletteSize <= (std::size_t{1} << bpp), "palette larger than the bit count allows");

    const std::size_t colourRow = paddedRowBytes(width, bpp);
    const std::size_t maskRow = paddedRowBytes(width, 1);
    const std::size_t bitmapBytes = (colourRow + maskRow) * static_cast<std::size_t>(height);
    require(imageBytes == 0 || imageBytes == bitmapBytes, "image size field " + std::to_string(imageBytes) +
                                                              " differs from " + std::to_string(bitmapBytes));

    icon::IconImage image;
    image.bitsPerPixel = bpp;
    for (std::size_t i = 0; i < paletteSize; ++i) {
        const auto quad = in.take(4);
        image.palette.push_back({quad[2], quad[1], quad[0]});
    }
    image.colours = IndexedImage(width, height, 0);
    image.transparentMask = IndexedImage(width, height, 0);
    for (int y = height - 1; y >= 0; --y) {
        const auto row = in.take(colourRow);
        for (int x = 0; x < width; ++x) {
            image.colours.at(x, y) = packedValue(row, x, bpp);
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        const auto row = in.take(maskRow);
        for (int x = 0; x < width; ++x) {
            image.transparentMask.at(x, y) = packedValue(row, x, 1);
        }
    }
    require(in.position() == bytes.size(), "entry has " + std::to_string(bytes.size() - in.position()) +
                                               " bytes past its mask");
    return image;
}

IcoFile readIco(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    require(in.u16() == 0, "reserved field is not 0");
    require(in.u16() == 1, "resource type is not 1 (icon)");
    const int count = in.u16();
    IcoFile file;
    for (int i = 0; i < count; ++i) {
        IcoDirectoryEntry entry;
        entry.width = in.u8();
        entry.height = in.u8();
        entry.colourCount = in.u8();
        require(in.u8() == 0, "directory entry's reserved byte is not 0");
        entry.planes = in.u16();
        entry.bitsPerPixel = in.u16();
        entry.bytes = in.u32();
        entry.offset = in.u32();
        entry.width = entry.width == 0 ? 256 : entry.width;
        entry.height = entry.height == 0 ? 256 : entry.height;
        file.directory.push_back(entry);
    }
    for (const IcoDirectoryEntry& entry : file.directory) {
        ByteReader at(bytes, entry.offset);
        file.images.push_back(readBmpIconImage(at.take(entry.bytes)));
    }
    return file;
}

}  // namespace vorn::test
