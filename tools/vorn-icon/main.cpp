// Draws the program's icon and writes it for both desktops: vorn.ico (the
// three images Windows uses: 32 x 32 monochrome, 32 x 32 and 16 x 16 in 16
// colours) and, where built with VORN_ICON_WRITES_PNG, vorn-16.png and
// vorn-32.png (the 16-colour images, for the Linux icon theme and the Qt
// window's own icon).
//
// Usage: vorn-icon <output directory>

#include <array>
#include <filesystem>
#include <span>
#include <vector>

#include "files/file_bytes.hpp"
#include "run_tool/run_tool.hpp"
#include "vorn-icon/ico_encoder.hpp"
#include "vorn-icon/icon_image.hpp"
#if VORN_ICON_WRITES_PNG
#include "vorn-icon/png_writer.hpp"
#endif
#include "vorn-icon/window_icon.hpp"

namespace {

using namespace vorn::icon;

void writeIcons(const std::filesystem::path& directory) {
    std::filesystem::create_directories(directory);
    const vorn::IndexedImage large = drawWindowIcon(kLargeIconSize);
    const vorn::IndexedImage small = drawWindowIcon(kSmallIconSize);

    const std::array<IconImage, 3> icoImages = {
        renderIcon(large, IconDepth::kMonochrome),
        renderIcon(large, IconDepth::kSixteenColours),
        renderIcon(small, IconDepth::kSixteenColours),
    };
    vorn::writeFileBytes(directory / "vorn.ico", encodeIco(icoImages));
#if VORN_ICON_WRITES_PNG
    writePng(directory / "vorn-32.png", icoImages[1]);
    writePng(directory / "vorn-16.png", icoImages[2]);
#endif
}

// The program's work, on its arguments.
void run(std::span<char* const> arguments) {
    writeIcons(arguments[0]);
}

}  // namespace

int main(int argc, char** argv) {
    return vorn::tools::runTool(argc, argv, "vorn-icon", "<output directory>", 1, run);
}
