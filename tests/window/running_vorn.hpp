#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>
#include <chrono>
#include <optional>
#include <vector>

#include "app/shared/pointer_units.hpp"
#include "app/shared/caption.hpp"
#include "app/shared/window_size.hpp"
#include "cycle/frame_cycle.hpp"
#include "frames/indexed_image.hpp"
#include "vorn_process.hpp"
#include "wait_budgets.hpp"
#include "x_display.hpp"

namespace vorn::testing {

// The part of each frame the window shows: all but its rightmost column.
inline constexpr QSize kVisibleFrame{kInnerAreaWidthPixels, kFrameHeight};

// The twenty frames as the screen should show them, to tell which one is up.
class ScreenFrames {
public:
    ScreenFrames();
    // The frame whose pixels `visible` equals exactly, if any.
    std::optional<int> identify(const QImage& visible) const;
    const QImage& frame(int index) const { return frames_[static_cast<std::size_t>(index)]; }

    // A band of rows that differs in every frame: reading only it tells the
    // frames apart at a fiftieth of the cost of a whole picture, fast enough
    // to follow a run of a hundred frames a second on a loaded machine.
    QRect band() const { return band_; }
    // The frame whose band `rows` equals exactly, if any.
    std::optional<int> identifyBand(const QImage& rows) const;

private:
    void chooseBand();
    static std::optional<int> match(const std::array<QImage, kFrameCount>& references, const QImage& seen);

    std::array<QImage, kFrameCount> frames_;
    std::array<QImage, kFrameCount> bands_;
    QRect band_;
};

// A frame seen on screen, and when the poll that first saw it looked.
struct FrameSighting {
    int frame = 0;
    std::chrono::steady_clock::time_point seenAt;
};

// A vorn process whose window has appeared and shows a frame, with ways to
// read and steer it through the X server.
class RunningVorn {
public:
    // When the program counts as started: once its loop runs (for tests that
    // steer it), or once its first frame is on screen (for timing the start).
    enum class StartedAt { kLoopRunning, kFirstFrame };

    explicit RunningVorn(StartedAt startedAt = StartedAt::kLoopRunning);

    XDisplay& x() { return display_; }
    VornProcess& process() { return process_; }
    Window window() const { return window_; }
    QRect clientArea() { return display_.clientArea(window_); }
    // The whole number the window is scaled by: each frame pixel is a
    // scale × scale block on screen.
    int scale() const { return scale_; }
    // Root position of inner-area pixel (column, row) of the picture area:
    // the top-left device pixel of its block.
    QPoint innerPixel(int column, int row);
    // The visible part of the inner area as the screen shows it, block for
    // block, or reduced to one pixel a block.
    QImage grabVisibleFrame();

    // The frame on screen now, if the picture area shows one exactly.
    std::optional<int> frameOnScreen();
    // The frame on screen now, told by its band of rows alone.
    std::optional<int> frameInBand();
    // Waits for the next change of frame and returns the frame it brought.
    // Acting right after a change gives the program a whole pass, at any
    // pace, to serve what the test sends before the next change.
    std::optional<int> waitForNextFrame(std::chrono::milliseconds budget);
    // Waits until frame `index` is on screen.
    bool waitForFrame(int index, std::chrono::milliseconds budget);
    // Waits until frame `index` is on screen, told by its band of rows; when
    // it was first seen.
    std::optional<FrameSighting> sightFrame(int index, std::chrono::milliseconds budget);
    // Waits until the frame on screen differs from `index`; returns the new one.
    std::optional<int> waitForChangeFrom(int index, std::chrono::milliseconds budget);
    // The frames seen by polling the screen's band of rows for `period`,
    // each change once, with the time it was first seen.
    std::vector<FrameSighting> watch(std::chrono::milliseconds period);

    void type(unsigned long keysym, bool withShift = false) { display_.typeKeysym(keysym, withShift); }

    static const ScreenFrames& frames();

private:
    XDisplay display_;
    VornProcess process_;
    Window window_ = 0;
    int scale_ = 1;
};

// `image` with each of its pixels repeated into a `scale` × `scale` block.
QImage blocksOf(const QImage& image, int scale);
// The top-left pixel of each `scale` × `scale` block of `image`.
QImage sampleBlocks(const QImage& image, int scale);

}  // namespace vorn::testing
