#pragma once

#include <cstdint>

#include "input/handler_outcome.hpp"
#include "sequencer/sequencer_state.hpp"

namespace vorn {

inline constexpr std::int16_t kEscapeKey = 27;

// Handles one typed character: Escape asks to quit; the keys of the caption
// write the command `n`; every other character is ignored. Works the same in
// either pointer mode and while the frame table loads.
HandlerOutcome Picture1_KeyPress(SequencerState& state, std::int16_t keyAscii);

}  // namespace vorn
