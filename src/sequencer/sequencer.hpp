#pragma once

#include <cstdint>

#include "sequencer/pace_clock.hpp"
#include "sequencer/sequencer_state.hpp"

namespace vorn {

// What the loop needs of the window. The window implements it; tests use a
// fake that records what was shown.
class SequencerHost {
public:
    virtual ~SequencerHost() = default;
    // Entry `entry` of the frame table takes the picture of holder entry + 1.
    virtual void takeFrameIntoTable(int entry) = 0;
    // Puts entry `entry` of the frame table on screen before returning.
    virtual void showFrame(int entry) = 0;
    // Serves all pending window events once; the input handlers run here and
    // may end the program.
    virtual void serveEvents() = 0;
};

// The loop that picks, shows and paces the frames. One thread: the host's
// handlers only run inside serveEvents(), so a pass never sees a half-made
// change and the loop needs no lock.
class Sequencer {
public:
    Sequencer(SequencerState& state, SequencerHost& host, PaceClock& clock);

    // Fills the frame table, showing entry 0 at once and serving events after
    // each further load, then starts the forward run at the start pace.
    void activate();

    // The start of a pass: apply the pending command, move the frame index
    // and show that frame.
    void showNextFrame();

    // Waits the delay the state's `k` sets, then serves pending events once.
    // Returns the number of counts waited.
    std::int64_t paceFrame();

private:
    SequencerState& state_;
    SequencerHost& host_;
    PaceClock& clock_;
};

}  // namespace vorn
