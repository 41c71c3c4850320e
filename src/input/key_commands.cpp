#include "input/key_commands.hpp"

namespace vorn {

void Picture1_KeyPress(SequencerState& state, ProgramControl& program, std::int16_t keyAscii) {
    if (keyAscii == kEscapeKey) {
        program.clearWindow();
        program.quit();
        return;
    }
    switch (keyAscii) {
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
}

}  // namespace vorn
