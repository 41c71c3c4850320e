#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "files/file_bytes.hpp"
#include "frames/bmp_rle8_format.hpp"
#include "frames/byte_order.hpp"
#include "frames/indexed_image.hpp"

namespace vorn::test {

using Bytes = std::vector<std::uint8_t>;

using vorn::readFileBytes;

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
    byte_order::writeLe32(file, bmp::field::kFileSize, static_cast<std::uint32_t>(file.size()));
    byte_order::writeLe32(file, bmp::field::kPixelDataSize, static_cast<std::uint32_t>(pixelData.size()));
    return file;
}

}  // namespace vorn::test
