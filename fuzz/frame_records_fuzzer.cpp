// libFuzzer target: the frame record reader and the frame set on arbitrary
// bytes. The checks live in fuzz_entry_points.cpp, shared with the replay
// test of fuzz/regressions/frame_records/.

#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_entry_points.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vorn::fuzz::checkFrameRecordsInput(std::span<const std::uint8_t>(data, size));
    return 0;
}
