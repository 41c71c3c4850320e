// The frame codec's costs: the start-up decode of all twenty frames (goal:
// under 5 ms in total) and the encoding of one frame.

#include <benchmark/benchmark.h>

#include "frames/bmp_rle8_encoder.hpp"
#include "frames/frame_drawing.hpp"
#include "frames/frame_set.hpp"

namespace {

void BM_DecodeAllTwentyEmbeddedFrames(benchmark::State& state) {
    for (auto _ : state) {
        vorn::FrameSet frames = vorn::FrameSet::loadEmbedded();
        benchmark::DoNotOptimize(frames.holderPicture(1).pixels.data());
    }
}
BENCHMARK(BM_DecodeAllTwentyEmbeddedFrames)->Unit(benchmark::kMillisecond);

// Frame 3 shows both cranks away from the centre lines, so its rows hold
// more runs than the symmetric frames.
void BM_EncodeOneFrame(benchmark::State& state) {
    const vorn::IndexedImage picture = vorn::drawFrame(3);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto file = vorn::encodeBmpRle8(picture);
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.counters["file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_EncodeOneFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
