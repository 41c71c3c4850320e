#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "sequencer/pacing.hpp"
#include "support/fake_clock.hpp"

namespace vorn {
namespace {

using testing::FakeClock;

using Duration = PaceClock::Duration;

struct PaceCase {
    double k;
    std::int64_t counts;
};

TEST(PaceDelay, CountsFloorOfKPlusOne) {
    const PaceCase cases[] = {{-1.0, 0},   {-0.5, 0},  {0.0, 1},        {0.5, 1},
                              {1.0, 2},    {9575.9, 9576}, {10000.0, 10001}, {1000000.0, 1000001}};
    for (const PaceCase& c : cases) {
        FakeClock clock;
        const auto start = clock.time;
        EXPECT_EQ(waitDelay(clock, c.k), c.counts) << "k = " << c.k;
        EXPECT_EQ(clock.time - start, c.counts * kCountPeriod) << "k = " << c.k;
        EXPECT_EQ(clock.sleeps, c.counts > 0 ? 1 : 0) << "k = " << c.k;
    }
}

TEST(PaceDelay, NotANumberCountsNothingAndHugeDelaysSaturate) {
    EXPECT_EQ(countsForDelay(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(countsForDelay(-std::numeric_limits<double>::infinity()), 0);
    const std::int64_t most = countsForDelay(std::numeric_limits<double>::infinity());
    EXPECT_GT(most, std::int64_t{1} << 40);
    EXPECT_EQ(countsForDelay(3.0e38), most);
    EXPECT_GT(durationOfCounts(most).count(), 0) << "the longest wait must not overflow";
}

// A pointer far off the picture area in speed mode can set a delay near the
// single-precision limit. Its wait must be the longest the clock can wait,
// not a deadline wrapped round into the past that ends the wait at once.
TEST(PaceDelay, HugeDelayWaitsTheLongestInsteadOfNotAtAll) {
    FakeClock clock;
    waitDelay(clock, 3.4e38);
    EXPECT_EQ(clock.time, Duration::max());
}

TEST(PaceDelay, OrdinaryWaitsEndCountsAfterTheStart) {
    const Duration start(5'000);
    EXPECT_EQ(deadlineAfter(start, 0), start);
    EXPECT_EQ(deadlineAfter(start, 10001), start + 10001 * kCountPeriod);
    const std::int64_t most = countsForDelay(std::numeric_limits<double>::infinity());
    EXPECT_EQ(deadlineAfter(Duration::zero(), most), durationOfCounts(most));
    EXPECT_EQ(deadlineAfter(Duration::max() - Duration(1), 2), Duration::max());
}

TEST(PaceDelay, DelayIsProportionalToTheCount) {
    EXPECT_EQ(durationOfCounts(1000001), std::chrono::microseconds(1000001));
    EXPECT_EQ(durationOfCounts(0), PaceClock::Duration::zero());
}

// The real clock, timed against the standard library's steady clock: the
// pacing relies on a sleep never ending early (sub-millisecond waits
// included, which some runtimes round) and on a passed deadline costing
// nothing.
TEST(SteadyPaceClock, NeverReturnsBeforeItsDeadline) {
    SteadyPaceClock clock;
    for (const auto wait : {std::chrono::microseconds(50), std::chrono::microseconds(700), std::chrono::microseconds(1500),
                            std::chrono::microseconds(3000)}) {
        const auto started = std::chrono::steady_clock::now();
        const auto deadline = clock.now() + wait;
        clock.sleepUntil(deadline);
        EXPECT_GE(clock.now(), deadline) << wait.count() << " us";
        EXPECT_GE(std::chrono::steady_clock::now() - started, wait) << wait.count() << " us";
    }
}

TEST(SteadyPaceClock, ReturnsAtOnceForADeadlineAlreadyPassed) {
    SteadyPaceClock clock;
    // Generous: the machine may be busy, but a sleep of the 10 s would show.
    const auto limit = std::chrono::milliseconds(500);
    for (const auto deadline : {clock.now() - std::chrono::seconds(10), clock.now(), PaceClock::Duration::zero()}) {
        const auto started = std::chrono::steady_clock::now();
        clock.sleepUntil(deadline);
        EXPECT_LT(std::chrono::steady_clock::now() - started, limit);
    }
}

TEST(SteadyPaceClock, NeverGoesBackwards) {
    SteadyPaceClock clock;
    PaceClock::Duration last = clock.now();
    for (int i = 0; i < 10000; ++i) {
        const PaceClock::Duration next = clock.now();
        ASSERT_GE(next, last);
        last = next;
    }
}

}  // namespace
}  // namespace vorn
