// Drawing one frame: the frame generator draws all twenty at build time.

#include <benchmark/benchmark.h>

#include "frames/frame_drawing.hpp"

namespace {

// Frame 5 has the crank across the yoke's opening: rods and webs at an
// angle, the most polygon edges per row.
void BM_DrawFrame(benchmark::State& state) {
    const int frameIndex = static_cast<int>(state.range(0));
    for (auto _ : state) {
        vorn::IndexedImage image = vorn::drawFrame(frameIndex);
        benchmark::DoNotOptimize(image.pixels.data());
    }
}
BENCHMARK(BM_DrawFrame)->Arg(0)->Arg(5)->Unit(benchmark::kMicrosecond);

void BM_DrawAllFrames(benchmark::State& state) {
    for (auto _ : state) {
        for (int j = 0; j < vorn::kFrameCount; ++j) {
            vorn::IndexedImage image = vorn::drawFrame(j);
            benchmark::DoNotOptimize(image.pixels.data());
        }
    }
}
BENCHMARK(BM_DrawAllFrames)->Unit(benchmark::kMillisecond);

}  // namespace
