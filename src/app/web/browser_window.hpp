#pragma once

#include <array>
#include <cstdint>

#include "app/form/platform_window.hpp"
#include "app/web/browser_pace_clock.hpp"
#include "app/web/page_input.hpp"
#include "frames/frame_set.hpp"

namespace vorn::web {

// A holder's picture: the page keeps the pixels in a canvas of its own, made
// at start; showing it draws that canvas.
class CanvasPicture final : public FramePicture {
public:
    explicit CanvasPicture(int holderNumber = 0) : holderNumber_(holderNumber) {}
    int holderNumber() const { return holderNumber_; }
    int frame() const { return frameOfHolder(holderNumber_); }

private:
    int holderNumber_;
};

// The form's window in a web page: the page (index.html) holds the window,
// Picture1 and its canvas; this hands the page the frames to show and the
// form the input the page reports.
class BrowserWindow final : public PlatformWindow {
public:
    // Makes the holders' pictures from `frames`, which may go afterwards, and
    // starts listening to the page's input.
    BrowserWindow(const FrameSet& frames, BrowserPaceClock& clock);
    BrowserWindow(const BrowserWindow&) = delete;
    BrowserWindow& operator=(const BrowserWindow&) = delete;

    const FramePicture* holderPicture(int holderNumber) const override;
    // The browser shows the drawing at its next paint, which comes at the
    // next wait: the pass's delay, or the event service right after it.
    std::optional<std::string> showPicture(const FramePicture& picture) override;
    void showPointerMode(PointerMode mode) override;
    void clearWindow() override;
    InputEvents serveEvents() override;
    [[noreturn]] void end(int status, const std::string& message) override;

    PageInput& input() { return input_; }
    char* keyBuffer() { return keyBuffer_.data(); }

private:
    std::array<CanvasPicture, kFrameCount> holders_;  // in frame order
    BrowserPaceClock& clock_;
    PageInput input_;
    std::array<char, 64> keyBuffer_{};
    std::uint64_t waitsAtLastService_ = 0;
};

// Ends the program with `message` in place of the window, and `status`. The
// page, which the operator may reload, says so.
[[noreturn]] void endProgram(int status, const std::string& message);

}  // namespace vorn::web
