#include "sequencer/sequencer.hpp"

#include "sequencer/frame_pass.hpp"
#include "sequencer/pacing.hpp"

namespace vorn {

Sequencer::Sequencer(SequencerState& state, SequencerHost& host, PaceClock& clock)
    : state_(state), host_(host), clock_(clock) {}

void Sequencer::activate() {
    host_.takeFrameIntoTable(0);
    host_.showFrame(0);
    for (int entry = 1; entry < kFrameTableSize; ++entry) {
        host_.takeFrameIntoTable(entry);
        host_.serveEvents();
    }
    // Handlers that ran during loading may have written n or k; the start
    // run overrides them. l, m and mm keep what they hold, so the start run
    // goes forward although no forward run was ordered.
    state_.n = command::kRun;
    state_.k = kStartDelayCounts;
}

void Sequencer::showNextFrame() {
    advanceFrameIndex(state_);
    host_.showFrame(state_.l);
}

std::int64_t Sequencer::paceFrame() {
    const std::int64_t counts = countsForDelay(state_.k);
    if (counts > 0) {
        clock_.sleepUntil(deadlineAfter(clock_.now(), counts));
    }
    host_.serveEvents();
    return counts;
}

}  // namespace vorn
