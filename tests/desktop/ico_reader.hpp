#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "files/file_bytes.hpp"
#include "vorn-icon/icon_image.hpp"

namespace vorn::test {

// One row of an icon file's directory.
struct IcoDirectoryEntry {
    int width = 0;   // 256 when stored as 0
    int height = 0;
    int colourCount = 0;
    int planes = 0;
    int bitsPerPixel = 0;
    std::uint32_t bytes = 0;
    std::uint32_t offset = 0;
};

struct IcoFile {
    std::vector<IcoDirectoryEntry> directory;
    std::vector<icon::IconImage> images;  // decoded from each entry's bytes
};

// Decodes one BMP-format icon image (BITMAPINFOHEADER with doubled height,
// palette, colour bitmap, AND mask). The format is checked strictly; any
// deviation throws std::runtime_error.
icon::IconImage readBmpIconImage(std::span<const std::uint8_t> bytes);

// Reads an icon file: its directory and every image it points to.
IcoFile readIco(std::span<const std::uint8_t> bytes);

using vorn::readFileBytes;

}  // namespace vorn::test
