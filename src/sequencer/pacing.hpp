#pragma once

#include <chrono>
#include <cstdint>

#include "sequencer/pace_clock.hpp"

namespace vorn {

// One count of the pacing delay. The delay is proportional to the count, so
// the start delay of 1000000 counts shows one frame a second.
inline constexpr std::chrono::microseconds kCountPeriod{1};

// Delay the loop starts at: one frame a second.
inline constexpr double kStartDelayCounts = 1000000.0;

// The number of counts the delay `delayCounts` makes: floor(k) + 1 for k >= 0
// and none for a negative (or not-a-number) k. A delay too long to be
// represented is cut to the longest one the clock can wait.
std::int64_t countsForDelay(double delayCounts);

// The time `counts` counts take; saturates instead of overflowing.
PaceClock::Duration durationOfCounts(std::int64_t counts);

// When a wait of `counts` counts that starts at `start` ends. Held at the
// latest time the clock can name rather than wrapping round into the past,
// which would turn the longest delay into none at all.
PaceClock::Duration deadlineAfter(PaceClock::Duration start, std::int64_t counts);

// Waits the delay `delayCounts` on `clock` (none for a delay that makes no
// count). Returns the number of counts waited.
std::int64_t waitDelay(PaceClock& clock, double delayCounts);

}  // namespace vorn
