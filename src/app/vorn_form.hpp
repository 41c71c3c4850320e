#pragma once

#include <array>
#include <cstdint>

#include "app/form_window.hpp"
#include "app/picture_handlers.hpp"
#include "input/program_control.hpp"
#include "sequencer/frame_pass.hpp"
#include "sequencer/pace_clock.hpp"
#include "sequencer/sequencer.hpp"
#include "sequencer/sequencer_state.hpp"

namespace vorn {

// The program's form, the same on every platform: the state the operator
// steers (the public fields k, l, m, mm, n, m1, mm1, n1, nm and yyy), the
// frame table, the loop and the handlers of the picture area's input. It
// draws and reads input only through its FormWindow.
class VORN final : public SequencerState, public PictureHandlers, private SequencerHost, private ProgramControl {
public:
    // Both must outlive the form.
    VORN(FormWindow& window, PaceClock& clock);

    // The window's activation: fills the frame table, then runs the frames
    // until the operator quits.
    [[noreturn]] void RunSequencer();
    void Picture1_Click() override;
    void Picture1_DblClick() override;
    // The paced delay of one pass, then one service of pending events.
    void PaceFrame();
    void Picture1_KeyPress(std::int16_t keyAscii) override;
    void Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;

private:
    void takeFrameIntoTable(int entry) override;
    void showFrame(int entry) override;
    void serveEvents() override;
    void clearWindow() override;
    void quit() override;
    void fail(const std::string& what) override;

    std::array<const FramePicture*, kFrameTableSize> frames{};
    FormWindow& window_;
    Sequencer sequencer_;
};

}  // namespace vorn
