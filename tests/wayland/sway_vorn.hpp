#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <chrono>
#include <optional>

#include "headless_sway.hpp"

namespace vorn::testing {

// The real program as a client of a HeadlessSway: started as the test user
// with nothing in its environment but the compositor's (so also with only
// WAYLAND_DISPLAY set), and read back from grim's screenshots.
class SwayVorn {
public:
    // When the program counts as started: once sway shows its window (the
    // frames may still be loading), or once it shows a frame.
    enum class StartedAt { kWindowShown, kFrameShown };

    // With the Wayland requests traced (WAYLAND_DEBUG) the surface commits
    // can be counted: one per frame put on screen.
    enum class Requests { kUntraced, kTraced };

    explicit SwayVorn(HeadlessSway& sway, StartedAt startedAt = StartedAt::kFrameShown,
                      Requests requests = Requests::kUntraced);
    ~SwayVorn();
    SwayVorn(const SwayVorn&) = delete;
    SwayVorn& operator=(const SwayVorn&) = delete;

    // The whole number each frame pixel is scaled by, from the window's size.
    int scale() const { return scale_; }
    // The frame on screen in a new screenshot, if the picture area shows
    // every visible pixel of one as an exact scale() x scale() block.
    std::optional<int> frameOnScreen();
    // Where the window is now, in logical pixels; none while sway hides it.
    std::optional<QRect> view() const { return sway_.viewOf(process_.processId()); }
    // The logical point of the output on inner-area pixel (column, row).
    QPoint logicalPointOn(int column, int row) const;
    // The surface commits over `period`; only with the requests traced.
    int countCommits(std::chrono::milliseconds period);
    // The last screenshot frameOnScreen() looked at.
    const QImage& lastScreenshot() const { return shot_; }
    std::optional<int> waitForChangeFrom(int index, std::chrono::milliseconds budget);
    bool waitForFrame(int index, std::chrono::milliseconds budget);
    // The exit status once the program has ended within `budget`; -1 when a
    // signal ended it.
    std::optional<int> waitForExit(std::chrono::milliseconds budget);
    QString standardError();

private:
    void waitForWindow();

    HeadlessSway& sway_;
    QProcess process_;
    QPoint clientOrigin_;
    int scale_ = 1;
    QImage shot_;
};

}  // namespace vorn::testing
