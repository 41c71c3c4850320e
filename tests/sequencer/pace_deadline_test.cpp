// The end of a paced wait, at the edges of the clock's range.
#include <gtest/gtest.h>

#include <limits>

#include "sequencer/pacing.hpp"
#include "sequencer/sequencer.hpp"
#include "support/fake_window.hpp"

namespace vorn {
namespace {

using Duration = PaceClock::Duration;

// A pointer far off the picture area in speed mode can set a delay near the
// single-precision limit. Its wait must be the longest the clock can wait,
// not a deadline wrapped round into the past that ends the wait at once.
TEST(PaceDeadline, HugeDelayWaitsTheLongestInsteadOfNotAtAll) {
    SequencerState state;
    testing::FakeWindow window;
    testing::FakeClock clock;
    Sequencer sequencer(state, window, clock);
    state.k = 3.4e38;
    sequencer.paceFrame();
    EXPECT_EQ(clock.time, Duration::max());
    EXPECT_EQ(window.eventServices, 1);
}

TEST(PaceDeadline, OrdinaryWaitsEndCountsAfterTheStart) {
    const Duration start(5'000);
    EXPECT_EQ(deadlineAfter(start, 0), start);
    EXPECT_EQ(deadlineAfter(start, 10001), start + 10001 * kCountPeriod);
    const std::int64_t most = countsForDelay(std::numeric_limits<double>::infinity());
    EXPECT_EQ(deadlineAfter(Duration::zero(), most), durationOfCounts(most));
    EXPECT_EQ(deadlineAfter(Duration::max() - Duration(1), 2), Duration::max());
}

}  // namespace
}  // namespace vorn
