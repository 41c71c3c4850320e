// The real vorn program in a real X server: how its window appears, what it
// shows and how it ends.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <thread>

#include "running_vorn.hpp"

namespace vorn::testing {
namespace {

TEST(RealWindow, AppearsCentredWithTheCaptionAndClientArea) {
    RunningVorn vorn;
    EXPECT_EQ(vorn.x().windowName(vorn.window()).toStdString(), kCaption);
    const QRect client = vorn.clientArea();
    EXPECT_EQ(client.size(), QSize(583, 553));
    const QRect screen = vorn.x().screenArea();
    EXPECT_LE(std::abs(client.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(client.center().y() - screen.center().y()), 1);
}

TEST(RealWindow, RunsForwardAtAboutOneFrameASecondFromTheStart) {
    RunningVorn vorn;
    // Entry 0 is up only while the table loads; the first pass shows entry 1.
    // The window may be mapped a moment before its first paint.
    const auto first = vorn.waitForChangeFrom(-1, 2s);
    ASSERT_TRUE(first.has_value()) << "the inner area shows no frame exactly";
    EXPECT_LE(*first, 1);
    ASSERT_TRUE(vorn.waitForFrame(1, 2s));
    const auto oneShown = std::chrono::steady_clock::now();
    ASSERT_TRUE(vorn.waitForFrame(2, 2s));
    const auto twoShown = std::chrono::steady_clock::now();
    ASSERT_TRUE(vorn.waitForFrame(3, 2s));
    const auto threeShown = std::chrono::steady_clock::now();
    for (auto period : {twoShown - oneShown, threeShown - twoShown}) {
        EXPECT_NEAR(std::chrono::duration<double>(period).count(), 1.0, 0.1);
    }
}

TEST(RealWindow, TheInnerAreaShowsTheFramesPixelsExactlyAndFaceColourBelow) {
    RunningVorn vorn;
    const auto shown = vorn.waitForChangeFrom(0, 3s);
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
    ASSERT_TRUE(vorn.waitForFrame(1, 2s));
    vorn.type(XK_slash);  // start run: step back one and halt
    ASSERT_TRUE(vorn.waitForFrame(0, 2s));
    std::this_thread::sleep_for(1200ms);
    EXPECT_EQ(vorn.frameOnScreen(), 0) << "halted";
}

TEST(RealWindow, ACloseRequestEndsItWithStatusZero) {
    RunningVorn vorn;
    ASSERT_TRUE(vorn.waitForFrame(1, 2s));
    vorn.x().sendCloseRequest(vorn.window());
    EXPECT_EQ(vorn.process().waitForExit(3s), 0);
}

}  // namespace
}  // namespace vorn::testing
