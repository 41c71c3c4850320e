#include <gtest/gtest.h>

#include <vector>

#include "sequencer/pacing.hpp"
#include "sequencer/sequencer.hpp"
#include "support/fake_window.hpp"

namespace vorn {
namespace {

using testing::FakeClock;
using testing::FakeWindow;

class SequencerTest : public ::testing::Test {
protected:
    std::vector<int> runPasses(int passes) {
        window.shown.clear();
        for (int i = 0; i < passes; ++i) {
            vorn::testing::runPass(sequencer);
        }
        return window.shown;
    }

    SequencerState state;
    FakeWindow window;
    FakeClock clock;
    Sequencer sequencer{state, window, clock};
};

TEST_F(SequencerTest, ActivationShowsEntryZeroFirstThenLoadsTheRestServingEvents) {
    sequencer.activate();
    EXPECT_EQ(window.shown, std::vector<int>{0});
    std::vector<int> allEntries;
    for (int j = 0; j < 20; ++j) allEntries.push_back(j);
    EXPECT_EQ(window.loaded, allEntries);
    EXPECT_EQ(window.eventServices, 19);
    EXPECT_EQ(state.n, 1);
    EXPECT_EQ(state.k, 1000000.0);
    EXPECT_EQ(state.l, 0);
    EXPECT_EQ(state.m, 0);
    EXPECT_EQ(state.mm, 0);
}

TEST_F(SequencerTest, EntryZeroIsOnScreenBeforeAnyEventIsServed) {
    window.post([&] { EXPECT_EQ(window.shown.size(), 1u) << "events served before entry 0 was shown"; });
    sequencer.activate();
}

TEST_F(SequencerTest, StartRunShowsOneTwoThreeAndWrapsAfterNineteen) {
    sequencer.activate();
    std::vector<int> expected;
    for (int i = 1; i <= 21; ++i) expected.push_back(i % 20);
    EXPECT_EQ(runPasses(21), expected);
}

TEST_F(SequencerTest, RequestsWrittenDuringLoadingAreOverriddenButModeIsKept) {
    window.post([&] {
        state.n = command::kStopOrStepBack;
        state.k = 5.0;
        state.nm = 1;
        state.n1 = 0;
    });
    sequencer.activate();
    EXPECT_EQ(state.n, 1);
    EXPECT_EQ(state.k, 1000000.0);
    EXPECT_EQ(state.nm, 1);
    EXPECT_EQ(runPasses(2), (std::vector<int>{1, 2}));
}

TEST_F(SequencerTest, OnlyTheLastRequestBeforeAPassCounts) {
    sequencer.activate();
    runPasses(4);  // on entry 4, start run
    window.post([&] { state.n = command::kRunBackward; });
    window.post([&] { state.n = command::kStopOrStepForward; });
    window.post([&] { state.n = command::kRunForward; });
    runPasses(1);  // the service at the end of this pass delivers all three
    EXPECT_EQ(runPasses(2), (std::vector<int>{7, 8}));
}

TEST_F(SequencerTest, HaltedPassesShowTheSameFrameAgain) {
    sequencer.activate();
    state.l = 12;
    state.n = command::kHalted;
    EXPECT_EQ(runPasses(3), (std::vector<int>{12, 12, 12}));
}

TEST_F(SequencerTest, StopRequestFromStartRunStepsOnceAndHolds) {
    sequencer.activate();
    runPasses(3);  // entry 3
    state.n = command::kStopOrStepForward;
    EXPECT_EQ(runPasses(3), (std::vector<int>{4, 4, 4}));
}

TEST_F(SequencerTest, StopRequestAfterRunForwardHoldsTheCurrentFrame) {
    sequencer.activate();
    runPasses(3);
    state.n = command::kRunForward;
    EXPECT_EQ(runPasses(2), (std::vector<int>{5, 6}));
    state.n = command::kStopOrStepForward;
    EXPECT_EQ(runPasses(2), (std::vector<int>{6, 6}));
}

struct PaceCase {
    double k;
    std::int64_t counts;
};

TEST(PaceFrame, CountsFloorOfKPlusOneAndServesEventsOnce) {
    const PaceCase cases[] = {{-1.0, 0},   {-0.5, 0},  {0.0, 1},        {0.5, 1},
                              {1.0, 2},    {9575.9, 9576}, {10000.0, 10001}, {1000000.0, 1000001}};
    for (const PaceCase& c : cases) {
        SequencerState state;
        FakeWindow window;
        FakeClock clock;
        Sequencer sequencer(state, window, clock);
        state.k = c.k;
        const auto start = clock.time;
        EXPECT_EQ(sequencer.paceFrame(), c.counts) << "k = " << c.k;
        EXPECT_EQ(clock.time - start, c.counts * kCountPeriod) << "k = " << c.k;
        EXPECT_EQ(window.eventServices, 1) << "k = " << c.k;
        EXPECT_EQ(clock.sleeps, c.counts > 0 ? 1 : 0) << "k = " << c.k;
    }
}

TEST(PaceFrame, NotANumberCountsNothingAndHugeDelaysSaturate) {
    EXPECT_EQ(countsForDelay(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(countsForDelay(-std::numeric_limits<double>::infinity()), 0);
    const std::int64_t most = countsForDelay(std::numeric_limits<double>::infinity());
    EXPECT_GT(most, std::int64_t{1} << 40);
    EXPECT_EQ(countsForDelay(3.0e38), most);
    EXPECT_GT(durationOfCounts(most).count(), 0) << "the longest wait must not overflow";
}

TEST(PaceFrame, DelayIsProportionalToTheCount) {
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
