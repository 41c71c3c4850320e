// vorn-fuzz-seeds: writes the fuzzers' starting corpora into the build tree.
//
//   vorn-fuzz-seeds <frames-dir> <corrupt-dir> <seeds-dir>
//
// <frames-dir> holds Image1.bmp .. Image20.bmp from vorn-frames and
// <corrupt-dir> the committed corrupt files. Writes
//   <seeds-dir>/rle8_decoder/   every frame BMP and every corrupt .bmp
//   <seeds-dir>/frame_records/  the twenty frames as records in the window's
//                               order, for each corrupt BMP twenty records
//                               that start with it (the rest empty), twenty
//                               empty records,
//                               and the corrupt record streams (.bin)

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "files/file_bytes.hpp"
#include "frames/frame_records.hpp"
#include "run_tool/run_tool.hpp"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// Sorted so that the seeds, and so the fuzzers' first runs, are the same on
// every machine.
std::vector<fs::path> filesWithExtension(const fs::path& directory, const std::string& extension) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(directory)) {
        if (entry.is_regular_file() && entry.path().extension() == extension) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Holder h's BMP at index h - 1.
std::vector<Bytes> readFrames(const fs::path& framesDir) {
    std::vector<Bytes> frames;
    for (int holder = 1; holder <= vorn::kFrameCount; ++holder) {
        frames.push_back(vorn::readFileBytes(framesDir / ("Image" + std::to_string(holder) + ".bmp")));
    }
    return frames;
}

Bytes recordsInWindowOrder(const std::vector<Bytes>& frames) {
    Bytes records;
    for (const int holder : vorn::kHolderNumbersInRecordOrder) {
        vorn::appendFrameRecord(records, frames[vorn::holderSlot(holder)]);
    }
    return records;
}

void writeDecoderSeeds(const std::vector<Bytes>& frames, const std::vector<fs::path>& corruptBmps,
                       const fs::path& out) {
    fs::create_directories(out);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        vorn::writeFileBytes(out / ("Image" + std::to_string(i + 1) + ".bmp"), frames[i]);
    }
    for (const auto& path : corruptBmps) {
        vorn::writeFileBytes(out / path.filename(), vorn::readFileBytes(path));
    }
}

void writeRecordSeeds(const std::vector<Bytes>& frames, const std::vector<fs::path>& corruptBmps,
                      const std::vector<fs::path>& corruptRecords, const fs::path& out) {
    fs::create_directories(out);
    vorn::writeFileBytes(out / "all_frames.bin", recordsInWindowOrder(frames));
    // The corrupt BMP in the first record and no bytes in the others: the
    // set stops at the first bad record, and small seeds keep the fuzzer fast.
    for (const auto& path : corruptBmps) {
        Bytes records;
        vorn::appendFrameRecord(records, vorn::readFileBytes(path));
        for (int i = 1; i < vorn::kFrameCount; ++i) {
            vorn::appendFrameRecord(records, Bytes());
        }
        vorn::writeFileBytes(out / ("first_bad_" + path.stem().string() + ".bin"), records);
    }
    vorn::writeFileBytes(out / "twenty_empty_records.bin", recordsInWindowOrder(std::vector<Bytes>(std::size_t{vorn::kFrameCount})));
    for (const auto& path : corruptRecords) {
        vorn::writeFileBytes(out / path.filename(), vorn::readFileBytes(path));
    }
}

// The program's work, on its arguments.
void run(std::span<char* const> arguments) {
    const fs::path seeds = arguments[2];
    const auto frames = readFrames(arguments[0]);
    const auto corruptBmps = filesWithExtension(arguments[1], ".bmp");
    const auto corruptRecords = filesWithExtension(arguments[1], ".bin");
    writeDecoderSeeds(frames, corruptBmps, seeds / "rle8_decoder");
    writeRecordSeeds(frames, corruptBmps, corruptRecords, seeds / "frame_records");
}

}  // namespace

int main(int argc, char** argv) {
    return vorn::tools::runTool(argc, argv, "vorn-fuzz-seeds", "<frames-dir> <corrupt-dir> <seeds-dir>", 3, run);
}
