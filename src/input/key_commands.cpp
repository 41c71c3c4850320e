#include "input/key_commands.hpp"

namespace vorn {

HandlerOutcome Picture1_KeyPress(SequencerState& state, std::int16_t keyAscii) {
    switch (keyAscii) {
        case kEscapeKey:
            return HandlerOutcome::kQuit;
        case '-':
            state.n = command::kRunBackward;
            break;
        case '+':
        case ',':
            state.n = command::kRunForward;
            break;
        case '/':
            state.n = command::kStopOrStepBack;
            break;
        case '*':
        case ' ':
        case '.':
            state.n = command::kStopOrStepForward;
            break;
        default:
            break;
    }
    return HandlerOutcome::kGoOn;
}

}  // namespace vorn
