// The operator's keys and pointer, as real X input to the real program, read
// back from the frame on screen.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <cstdio>
#include <thread>

#include "running_vorn.hpp"

namespace vorn::testing {
namespace {

int wrap(int index) { return (index % kFrameCount + kFrameCount) % kFrameCount; }

// A vorn halted on a known frame, at the start pace (the pointer stays
// outside the window, so every pass takes a second and each can be read).
class HaltedVorn : public ::testing::Test {
protected:
    void SetUp() override {
        const auto shown = vorn.waitForNextFrame(kNextPassBudget);
        ASSERT_TRUE(shown.has_value());
        vorn.type(XK_period);  // start run: one step forward, then halt
        halted = wrap(*shown + 1);
        ASSERT_TRUE(vorn.waitForFrame(halted, kNextPassBudget));
        expectHeld();
    }
    // The frame stays up for more than a pass.
    void expectHeld() {
        const auto before = vorn.frameOnScreen();
        std::this_thread::sleep_for(kLongerThanAPass);
        EXPECT_EQ(vorn.frameOnScreen(), before) << "expected a halt";
    }
    // Types `keysym` and expects the frames `next` to follow, in order.
    void typeAndExpect(unsigned long keysym, std::initializer_list<int> next) {
        vorn.type(keysym);
        for (int frame : next) {
            ASSERT_TRUE(vorn.waitForFrame(wrap(frame), kNextPassBudget)) << "waiting for frame " << wrap(frame);
        }
    }

    RunningVorn vorn;
    int halted = 0;
};

TEST_F(HaltedVorn, StepKeysMoveOneFrameAndHold) {
    typeAndExpect(XK_period, {halted + 1});
    typeAndExpect(XK_asterisk, {halted + 2});
    typeAndExpect(XK_space, {halted + 3});
    typeAndExpect(XK_slash, {halted + 2});
    expectHeld();
}

TEST_F(HaltedVorn, RunKeysMoveTwoFramesThenOneAPass) {
    typeAndExpect(XK_plus, {halted + 2, halted + 3});
    vorn.type(XK_slash);  // stop during an ordered run: hold the current frame
    std::this_thread::sleep_for(kLongerThanAPass);
    const auto stopped = vorn.frameOnScreen();
    ASSERT_TRUE(stopped.has_value());
    expectHeld();
    typeAndExpect(XK_minus, {*stopped - 2, *stopped - 3});
    vorn.type(XK_comma);
    const auto afterComma = vorn.waitForChangeFrom(*vorn.frameOnScreen(), kNextPassBudget);
    ASSERT_TRUE(afterComma.has_value());
    ASSERT_TRUE(vorn.waitForFrame(wrap(*afterComma + 1), kNextPassBudget)) << "',' runs forward";
}

TEST_F(HaltedVorn, OtherKeysAndKeysWithAltCtrlOrTheWindowsKeyChangeNothing) {
    for (unsigned long keysym : {XK_a, XK_Z, XK_5, XK_equal, XK_Return, XK_Left, XK_Shift_L}) {
        vorn.type(keysym);
    }
    // Alt+-, Ctrl+- and Win+- type no character, as on Windows: no backward
    // run.
    for (unsigned long modifier : {XK_Alt_L, XK_Control_L, XK_Super_L}) {
        vorn.x().typeWithModifier(modifier, XK_minus);
    }
    expectHeld();
    EXPECT_EQ(vorn.frameOnScreen(), halted);
}

TEST(RealKeys, EscapeEndsItWithStatusZero) {
    RunningVorn vorn;
    ASSERT_TRUE(vorn.waitForNextFrame(kNextPassBudget).has_value());
    vorn.type(XK_Escape);
    EXPECT_EQ(vorn.process().waitForExit(kExitBudget), 0);
}

TEST_F(HaltedVorn, StepModeStepsWithThePointerAndAClickRestoresTheRun) {
    typeAndExpect(XK_minus, {halted - 2});  // running backward
    QPoint at = vorn.innerPixel(300, 200);
    vorn.x().movePointer(at.x(), at.y());  // speed mode: runs fast now
    vorn.x().click();                      // step mode, keeping the backward run
    std::this_thread::sleep_for(kServiceGap);
    vorn.x().movePointer(at.x(), at.y() + 10);  // stop on the current frame
    std::this_thread::sleep_for(kServiceGap);
    const auto reached = vorn.frameOnScreen();
    ASSERT_TRUE(reached.has_value());
    expectHeld();
    vorn.x().movePointer(at.x(), at.y() + 20);
    ASSERT_TRUE(vorn.waitForFrame(wrap(*reached + 1), kFastPassBudget)) << "down steps forward";
    vorn.x().movePointer(at.x(), at.y() + 30);
    ASSERT_TRUE(vorn.waitForFrame(wrap(*reached + 2), kFastPassBudget));
    vorn.x().movePointer(at.x(), at.y() + 5);
    ASSERT_TRUE(vorn.waitForFrame(wrap(*reached + 1), kFastPassBudget)) << "up steps back";
    expectHeld();
    vorn.x().click();  // back to speed mode: the backward run resumes
    // The run keeps the step mode's delay, and twenty frames make a turn:
    // only sightings close in time tell its direction, since a gap of half a
    // turn's passes between two looks could hide a step either way.
    const auto closeInTime = kStepModePace * (kFrameCount / 2 - 4);
    const std::vector<FrameSighting> seen = vorn.watch(1500ms);
    int judged = 0;
    int backward = 0;
    for (std::size_t i = 1; i < seen.size(); ++i) {
        if (seen[i].seenAt - seen[i - 1].seenAt > closeInTime) continue;
        ++judged;
        const int step = wrap(seen[i - 1].frame - seen[i].frame);
        if (step >= 1 && step <= 9) ++backward;
    }
    ASSERT_GE(judged, 3) << "too few close sightings to tell the direction";
    EXPECT_GE(backward, judged * 3 / 4) << "the run goes backward";
}

TEST(PointerSpeed, NearTheTopLeftRunsFasterThanNearTheBottomRight) {
    RunningVorn vorn;
    const QPoint topLeft = vorn.innerPixel(15, 15);
    vorn.x().movePointer(topLeft.x(), topLeft.y());
    // The pass at the start pace ends first; then passes are fast.
    ASSERT_TRUE(vorn.waitForNextFrame(kNextPassBudget).has_value());
    const int fast = vorn.x().countDamage(vorn.window(), 1s);
    constexpr int kColumn = 570, kRow = 540;
    const QPoint bottomRight = vorn.innerPixel(kColumn, kRow);
    vorn.x().movePointer(bottomRight.x(), bottomRight.y());
    std::this_thread::sleep_for(kServiceGap);
    const int slow = vorn.x().countDamage(vorn.window(), 1s);
    std::printf("repaints in 1 s: %d near the top-left, %d near the bottom-right\n", fast, slow);
    // Each pass there waits at least its delay, about a hundredth of a
    // second; near the top-left the delay is a few counts, and the machine
    // draws as many as it can, which on a loaded machine may be only a few
    // hundred.
    const auto slowPass = passLength(speedModeDelayCounts(kColumn, kRow));
    const double mostPasses = 1s / std::chrono::duration<double>(slowPass);
    EXPECT_GT(slow, 20);
    EXPECT_LT(slow, mostPasses * 1.15) << "a pass takes at least " << slowPass.count() << " us";
    EXPECT_GT(fast, 2 * slow);
}

// Pointer gestures that are no click: the pointer's shape, read back over the
// inner area, still shows speed mode afterwards.
class PointerGesture : public ::testing::Test {
protected:
    void SetUp() override {
        vorn.x().movePointer(inside.x(), inside.y());
        // The pass at the start pace ends; then passes are fast.
        ASSERT_TRUE(vorn.waitForNextFrame(kNextPassBudget).has_value());
        speedMode = vorn.x().cursorShape();
    }
    void expectStillInSpeedMode() {
        std::this_thread::sleep_for(kServiceGap);
        vorn.x().movePointer(inside.x() + 5, inside.y() + 5);
        std::this_thread::sleep_for(kServiceGap);
        EXPECT_EQ(vorn.x().cursorShape(), speedMode) << "the gesture switched the mode";
        EXPECT_FALSE(vorn.process().waitForExit(0ms).has_value());
    }

    RunningVorn vorn;
    const QPoint inside = vorn.innerPixel(200, 200);
    QByteArray speedMode;
};

// With the button held the window has the pointer (X's implicit grab,
// Win32's capture), so the release off the window still reaches the layer:
// 100 pixels below the window's lower edge it lies within Picture1's rows that
// the client area hides, where a release must not count as on the picture.
TEST_F(PointerGesture, APressDraggedOffTheBottomAndReleasedBelowTheWindowIsNoClick) {
    vorn.x().pressButton(1);
    const QRect whole = vorn.clientArea().marginsAdded(vorn.x().frameExtents(vorn.window()));
    for (int y = inside.y() + 50; y < whole.bottom() + 100; y += 50) {
        vorn.x().movePointer(inside.x(), y);
    }
    vorn.x().movePointer(inside.x(), whole.bottom() + 100);
    std::this_thread::sleep_for(kServiceGap);
    vorn.x().releaseButton(1);
    expectStillInSpeedMode();
}

TEST(PointerShape, TellsWhichModeIsOn) {
    RunningVorn vorn;
    const QPoint at = vorn.innerPixel(200, 200);
    vorn.x().movePointer(at.x(), at.y());
    // The pass at the start pace ends; then passes are fast.
    ASSERT_TRUE(vorn.waitForNextFrame(kNextPassBudget).has_value());
    const QByteArray speedMode = vorn.x().cursorShape();
    vorn.x().click();
    // The next click must not make a double-click of this one.
    std::this_thread::sleep_for(kClickSpacing);
    const QByteArray stepMode = vorn.x().cursorShape();
    EXPECT_NE(stepMode, speedMode);
    vorn.x().click();
    std::this_thread::sleep_for(kServiceGap);
    EXPECT_EQ(vorn.x().cursorShape(), speedMode);
    EXPECT_FALSE(vorn.process().waitForExit(0ms).has_value()) << "two separate clicks do not quit";
}

TEST(PointerQuit, ADoubleClickEndsItWithStatusZero) {
    RunningVorn vorn;
    const QPoint at = vorn.innerPixel(100, 100);
    vorn.x().movePointer(at.x(), at.y());
    vorn.x().doubleClick();
    EXPECT_EQ(vorn.process().waitForExit(kExitBudget), 0);
}

}  // namespace
}  // namespace vorn::testing
