// vorn-pace-bench OUT.json: how closely the Windows pace clock keeps the
// period of the paced delay, floor(k) + 1 microseconds. Written in the shape
// of Google Benchmark's JSON, so the window bench reads it as it reads the
// core's figures.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/win32/win32_pace_clock.hpp"
#include "sequencer/pacing.hpp"

namespace {

struct PaceFigure {
    double expectedMs = 0;
    double worstErrorMs = 0;
    double meanMs = 0;
};

// The periods are read off the standard steady clock, not the clock under
// test, so that a fault in the clock cannot hide its own error.
PaceFigure measure(vorn::PaceClock& clock, double k, int repetitions) {
    PaceFigure figure;
    figure.expectedMs = (std::floor(k) + 1.0) / 1000.0;
    double totalMs = 0;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = std::chrono::steady_clock::now();
        clock.sleepUntil(vorn::deadlineAfter(clock.now(), vorn::countsForDelay(k)));
        const double periodMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        totalMs += periodMs;
        figure.worstErrorMs = std::max(figure.worstErrorMs, std::abs(periodMs - figure.expectedMs));
    }
    figure.meanMs = totalMs / repetitions;
    return figure;
}

std::string entry(long k, const PaceFigure& figure) {
    char text[256];
    std::snprintf(text, sizeof text,
                  R"({"name": "BM_PacePeriod/%ld", "real_time": %.6f, "time_unit": "ms", )"
                  R"("expected_ms": %.6f, "worst_error_ms": %.6f})",
                  k, figure.meanMs, figure.expectedMs, figure.worstErrorMs);
    return text;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vorn-pace-bench OUT.json\n");
        return 2;
    }
    vorn::win32::Win32PaceClock clock;
    std::string json = R"({"context": {"pace_timer": "high-resolution waitable timer"}, "benchmarks": [)";
    constexpr struct {
        long k;
        int repetitions;
    } kRuns[] = {{1000, 50}, {10000, 20}, {100000, 10}, {1000000, 5}};
    for (const auto& run : kRuns) {
        if (run.k != kRuns[0].k) json += ", ";
        json += entry(run.k, measure(clock, static_cast<double>(run.k), run.repetitions));
    }
    json += "]}\n";
    std::ofstream out(argv[1], std::ios::binary);
    out << json;
    if (!out.flush()) {
        std::fprintf(stderr, "vorn-pace-bench: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s", json.c_str());
    return 0;
}
