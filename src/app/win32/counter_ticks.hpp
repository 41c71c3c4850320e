#pragma once

#include <chrono>
#include <cstdint>

// The arithmetic of the Win32 pace clock, apart from the calls it is fed to,
// so that it is tested on every platform.

namespace vorn::win32 {

// `counts` of a performance counter that ticks `countsPerSecond` times a
// second (> 0), in nanoseconds. Exact, and free of overflow for any count a
// machine reaches: a 10 MHz counter passes 2^63 / 10^9 counts after only
// fifteen minutes.
std::chrono::nanoseconds countsToNanoseconds(std::int64_t counts, std::int64_t countsPerSecond);

// A waitable timer's due time for a wait of `remaining` (> 0): negative
// (relative), in 100 ns intervals, rounded up so that the wait never ends
// early.
std::int64_t relativeDueTime(std::chrono::nanoseconds remaining);

}  // namespace vorn::win32
