// The operator's gestures played through the real handlers and the real loop,
// with a fake window that records the frames shown.
#include <gtest/gtest.h>

#include <vector>

#include "input/key_commands.hpp"
#include "input/mouse_commands.hpp"
#include "sequencer/sequencer.hpp"
#include "support/fake_window.hpp"

namespace vorn {
namespace {

class OperatorScenario : public ::testing::Test {
protected:
    void SetUp() override { sequencer.activate(); }

    // Runs passes until entry `entry` has just been shown.
    void runUntilShown(int entry) {
        for (int i = 0; i < 40 && state.l != entry; ++i) vorn::testing::runPass(sequencer);
        ASSERT_EQ(state.l, entry);
    }
    std::vector<int> runPasses(int passes) {
        window.shown.clear();
        for (int i = 0; i < passes; ++i) vorn::testing::runPass(sequencer);
        return window.shown;
    }
    // Delivers the gesture in the event service at the end of the next pass.
    void type(char key) {
        window.post([this, key] { Picture1_KeyPress(state, window, key); });
    }
    void movePointer(float x, float y) {
        window.post([this, x, y] { Picture1_MouseMove(state, window, 0, 0, x, y); });
    }
    void click() {
        window.post([this] { Picture1_Click(state); });
    }
    // Delivers what was posted without a pass, as the service at the end of
    // the pass that showed the current frame would have.
    void serve() { window.serveEvents(); }

    SequencerState state;
    testing::FakeWindow window;
    testing::FakeClock clock;
    Sequencer sequencer{state, window, clock};
};

TEST_F(OperatorScenario, MinusWhileRunningForwardOnFiveShowsThreeThenRunsBack) {
    type('+');
    serve();
    runUntilShown(5);
    type('-');
    serve();
    EXPECT_EQ(runPasses(5), (std::vector<int>{3, 2, 1, 0, 19}));
}

TEST_F(OperatorScenario, PlusWhileHaltedOnSevenShowsNineThenTen) {
    runUntilShown(7);
    state.n = command::kHalted;
    EXPECT_EQ(runPasses(2), (std::vector<int>{7, 7}));
    type('+');
    serve();
    EXPECT_EQ(runPasses(2), (std::vector<int>{9, 10}));
}

TEST_F(OperatorScenario, SpaceTwiceDuringAnOrderedRunStopsThenSteps) {
    type('+');
    serve();
    runUntilShown(11);
    type(' ');
    serve();
    EXPECT_EQ(runPasses(2), (std::vector<int>{11, 11}));
    type(' ');
    serve();
    EXPECT_EQ(runPasses(2), (std::vector<int>{12, 12}));
}

TEST_F(OperatorScenario, MinusThenPlusInOneServiceLeavesOnlyTheRunForward) {
    runUntilShown(4);
    type('-');
    type('+');
    serve();
    EXPECT_EQ(runPasses(2), (std::vector<int>{6, 7}));
}

TEST_F(OperatorScenario, StepModeDuringBackwardRunResumesBackwardFromTheFrameReached) {
    runUntilShown(10);
    type('-');
    serve();
    EXPECT_EQ(runPasses(2), (std::vector<int>{8, 7}));
    click();
    movePointer(5.0f, 6.0f);  // down from yyy 0: stop on 7
    serve();
    EXPECT_EQ(runPasses(1), (std::vector<int>{7}));
    movePointer(5.0f, 7.0f);  // down: step forward
    serve();
    EXPECT_EQ(runPasses(1), (std::vector<int>{8}));
    movePointer(5.0f, 7.5f);
    serve();
    EXPECT_EQ(runPasses(1), (std::vector<int>{9}));
    movePointer(5.0f, 2.0f);  // up: step back
    serve();
    EXPECT_EQ(runPasses(2), (std::vector<int>{8, 8}));
    click();
    serve();
    EXPECT_EQ(state.k, 10000.0);
    EXPECT_EQ(runPasses(3), (std::vector<int>{7, 6, 5}));
}

TEST_F(OperatorScenario, StepModeEnteredDuringStartRunResumesItWithNoForwardFlag) {
    runUntilShown(2);
    click();
    movePointer(1.0f, 1.0f);
    serve();
    EXPECT_EQ(runPasses(2), (std::vector<int>{3, 3}));
    click();
    serve();
    EXPECT_EQ(state.mm, 0);
    EXPECT_EQ(runPasses(2), (std::vector<int>{4, 5}));
}

TEST(OperatorDuringLoading, ClickWhileLoadingSavesAHaltThatTheSecondClickRestores) {
    SequencerState state;
    testing::FakeWindow window;
    testing::FakeClock clock;
    Sequencer sequencer(state, window, clock);
    window.post([&] { Picture1_Click(state); });
    sequencer.activate();
    EXPECT_EQ(state.nm, 1);
    EXPECT_EQ(state.n1, 0);
    vorn::testing::runPass(sequencer);
    vorn::testing::runPass(sequencer);
    EXPECT_EQ(window.shown, (std::vector<int>{0, 1, 2})) << "the start run still goes forward";
    window.post([&] { Picture1_Click(state); });
    window.serveEvents();
    window.shown.clear();
    vorn::testing::runPass(sequencer);
    vorn::testing::runPass(sequencer);
    EXPECT_EQ(window.shown, (std::vector<int>{2, 2})) << "the restored command is a halt";
}

TEST(OperatorDuringLoading, EscapeQuitsWhileTheTableLoads) {
    SequencerState state;
    testing::FakeWindow window;
    testing::FakeClock clock;
    Sequencer sequencer(state, window, clock);
    window.post([&] { Picture1_KeyPress(state, window, kEscapeKey); });
    sequencer.activate();
    EXPECT_EQ(window.quits, 1);
    EXPECT_EQ(window.clears, 1);
}

}  // namespace
}  // namespace vorn
