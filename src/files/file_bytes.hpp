#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

// Whole binary files in and out, for the build-time tools, the fuzzers' seed
// writer and the tests. Both throw std::runtime_error naming the file when it
// cannot be opened, read or written in full.
namespace vorn {

std::vector<std::uint8_t> readFileBytes(const std::filesystem::path& path);

// Replaces the file's contents with `bytes`.
void writeFileBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace vorn
