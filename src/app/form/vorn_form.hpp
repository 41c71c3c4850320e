#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/form/platform_window.hpp"
#include "app/shared/picture_input.hpp"
#include "cycle/frame_cycle.hpp"
#include "input/handler_outcome.hpp"
#include "sequencer/pace_clock.hpp"
#include "sequencer/sequencer_state.hpp"

namespace vorn {

// The program's form, the same on every platform: the state the operator
// steers (the public fields k, l, m, mm, n, m1, mm1, n1, nm and yyy), the
// frame table, the loop, the picture area's input and its handlers. It draws
// and learns of input only through its PlatformWindow.
class VORN final : public SequencerState {
public:
    // Both must outlive the form.
    VORN(PlatformWindow& window, PaceClock& clock);

    // The window's activation: fills the frame table, showing entry 0 at
    // once and serving events after each further load, then runs the frames
    // until the operator quits.
    [[noreturn]] void RunSequencer();
    void Picture1_Click();
    void Picture1_DblClick();
    // The paced delay of one pass, then one service of pending events.
    void PaceFrame();
    void Picture1_KeyPress(std::int16_t keyAscii);
    void Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);

    // One service of pending events: the window's input, through the shared
    // rules, to the handlers above.
    void serveEvents();

private:
    void loadFrameTable();
    void showFrame(int entry);
    void act(HandlerOutcome outcome);
    [[noreturn]] void quit();
    [[noreturn]] void fail(const std::string& what);

    std::array<const FramePicture*, kFrameCount> frames{};
    PlatformWindow& window_;
    PaceClock& clock_;
    PictureInput input_;
};

// What the operator is told when the program cannot start: the frame
// pictures are bad, or the window cannot be made.
std::string startFailureMessage(const std::exception& error);

}  // namespace vorn
