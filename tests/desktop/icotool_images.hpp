#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "frames/palette.hpp"

namespace vorn::test {

// A picture as 8-bit RGBA, top row first.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    std::uint8_t alpha(int x, int y) const { return rgba[at(x, y) + 3]; }
    Rgb colour(int x, int y) const { return {rgba[at(x, y)], rgba[at(x, y) + 1], rgba[at(x, y) + 2]}; }

private:
    std::size_t at(int x, int y) const {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4;
    }
};

// Reads a PNG file with libpng; throws std::runtime_error with its message.
RgbaImage readPng(const std::filesystem::path& path);

// One image of an icon file as icotool (icoutils) reads it: its line of
// `icotool --list` and its pixels from `icotool --extract` (alpha 0 where
// the mask is set, else 255).
struct IcotoolImage {
    std::string listing;  // "--icon --index=1 --width=32 --height=32 --bit-depth=1 --palette-size=2"
    RgbaImage pixels;
};

// Lists and extracts every image of `ico` with icotool, in file order.
// Throws std::runtime_error with icotool's message when it finds the file
// malformed (it then still exits 0 when listing, so its error output counts).
std::vector<IcotoolImage> readWithIcotool(const std::filesystem::path& ico);
// The same for an icon file's bytes.
std::vector<IcotoolImage> readWithIcotool(std::span<const std::uint8_t> icoBytes);

}  // namespace vorn::test
