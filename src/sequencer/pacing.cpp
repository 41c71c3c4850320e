#include "sequencer/pacing.hpp"

#include <cmath>
#include <limits>

namespace vorn {
namespace {

constexpr std::int64_t kMaxDurationTicks = std::numeric_limits<PaceClock::Duration::rep>::max();
constexpr std::int64_t kTicksPerCount =
    std::chrono::duration_cast<PaceClock::Duration>(kCountPeriod).count();
constexpr std::int64_t kMaxCounts = kMaxDurationTicks / kTicksPerCount;

}  // namespace

std::int64_t countsForDelay(double delayCounts) {
    if (!(delayCounts >= 0.0)) {
        return 0;
    }
    const double counts = std::floor(delayCounts) + 1.0;
    if (counts >= static_cast<double>(kMaxCounts)) {
        return kMaxCounts;
    }
    return static_cast<std::int64_t>(counts);
}

PaceClock::Duration durationOfCounts(std::int64_t counts) {
    if (counts <= 0) {
        return PaceClock::Duration::zero();
    }
    if (counts >= kMaxCounts) {
        return PaceClock::Duration(kMaxCounts * kTicksPerCount);
    }
    return PaceClock::Duration(counts * kTicksPerCount);
}

PaceClock::Duration deadlineAfter(PaceClock::Duration start, std::int64_t counts) {
    const PaceClock::Duration wait = durationOfCounts(counts);
    const PaceClock::Duration latest = PaceClock::Duration::max();
    if (start > PaceClock::Duration::zero() && wait > latest - start) {
        return latest;
    }
    return start + wait;
}

std::int64_t waitDelay(PaceClock& clock, double delayCounts) {
    const std::int64_t counts = countsForDelay(delayCounts);
    if (counts > 0) {
        clock.sleepUntil(deadlineAfter(clock.now(), counts));
    }
    return counts;
}

}  // namespace vorn
