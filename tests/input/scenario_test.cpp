// The operator's gestures played through the real handlers and the real
// pass, as the form runs them: each gesture is handled in the event service
// that ends a pass, and the next pass moves the index.
#include <gtest/gtest.h>

#include <vector>

#include "input/key_commands.hpp"
#include "input/mouse_commands.hpp"
#include "sequencer/frame_pass.hpp"
#include "sequencer/pacing.hpp"

namespace vorn {
namespace {

class OperatorScenario : public ::testing::Test {
protected:
    // As the frame table has loaded: the start run, on entry 0.
    void SetUp() override {
        state.n = command::kRun;
        state.k = kStartDelayCounts;
    }

    // Runs passes until entry `entry` has just been shown.
    void runUntilShown(int entry) {
        for (int i = 0; i < 40 && state.l != entry; ++i) advanceFrameIndex(state);
        ASSERT_EQ(state.l, entry);
    }
    // The entries the next `passes` passes show.
    std::vector<int> runPasses(int passes) {
        std::vector<int> shown;
        for (int i = 0; i < passes; ++i) {
            advanceFrameIndex(state);
            shown.push_back(state.l);
        }
        return shown;
    }
    void type(char key) { EXPECT_EQ(Picture1_KeyPress(state, key), HandlerOutcome::kGoOn); }
    void movePointer(float x, float y) { EXPECT_EQ(Picture1_MouseMove(state, 0, 0, x, y), HandlerOutcome::kGoOn); }
    void click() { Picture1_Click(state); }

    SequencerState state;
};

TEST_F(OperatorScenario, MinusWhileRunningForwardOnFiveShowsThreeThenRunsBack) {
    type('+');
    runUntilShown(5);
    type('-');
    EXPECT_EQ(runPasses(5), (std::vector<int>{3, 2, 1, 0, 19}));
}

TEST_F(OperatorScenario, PlusWhileHaltedOnSevenShowsNineThenTen) {
    runUntilShown(7);
    state.n = command::kHalted;
    EXPECT_EQ(runPasses(2), (std::vector<int>{7, 7}));
    type('+');
    EXPECT_EQ(runPasses(2), (std::vector<int>{9, 10}));
}

TEST_F(OperatorScenario, SpaceTwiceDuringAnOrderedRunStopsThenSteps) {
    type('+');
    runUntilShown(11);
    type(' ');
    EXPECT_EQ(runPasses(2), (std::vector<int>{11, 11}));
    type(' ');
    EXPECT_EQ(runPasses(2), (std::vector<int>{12, 12}));
}

TEST_F(OperatorScenario, MinusThenPlusInOneServiceLeavesOnlyTheRunForward) {
    runUntilShown(4);
    type('-');
    type('+');
    EXPECT_EQ(runPasses(2), (std::vector<int>{6, 7}));
}

TEST_F(OperatorScenario, StepModeDuringBackwardRunResumesBackwardFromTheFrameReached) {
    runUntilShown(10);
    type('-');
    EXPECT_EQ(runPasses(2), (std::vector<int>{8, 7}));
    click();
    movePointer(5.0f, 6.0f);  // down from yyy 0: stop on 7
    EXPECT_EQ(runPasses(1), (std::vector<int>{7}));
    movePointer(5.0f, 7.0f);  // down: step forward
    EXPECT_EQ(runPasses(1), (std::vector<int>{8}));
    movePointer(5.0f, 7.5f);
    EXPECT_EQ(runPasses(1), (std::vector<int>{9}));
    movePointer(5.0f, 2.0f);  // up: step back
    EXPECT_EQ(runPasses(2), (std::vector<int>{8, 8}));
    click();
    EXPECT_EQ(state.k, 10000.0);
    EXPECT_EQ(runPasses(3), (std::vector<int>{7, 6, 5}));
}

TEST_F(OperatorScenario, StepModeEnteredDuringStartRunResumesItWithNoForwardFlag) {
    runUntilShown(2);
    click();
    movePointer(1.0f, 1.0f);
    EXPECT_EQ(runPasses(2), (std::vector<int>{3, 3}));
    click();
    EXPECT_EQ(state.mm, 0);
    EXPECT_EQ(runPasses(2), (std::vector<int>{4, 5}));
}

}  // namespace
}  // namespace vorn
