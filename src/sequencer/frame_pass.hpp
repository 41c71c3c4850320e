#pragma once

#include "cycle/frame_cycle.hpp"
#include "sequencer/sequencer_state.hpp"

namespace vorn {

// Applies the pending command and moves the frame index: steps 1 to 6 of a
// pass. Afterwards `n` is 0 or 1, and `l` is the entry the pass shows.
//
// A run request moves two frames in the pass that applies it (the request's
// own step plus the run step); a stop request during an ordered run cancels
// its one-frame move against the direction flag and holds the current frame.
void advanceFrameIndex(SequencerState& state);

}  // namespace vorn
