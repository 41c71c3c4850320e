// The Win32 pace clock's arithmetic: counter ticks to nanoseconds, timer due
// times, and the coarse sleep's share of a wait.
#include "app/win32/counter_ticks.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace std::chrono_literals;
using namespace vorn::win32;

TEST(Win32PaceCounts, CountsBecomeNanosecondsExactlyAndWithoutOverflow) {
    const struct {
        std::int64_t counts, countsPerSecond;
        std::chrono::nanoseconds expected;
    } cases[] = {
        {0, 10'000'000, 0ns},
        {1, 10'000'000, 100ns},
        {10'000'000, 10'000'000, 1s},
        {3, 3'000'000, 1000ns},
        {1, 3, 333'333'333ns},  // rounded down, never up
        // A 10 MHz counter after a year: counts * 10^9 alone would overflow.
        {315'360'000'000'000, 10'000'000, std::chrono::hours(24 * 365)},
        // A counter in nanoseconds (some machines report 1 GHz).
        {std::numeric_limits<std::int64_t>::max(), 1'000'000'000,
         std::chrono::nanoseconds(std::numeric_limits<std::int64_t>::max())},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(countsToNanoseconds(c.counts, c.countsPerSecond), c.expected)
            << c.counts << " at " << c.countsPerSecond << "/s";
    }
}

TEST(Win32PaceCounts, DueTimesAreRelativeAndNeverShort) {
    EXPECT_EQ(relativeDueTime(100ns), -1);
    EXPECT_EQ(relativeDueTime(1ns), -1);
    EXPECT_EQ(relativeDueTime(101ns), -2);
    EXPECT_EQ(relativeDueTime(1s), -10'000'000);
}

}  // namespace
