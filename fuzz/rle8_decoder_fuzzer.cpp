// libFuzzer target: the BMP RLE8 decoder on arbitrary bytes, as a whole file
// and as pixel data alone. The checks live in fuzz_entry_points.cpp, shared
// with the replay test of fuzz/regressions/rle8_decoder/.

#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_entry_points.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vorn::fuzz::checkRle8DecoderInput(std::span<const std::uint8_t>(data, size));
    return 0;
}
