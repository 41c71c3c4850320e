#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "input/mouse_commands.hpp"

namespace vorn {
namespace {

// The picture area's units at the bottom-right visible inner pixel.
const float kRightmostX = static_cast<float>(578 * 14.882789 / 579);
const float kLowestY = static_cast<float>(550 / 25.6);

TEST(MouseMoveSpeedMode, DelayIsTheProductOfThePosition) {
    SequencerState state;
    Picture1_MouseMove(state, 0, 0, 0.0f, 20.0f);
    EXPECT_EQ(state.k, 0.0);
    Picture1_MouseMove(state, 0, 0, 14.0f, 0.0f);
    EXPECT_EQ(state.k, 0.0);
    Picture1_MouseMove(state, 0, 0, kRightmostX, kLowestY);
    EXPECT_NEAR(state.k, 9576.0, 1.0);
    Picture1_MouseMove(state, 1, 1, 2.0f, 3.0f);
    EXPECT_EQ(state.k, 180.0) << "buttons and modifiers are ignored";
    EXPECT_EQ(state.n, 0);
}

TEST(MouseMoveSpeedMode, ProductIsRoundedOnceToSinglePrecision) {
    // x * 30 rounded to float first would give a different result here.
    const float x = 0.01f;
    const float y = 1.0f / 37.0f;
    const double exact = static_cast<double>(x) * 30.0 * static_cast<double>(y);
    SequencerState state;
    Picture1_MouseMove(state, 0, 0, x, y);
    EXPECT_EQ(state.k, static_cast<double>(static_cast<float>(exact)));
    EXPECT_NE(state.k, static_cast<double>((x * 30.0f) * y));
}

TEST(MouseMoveSpeedMode, PositionsOutsideThePictureAreUsedAsTheyCome) {
    SequencerState state;
    Picture1_MouseMove(state, 1, 0, -1.0f, 2.0f);
    EXPECT_EQ(state.k, -60.0);
    Picture1_MouseMove(state, 1, 0, 20.0f, 40.0f);
    EXPECT_EQ(state.k, 24000.0);
}

TEST(MouseMoveSpeedMode, AProductThatIsNotFiniteIsAFloatingPointErrorThatEndsTheProgram) {
    const float big = std::numeric_limits<float>::max();
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    // Overflow (also past single precision only: 1e19 * 30 * 1e19), an
    // invalid operation (infinity times 0, NaN) and infinite inputs.
    const float cases[][2] = {{big, big}, {big, -2.0f}, {1e19f, 1e19f}, {inf, 1.0f}, {inf, 0.0f}, {nan, 1.0f}, {1.0f, nan}};
    for (const auto& c : cases) {
        SequencerState state;
        state.k = 1234;
        EXPECT_EQ(Picture1_MouseMove(state, 0, 0, c[0], c[1]), HandlerOutcome::kFloatingPointError)
            << c[0] << " x " << c[1];
    }
    // The largest products that still fit do not trigger it.
    SequencerState state;
    EXPECT_EQ(Picture1_MouseMove(state, 0, 0, 1e18f, 1e19f), HandlerOutcome::kGoOn);
    EXPECT_NEAR(state.k, 3e38, 1e33);
}

TEST(MouseMoveStepMode, DownOrSidewaysStepsForwardUpStepsBack) {
    SequencerState state;
    state.nm = 1;
    state.k = 50;
    Picture1_MouseMove(state, 0, 0, 3.0f, 5.0f);
    EXPECT_EQ(state.n, 2) << "first move of the first period compares with 0";
    EXPECT_EQ(state.k, 10000.0);
    EXPECT_EQ(state.yyy, 5.0f);
    Picture1_MouseMove(state, 0, 0, 7.0f, 5.0f);
    EXPECT_EQ(state.n, 2) << "a sideways move steps forward";
    Picture1_MouseMove(state, 0, 0, 7.0f, 4.5f);
    EXPECT_EQ(state.n, -2);
    EXPECT_EQ(state.yyy, 4.5f);
}

TEST(MouseMoveStepMode, LaterPeriodComparesWithTheKeptPointerHeight) {
    SequencerState state;
    Picture1_Click(state);
    Picture1_MouseMove(state, 0, 0, 1.0f, 10.0f);
    Picture1_Click(state);
    Picture1_MouseMove(state, 0, 0, 1.0f, 2.0f);  // speed mode: yyy untouched
    EXPECT_EQ(state.yyy, 10.0f);
    Picture1_Click(state);
    Picture1_MouseMove(state, 0, 0, 1.0f, 8.0f);
    EXPECT_EQ(state.n, -2) << "8 is above the kept 10";
}

TEST(Click, EnteringStepModeSavesTheRunAndLeavingRestoresItButNotTheDelay) {
    const struct {
        int n, m, mm;
    } runs[] = {{1, 0, 0}, {1, 0, 1}, {1, 1, 0}, {0, 0, 0}, {3, 0, 0}};
    for (const auto& run : runs) {
        SequencerState state;
        state.n = run.n;
        state.m = run.m;
        state.mm = run.mm;
        Picture1_Click(state);
        EXPECT_EQ(state.nm, 1);
        EXPECT_EQ(state.n1, run.n);
        EXPECT_EQ(state.m1, run.m);
        EXPECT_EQ(state.mm1, run.mm);
        Picture1_MouseMove(state, 0, 0, 1.0f, 1.0f);
        state.n = 0;  // the loop applied the step
        state.m = 0;
        state.mm = 0;
        Picture1_Click(state);
        EXPECT_EQ(state.nm, 0);
        EXPECT_EQ(state.n, run.n);
        EXPECT_EQ(state.m, run.m);
        EXPECT_EQ(state.mm, run.mm);
        EXPECT_EQ(state.k, 10000.0) << "the step-mode delay stays";
    }
}

}  // namespace
}  // namespace vorn
