#include "frame_test_support.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "frames/palette.hpp"

namespace vorn::test {

void writePpm(const IndexedImage& image, const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
    out << "P6\n" << image.width << ' ' << image.height << "\n255\n";
    for (std::uint8_t entry : image.pixels) {
        const Rgb rgb = framePalette()[entry];
        out.put(static_cast<char>(rgb.red)).put(static_cast<char>(rgb.green)).put(static_cast<char>(rgb.blue));
    }
    if (!out) {
        throw std::runtime_error("write failed: " + path);
    }
}

std::string saveFailurePictures(const std::string& name, const IndexedImage& actual, const IndexedImage& diff) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vorn-drawing-failures";
    std::filesystem::create_directories(folder);
    const std::string actualPath = (folder / (name + "-actual.ppm")).string();
    const std::string diffPath = (folder / (name + "-diff.ppm")).string();
    writePpm(actual, actualPath);
    writePpm(diff, diffPath);
    return "actual picture: " + actualPath + ", differences (black): " + diffPath;
}

OnePixelMatch matchWithinOnePixel(const IndexedImage& a, const IndexedImage& b,
                                  const std::function<bool(int x, int y)>& ignore) {
    OnePixelMatch result{IndexedImage(a.width, a.height, colour::kWhite), 0};
    auto hasMatchNear = [](const IndexedImage& image, int x, int y, std::uint8_t wanted) {
        for (int ny = std::max(0, y - 1); ny <= std::min(image.height - 1, y + 1); ++ny) {
            for (int nx = std::max(0, x - 1); nx <= std::min(image.width - 1, x + 1); ++nx) {
                if (image.at(nx, ny) == wanted) {
                    return true;
                }
            }
        }
        return false;
    };
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            if (ignore(x, y)) {
                continue;
            }
            if (!hasMatchNear(b, x, y, a.at(x, y)) || !hasMatchNear(a, x, y, b.at(x, y))) {
                result.diff.at(x, y) = colour::kBlack;
                ++result.mismatches;
            }
        }
    }
    return result;
}

IndexedImage mirroredAbout(const IndexedImage& image, double axisX, int firstColumn, int lastColumn) {
    IndexedImage result = image;
    for (int y = 0; y < image.height; ++y) {
        for (int x = firstColumn; x <= lastColumn; ++x) {
            const int mirror = static_cast<int>(std::lround(2.0 * axisX - x));
            result.at(x, y) = image.at(mirror, y);
        }
    }
    return result;
}

std::array<int, 256> colourCounts(const IndexedImage& image) {
    std::array<int, 256> counts{};
    for (std::uint8_t entry : image.pixels) {
        ++counts[entry];
    }
    return counts;
}

}  // namespace vorn::test

#include <vector>

#include "frames/frame_drawing.hpp"

namespace vorn::test {

const IndexedImage& frame(int frameIndex) {
    static const std::vector<IndexedImage> frames = [] {
        std::vector<IndexedImage> drawn;
        for (int j = 0; j < kFrameCount; ++j) {
            drawn.push_back(drawFrame(j));
        }
        return drawn;
    }();
    return frames.at(static_cast<std::size_t>(frameIndex));
}

}  // namespace vorn::test
