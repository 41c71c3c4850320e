#include "app/win32/pace_counts.hpp"

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

std::uint32_t coarseSleepMilliseconds(std::chrono::nanoseconds remaining) {
    const auto whole = std::chrono::duration_cast<std::chrono::milliseconds>(remaining).count();
    // Sleep's largest finite argument is one below INFINITE (0xFFFFFFFF).
    constexpr std::int64_t kLongestSleep = std::numeric_limits<std::uint32_t>::max() - 1;
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(whole - 1, 0, kLongestSleep));
}

}  // namespace vorn::win32
