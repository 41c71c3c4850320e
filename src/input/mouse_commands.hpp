#pragma once

#include <cstdint>

#include "input/handler_outcome.hpp"
#include "sequencer/sequencer_state.hpp"

namespace vorn {

// Speed mode: the delay is the pointer's x * 30 * y in the picture area's
// units, so the pointer near the top-left corner runs the frames fast.
inline constexpr double kSpeedFactor = 30.0;
// Step mode: the delay while the pointer steps the frames.
inline constexpr double kStepModeDelayCounts = 10000.0;

// Pointer moved to (x, y) in the picture area's units (`button` and `shift`
// are accepted and ignored). In speed mode it sets the delay `k`; a product
// that is not a finite single-precision number (an input that is not, or one
// that overflows) is a floating-point error, which ends the program. In step
// mode it asks for one frame forward when the pointer moved down or sideways
// since the last step-mode move, and back when it moved up.
HandlerOutcome Picture1_MouseMove(SequencerState& state, std::int16_t button, std::int16_t shift, float x, float y);

// Switches between speed and step mode. Entering step mode keeps the run in
// force; leaving it puts that run back (the delay is not put back).
void Picture1_Click(SequencerState& state);


}  // namespace vorn
