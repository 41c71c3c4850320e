#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace vorn::tools {

// Writes a C++ source that defines embeddedFrameRecords() and
// embeddedFrameHolderNumbers() (frames/embedded_frames.hpp) over the given
// bytes and holder numbers. Throws std::runtime_error if it cannot write.
void writeEmbeddedSource(const std::filesystem::path& path, std::span<const std::uint8_t> records,
                         std::span<const int> holderNumbers);

}  // namespace vorn::tools
