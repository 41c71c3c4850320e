// The real vorn program in a real X server: how its window appears, what it
// shows and how it ends.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

#include "running_vorn.hpp"

namespace vorn::testing {
namespace {

// The frame the program placed its window with: the one a window manager put
// round it, or, where VORN_FRAME_COMMAND names a command that prints it as
// "left top right bottom", that one: under Wine, the frame Windows gives the
// program, which the window manager's frame round it need not match.
struct ClosePipe {
    void operator()(FILE* pipe) const { pclose(pipe); }
};

QMargins placementFrame(RunningVorn& vorn) {
    const char* command = std::getenv("VORN_FRAME_COMMAND");
    if (command == nullptr || *command == '\0') {
        return vorn.x().frameExtents(vorn.window());
    }
    const std::unique_ptr<FILE, ClosePipe> output(popen(command, "r"));
    int left = 0, top = 0, right = 0, bottom = 0;
    if (!output || std::fscanf(output.get(), "%d %d %d %d", &left, &top, &right, &bottom) != 4) {
        ADD_FAILURE() << "no frame read from: " << command;
    }
    return QMargins(left, top, right, bottom);
}

TEST(RealWindow, AppearsCentredWithTheCaptionAndClientArea) {
    RunningVorn vorn;
    EXPECT_EQ(vorn.x().windowName(vorn.window()).toStdString(), kCaption);
    const QRect client = vorn.clientArea();
    EXPECT_EQ(client.size(), QSize(583, 553));
    // The whole window is centred, its frame included.
    const QRect whole = client.marginsAdded(placementFrame(vorn));
    const QRect screen = vorn.x().screenArea();
    EXPECT_LE(std::abs(whole.center().x() - screen.center().x()), 1) << "frame " << whole.x() << "," << whole.y();
    EXPECT_LE(std::abs(whole.center().y() - screen.center().y()), 1) << "frame " << whole.x() << "," << whole.y();
}

TEST(RealWindow, RunsForwardAtAboutOneFrameASecondFromTheStart) {
    RunningVorn vorn;
    // The pace is measured between the moments the changes were seen, never
    // from when the test began to look, and over several passes, so that
    // one pass the scheduler delayed on a loaded machine does not decide it.
    constexpr int kPasses = 4;
    const auto first = vorn.waitForNextFrame(kNextPassBudget);
    ASSERT_TRUE(first.has_value());
    std::vector<FrameSighting> sightings;
    for (int pass = 1; pass <= kPasses + 1; ++pass) {
        const auto next = vorn.sightFrame((*first + pass) % kFrameCount, kNextPassBudget);
        ASSERT_TRUE(next.has_value()) << "forward from " << *first << " by " << pass;
        sightings.push_back(*next);
    }
    const double meanPeriod =
        std::chrono::duration<double>(sightings.back().seenAt - sightings.front().seenAt).count() / kPasses;
    EXPECT_NEAR(meanPeriod, 1.0, 0.1);
}

TEST(RealWindow, TheInnerAreaShowsTheFramesPixelsExactlyAndFaceColourBelow) {
    RunningVorn vorn;
    const auto shown = vorn.waitForChangeFrom(0, kNextPassBudget);
    ASSERT_TRUE(shown.has_value());
    const QImage inner = vorn.x().grab(QRect(vorn.innerPixel(0, 0), QSize(579, 551)));
    EXPECT_EQ(inner.copy(0, 0, 579, 550), RunningVorn::frames().frame(*shown));
    const QRgb face = inner.pixel(0, 550);
    for (int x = 0; x < 579; ++x) {
        ASSERT_EQ(inner.pixel(x, 550), face);
    }
    EXPECT_NE(face, qRgb(255, 255, 255)) << "the row below the frame is the face colour, not the frame's white";
}

TEST(RealWindow, TakesKeysWithoutAClick) {
    RunningVorn vorn;
    const auto shown = vorn.waitForNextFrame(kNextPassBudget);
    ASSERT_TRUE(shown.has_value());
    vorn.type(XK_slash);  // start run: step back one and halt
    const int back = (*shown + kFrameCount - 1) % kFrameCount;
    ASSERT_TRUE(vorn.waitForFrame(back, kNextPassBudget));
    std::this_thread::sleep_for(kLongerThanAPass);
    EXPECT_EQ(vorn.frameOnScreen(), back) << "halted";
}

TEST(RealWindow, ACloseRequestEndsItWithStatusZero) {
    RunningVorn vorn;
    vorn.x().sendCloseRequest(vorn.window());
    EXPECT_EQ(vorn.process().waitForExit(kExitBudget), 0);
}

}  // namespace
}  // namespace vorn::testing
