// The Win32 pace clock on a real (or Wine's) Windows: it wakes no earlier
// than asked, not much later, and sleeps rather than spins.
#include "app/win32/win32_pace_clock.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

using namespace std::chrono_literals;

std::chrono::nanoseconds processorTime() {
    FILETIME created{}, exited{}, kernel{}, user{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ticks = [](const FILETIME& t) {
        return static_cast<std::int64_t>(ULARGE_INTEGER{{t.dwLowDateTime, t.dwHighDateTime}}.QuadPart);
    };
    return std::chrono::nanoseconds((ticks(kernel) + ticks(user)) * 100);
}

TEST(Win32PaceClock, NowNeverGoesBackwards) {
    vorn::win32::Win32PaceClock clock;
    auto previous = clock.now();
    for (int i = 0; i < 100000; ++i) {
        const auto next = clock.now();
        ASSERT_GE(next, previous);
        previous = next;
    }
}

TEST(Win32PaceClock, WakesAtItsDeadlinesWithoutHoldingTheProcessor) {
    vorn::win32::Win32PaceClock clock;
    const auto cpuBefore = processorTime();
    for (const auto wait : {1ms, 3ms, 20ms, 150ms}) {
        // Generous: a loaded machine may wake the thread late, but not by
        // a default timer period (15.6 ms) on top of the wait. Now and then
        // one wake comes later still, by 40 ms and more (under Wine the
        // timer goes through Wine's server too), so the median of a few
        // wakes is judged, not each one.
        std::array<std::chrono::nanoseconds, 5> late{};
        for (auto& lateness : late) {
            const auto start = clock.now();
            clock.sleepUntil(start + wait);
            const auto slept = clock.now() - start;
            EXPECT_GE(slept, wait);
            lateness = slept - wait;
        }
        std::nth_element(late.begin(), late.begin() + late.size() / 2, late.end());
        EXPECT_LT(late[late.size() / 2], 15ms) << "asked for " << wait.count() << " ns";
    }
    const auto cpu = processorTime() - cpuBefore;
    // 870 ms of waiting; a spinning clock would use about all of it.
    EXPECT_LT(cpu, 200ms);
}

TEST(Win32PaceClock, ADeadlineInThePastReturnsAtOnce) {
    vorn::win32::Win32PaceClock clock;
    const auto start = clock.now();
    clock.sleepUntil(start - 1s);
    EXPECT_LT(clock.now() - start, 5ms);
}

}  // namespace
