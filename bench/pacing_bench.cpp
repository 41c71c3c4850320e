// How closely the paced delay keeps its period: floor(k) + 1 microseconds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>

#include "sequencer/pacing.hpp"

namespace {

void BM_PacePeriod(benchmark::State& state) {
    const auto k = static_cast<double>(state.range(0));
    vorn::SteadyPaceClock clock;
    const double expectedMs = (std::floor(k) + 1.0) / 1000.0;
    double worstErrorMs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        vorn::waitDelay(clock, k);
        const double periodMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        worstErrorMs = std::max(worstErrorMs, std::abs(periodMs - expectedMs));
    }
    state.counters["expected_ms"] = expectedMs;
    state.counters["worst_error_ms"] = worstErrorMs;
    // The goal: every period within 1% of its length plus 0.2 ms.
    state.counters["within_goal"] = worstErrorMs <= 0.01 * expectedMs + 0.2 ? 1 : 0;
}
BENCHMARK(BM_PacePeriod)
    ->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000)
    ->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);

// The pacing arithmetic alone, without the wait, as each pass runs it.
void BM_CountsForDelay(benchmark::State& state) {
    double k = 9575.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vorn::durationOfCounts(vorn::countsForDelay(k)));
        k += 0.25;
    }
}
BENCHMARK(BM_CountsForDelay);

}  // namespace
