#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <random>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "files/file_bytes.hpp"
#include "frames/bmp_rle8_format.hpp"
#include "frames/indexed_image.hpp"

namespace vorn::test {

using Bytes = std::vector<std::uint8_t>;

using vorn::readFileBytes;

// Little-endian writes into a BMP's header fields, for the tests that patch
// one field of a valid file. They expect `offset + width <= bytes.size()`.
inline void writeLe16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void writeLe32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

inline IndexedImage solidFrame(std::uint8_t index) { return IndexedImage(kFrameWidth, kFrameHeight, index); }

// Pixels drawn from `colourCount` palette entries; few colours give short
// runs of random length, 256 colours give mostly single pixels.
inline IndexedImage randomFrame(unsigned seed, int colourCount) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> index(0, colourCount - 1);
    IndexedImage image = solidFrame(0);
    for (auto& pixel : image.pixels) {
        pixel = static_cast<std::uint8_t>(index(random));
    }
    return image;
}

// The RLE8 codes of one all-white row: 255 + 255 + 70 pixels, end of line.
inline Bytes whiteRowCodes() { return {255, 255, 255, 255, 70, 255, 0, 0}; }

// A frame BMP with the frame headers and palette around `pixelData`, with
// bfSize and biSizeImage set to match it.
inline Bytes bmpWithPixelData(const Bytes& headerSource, const Bytes& pixelData) {
    Bytes file(bmp::kPixelDataOffset + pixelData.size());
    std::copy_n(headerSource.begin(), bmp::kPixelDataOffset, file.begin());
    std::copy(pixelData.begin(), pixelData.end(), file.begin() + static_cast<std::ptrdiff_t>(bmp::kPixelDataOffset));
    writeLe32(file, bmp::field::kFileSize, static_cast<std::uint32_t>(file.size()));
    writeLe32(file, bmp::field::kPixelDataSize, static_cast<std::uint32_t>(pixelData.size()));
    return file;
}

}  // namespace vorn::test
