#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vorn {

// Every frame of the animation is this size.
inline constexpr int kFrameWidth = 580;
inline constexpr int kFrameHeight = 550;

// A palette-indexed picture, stored top row first, one byte per pixel with no
// row padding. Pixels are palette entries (see palette.hpp).
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    IndexedImage() = default;
    IndexedImage(int w, int h, std::uint8_t fill)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

    std::uint8_t at(int x, int y) const { return pixels[index(x, y)]; }
    std::uint8_t& at(int x, int y) { return pixels[index(x, y)]; }

    friend bool operator==(const IndexedImage&, const IndexedImage&) = default;

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
    }
};

}  // namespace vorn
