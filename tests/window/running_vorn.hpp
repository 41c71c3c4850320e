#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>
#include <chrono>
#include <optional>
#include <vector>

#include "vorn_process.hpp"
#include "x_display.hpp"

namespace vorn::testing {

using namespace std::chrono_literals;

inline constexpr const char* kCaption =
    "VORN and Conventional             Use: SpaceBar + - / * mouse , .             ESC to Quit";

// The part of each frame the window shows: all but its rightmost column.
inline constexpr QSize kVisibleFrame{579, 550};

// The twenty frames as the screen should show them, to tell which one is up.
class ScreenFrames {
public:
    ScreenFrames();
    // The frame whose pixels `visible` equals exactly, if any.
    std::optional<int> identify(const QImage& visible) const;
    const QImage& frame(int index) const { return frames_[static_cast<std::size_t>(index)]; }

private:
    std::array<QImage, 20> frames_;
};

// A vorn process whose window has appeared, with ways to read and steer it
// through the X server.
class RunningVorn {
public:
    RunningVorn();

    XDisplay& x() { return display_; }
    VornProcess& process() { return process_; }
    Window window() const { return window_; }
    QRect clientArea() { return display_.clientArea(window_); }
    // Root position of inner-area pixel (column, row) of the picture area.
    QPoint innerPixel(int column, int row);

    // The frame on screen now, if the picture area shows one exactly.
    std::optional<int> frameOnScreen();
    // Waits until frame `index` is on screen.
    bool waitForFrame(int index, std::chrono::milliseconds timeout);
    // Waits until the frame on screen differs from `index`; returns the new one.
    std::optional<int> waitForChangeFrom(int index, std::chrono::milliseconds timeout);
    // The frames seen by polling the screen for `period`, without repeats.
    std::vector<int> watch(std::chrono::milliseconds period);

    void type(unsigned long keysym, bool withShift = false) { display_.typeKeysym(keysym, withShift); }

    static const ScreenFrames& frames();

private:
    XDisplay display_;
    VornProcess process_;
    Window window_ = 0;
};

}  // namespace vorn::testing
