#pragma once

#include <cstdint>

#include "input/program_control.hpp"
#include "sequencer/sequencer_state.hpp"

namespace vorn {

inline constexpr std::int16_t kEscapeKey = 27;

// Handles one typed character: Escape clears the window and quits; the keys
// of the caption write the command `n`; every other character is ignored.
// Works the same in either pointer mode and while the frame table loads.
void Picture1_KeyPress(SequencerState& state, ProgramControl& program, std::int16_t keyAscii);

}  // namespace vorn
