#include "app/win32/counter_ticks.hpp"

#include <algorithm>
#include <limits>

namespace vorn::win32 {

std::chrono::nanoseconds countsToNanoseconds(std::int64_t counts, std::int64_t countsPerSecond) {
    constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;
    const std::int64_t seconds = counts / countsPerSecond;
    const std::int64_t fraction = counts % countsPerSecond;
    // fraction < countsPerSecond, so the product overflows only for counters
    // faster than 9.2 GHz, which no performance counter is.
    return std::chrono::seconds(seconds) +
           std::chrono::nanoseconds(fraction * kNanosecondsPerSecond / countsPerSecond);
}

std::int64_t relativeDueTime(std::chrono::nanoseconds remaining) {
    constexpr std::int64_t kNanosecondsPerInterval = 100;
    return -((remaining.count() + kNanosecondsPerInterval - 1) / kNanosecondsPerInterval);
}

}  // namespace vorn::win32
