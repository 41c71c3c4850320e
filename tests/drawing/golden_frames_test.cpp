// The twenty frame files and their pictures against the SHA-256 sums
// recorded in golden_frames.txt, so that any change to the drawing or the
// encoder, however small, is seen and then either fixed or recorded on
// purpose with `make golden-frames`.
//
// A frame that differs leaves its picture in the build folder, and, where an
// earlier run verified that frame, a picture of the pixels that changed.

#include <gtest/gtest.h>

#include <QCryptographicHash>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "files/file_bytes.hpp"
#include "frame_test_support.hpp"
#include "frames/bmp_rle8_decoder.hpp"
#include "frames/frame_records.hpp"
#include "frames/palette.hpp"

namespace vorn {
namespace {

namespace fs = std::filesystem;

struct Sums {
    std::string file;
    std::string pixels;
    friend bool operator==(const Sums&, const Sums&) = default;
};

std::string sha256(const void* data, std::size_t size) {
    const QByteArrayView bytes(static_cast<const char*>(data), static_cast<qsizetype>(size));
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString();
}

std::string fileName(int holderNumber) { return "Image" + std::to_string(holderNumber) + ".bmp"; }

// Lines "Image<n>.bmp <file sum> <pixel sum>"; '#' starts a comment line.
std::map<std::string, Sums> readRecorded(const fs::path& path) {
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::map<std::string, Sums> recorded;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        std::string name;
        Sums sums;
        if (!(fields >> name >> sums.file >> sums.pixels)) {
            throw std::runtime_error(path.string() + ": malformed line: " + line);
        }
        recorded[name] = sums;
    }
    return recorded;
}

void writeRecorded(const fs::path& path, const std::map<int, Sums>& sums) {
    std::ofstream out(path);
    out << "# SHA-256 of each frame file as vorn-frames writes it, and of its decoded\n"
           "# pixels (palette entries, one byte each, top row first). Written by\n"
           "# `make golden-frames` after a deliberate change to the drawing.\n";
    for (const auto& [holder, sum] : sums) {
        out << fileName(holder) << ' ' << sum.file << ' ' << sum.pixels << '\n';
    }
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

// Black where the two pictures differ, white elsewhere.
IndexedImage differences(const IndexedImage& a, const IndexedImage& b) {
    IndexedImage diff(a.width, a.height, colour::kWhite);
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        if (a.pixels[i] != b.pixels[i]) {
            diff.pixels[i] = colour::kBlack;
        }
    }
    return diff;
}

// Leaves the frame's picture in `folder` and, given an earlier verified copy
// of the same size, the differences from it; says where.
std::string leavePictures(const fs::path& folder, int holder, const IndexedImage& actual) {
    const std::string stem = "Image" + std::to_string(holder);
    const fs::path actualPath = folder / (stem + "-actual.ppm");
    test::writePpm(actual, actualPath.string());
    std::string report = "its picture: " + actualPath.string();
    const fs::path verified = folder / "verified" / fileName(holder);
    if (!fs::exists(verified)) {
        return report + " (no verified copy from an earlier run to compare with)";
    }
    const IndexedImage before = decodeBmpRle8(readFileBytes(verified));
    const fs::path diffPath = folder / (stem + "-diff.ppm");
    test::writePpm(differences(actual, before), diffPath.string());
    return report + ", pixels changed since it was last verified (black): " + diffPath.string();
}

// A frame that matches again leaves no picture of an earlier failure behind.
void removePictures(const fs::path& folder, int holder) {
    const std::string stem = "Image" + std::to_string(holder);
    fs::remove(folder / (stem + "-actual.ppm"));
    fs::remove(folder / (stem + "-diff.ppm"));
}

TEST(GoldenFrames, EachFrameFileAndPictureIsAsRecorded) {
    const fs::path frames = VORN_FRAMES_DIR;
    const fs::path folder = VORN_GOLDEN_OUTPUT_DIR;
    fs::create_directories(folder / "verified");

    std::map<int, Sums> actual;
    std::map<int, IndexedImage> pictures;
    for (int holder = 1; holder <= kFrameCount; ++holder) {
        const std::vector<std::uint8_t> file = readFileBytes(frames / fileName(holder));
        pictures[holder] = decodeBmpRle8(file);
        actual[holder] = {sha256(file.data(), file.size()),
                          sha256(pictures[holder].pixels.data(), pictures[holder].pixels.size())};
    }
    if (const char* update = std::getenv("VORN_GOLDEN_UPDATE")) {
        writeRecorded(update, actual);
        std::cout << "recorded the sums of " << actual.size() << " frames in " << update << "\n";
        return;
    }

    const std::map<std::string, Sums> recorded = readRecorded(VORN_GOLDEN_FRAMES);
    EXPECT_EQ(std::ssize(recorded), kFrameCount) << "one line for each frame file in " << VORN_GOLDEN_FRAMES;
    for (const auto& [holder, sums] : actual) {
        const auto found = recorded.find(fileName(holder));
        if (found != recorded.end() && found->second == sums) {
            fs::copy_file(frames / fileName(holder), folder / "verified" / fileName(holder),
                          fs::copy_options::overwrite_existing);
            removePictures(folder, holder);
            continue;
        }
        const bool samePixels = found != recorded.end() && found->second.pixels == sums.pixels;
        ADD_FAILURE() << fileName(holder) << (samePixels ? ": the same pixels, encoded differently" : ": other pixels")
                      << "; " << leavePictures(folder, holder, pictures[holder])
                      << ". After a deliberate change: make golden-frames";
    }
}

}  // namespace
}  // namespace vorn
