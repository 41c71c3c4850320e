// Draws the program's icon and writes it for both desktops: vorn.ico, which
// Windows uses, and, where built with VORN_ICON_WRITES_PNG, vorn-<size>.png at
// each size the Linux icon theme gets.
//
// vorn.ico starts with the three images every Windows reads (32 x 32
// monochrome, 32 x 32 and 16 x 16 in 16 colours), then holds the sizes
// today's desktops draw at so that none is resampled: 24, 48 and 64 (the
// taskbar at 100, 200 and 250 %) in 16 colours, and 256 (Explorer's largest
// view) as a PNG.
//
// Usage: vorn-icon <output directory> <theme sizes>
// where <theme sizes> lists the PNG sizes, comma-separated ("16,32,256").

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "files/file_bytes.hpp"
#include "run_tool/run_tool.hpp"
#include "vorn-icon/ico_encoder.hpp"
#include "vorn-icon/icon_image.hpp"
#include "vorn-icon/png_writer.hpp"
#include "vorn-icon/window_icon.hpp"

namespace {

using namespace vorn::icon;

constexpr int kPngEntrySize = 256;

IconImage sixteenColourIcon(int size) { return renderIcon(windowIconAt(size), IconDepth::kSixteenColours); }

void writeIco(const std::filesystem::path& directory) {
    const std::array<IconImage, 6> bitmaps = {
        renderIcon(windowIconAt(kLargeIconSize), IconDepth::kMonochrome),
        sixteenColourIcon(kLargeIconSize),
        sixteenColourIcon(kSmallIconSize),
        sixteenColourIcon(24),
        sixteenColourIcon(48),
        sixteenColourIcon(64),
    };
    const std::array<PngIconEntry, 1> pngs = {
        PngIconEntry{kPngEntrySize, encodePng(sixteenColourIcon(kPngEntrySize))},
    };
    vorn::writeFileBytes(directory / "vorn.ico", encodeIco(bitmaps, pngs));
}

std::vector<int> themeSizes(const std::string& list) {
    std::vector<int> sizes;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(',', start), list.size());
        const std::string item = list.substr(start, end - start);
        int size = 0;
        const auto [rest, error] = std::from_chars(item.data(), item.data() + item.size(), size);
        if (error != std::errc{} || rest != item.data() + item.size() || size <= 0) {
            throw std::invalid_argument("theme sizes: \"" + item + "\" is no size in \"" + list + "\"");
        }
        sizes.push_back(size);
        start = end + 1;
    }
    return sizes;
}

void writeThemePngs([[maybe_unused]] const std::filesystem::path& directory, const std::string& sizeList) {
    const std::vector<int> sizes = themeSizes(sizeList);
#if VORN_ICON_WRITES_PNG
    for (const int size : sizes) {
        vorn::writeFileBytes(directory / ("vorn-" + std::to_string(size) + ".png"), encodePng(sixteenColourIcon(size)));
    }
#endif
}

// The program's work, on its arguments.
void run(std::span<char* const> arguments) {
    const std::filesystem::path directory = arguments[0];
    std::filesystem::create_directories(directory);
    writeIco(directory);
    writeThemePngs(directory, arguments[1]);
}

}  // namespace

int main(int argc, char** argv) {
    return vorn::tools::runTool(argc, argv, "vorn-icon", "<output directory> <theme sizes, comma-separated>", 2, run);
}
