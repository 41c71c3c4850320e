// vorn-frames: draws the twenty frames, writes each as Image<holder>.bmp and
// embeds them all as frame records in a generated C++ source.
//
//   vorn-frames <bmp-directory> <generated-source>

#include <array>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "embedded_source.hpp"
#include "files/file_bytes.hpp"
#include "run_tool/run_tool.hpp"
#include "frames/bmp_rle8_decoder.hpp"
#include "frames/bmp_rle8_encoder.hpp"
#include "frames/frame_drawing.hpp"
#include "frames/frame_records.hpp"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Holder h carries frame h - 1. The file is decoded again before it is kept,
// so a fault in the encoder stops the build instead of reaching the program.
Bytes holderBmpFile(int holderNumber) {
    const vorn::IndexedImage picture = vorn::drawFrame(vorn::frameOfHolder(holderNumber));
    Bytes file = vorn::encodeBmpRle8(picture);
    if (vorn::decodeBmpRle8(file) != picture) {
        throw std::runtime_error("Image" + std::to_string(holderNumber) + " does not decode to the drawn frame");
    }
    return file;
}

void generate(const std::filesystem::path& bmpDirectory, const std::filesystem::path& sourcePath) {
    std::filesystem::create_directories(bmpDirectory);
    std::array<Bytes, vorn::kFrameCount> files;  // index: holder number - 1
    for (std::size_t i = 0; i < files.size(); ++i) {
        const int holderNumber = static_cast<int>(i) + 1;
        files[i] = holderBmpFile(holderNumber);
        vorn::writeFileBytes(bmpDirectory / ("Image" + std::to_string(holderNumber) + ".bmp"), files[i]);
    }
    Bytes records;
    for (const int holderNumber : vorn::kHolderNumbersInRecordOrder) {
        vorn::appendFrameRecord(records, files[vorn::holderSlot(holderNumber)]);
    }
    std::filesystem::create_directories(sourcePath.parent_path());
    vorn::tools::writeEmbeddedSource(sourcePath, records, vorn::kHolderNumbersInRecordOrder);
}

// The program's work, on its arguments.
void run(std::span<char* const> arguments) {
    generate(arguments[0], arguments[1]);
}

}  // namespace

int main(int argc, char** argv) {
    return vorn::tools::runTool(argc, argv, "vorn-frames", "<bmp-directory> <generated-source>", 2, run);
}
