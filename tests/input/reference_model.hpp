#pragma once

#include <cmath>
#include <cstdint>

#include "cycle/frame_cycle.hpp"

// A second, independent statement of what the operator's input and the loop
// do, written from the rules of the behaviour rather than from the code:
// the pass is one signed displacement per command, taken modulo 20 with a
// floor remainder, instead of the loop's chain of tests on non-negative sums.
// The randomised run compares the real handlers and loop against it.
namespace vorn::reference {

inline constexpr int kFrames = vorn::kFrameCount;
inline constexpr double kStartDelay = 1000000.0;
inline constexpr double kStepDelay = 10000.0;

class OperatorModel {
public:
    // The state right after the frame table has filled: the start-up run.
    OperatorModel() = default;

    void typed(std::int16_t code) {
        switch (code) {
            case 27: ++quits; break;
            case '-': command = kBackRequest; break;
            case '+': case ',': command = kForwardRequest; break;
            case '/': command = kStopOrBack; break;
            case '*': case ' ': case '.': command = kStopOrForward; break;
            default: break;
        }
    }

    void pointerMoved(float x, float y) {
        if (!stepMode) {
            // x * 30 * y is exact in a double (24 + 5 + 24 bits); it is kept
            // as a single-precision value, and only when that is a number.
            const float speed = static_cast<float>(static_cast<double>(x) * 30.0 * static_cast<double>(y));
            if (std::isfinite(speed)) {
                delay = speed;
            }
            return;
        }
        delay = kStepDelay;
        command = (y >= lastStepY) ? kStopOrForward : kStopOrBack;
        lastStepY = y;
    }

    void clicked() {
        if (!stepMode) {
            saved = {command, backward, forward};
        }
        stepMode = !stepMode;
        if (!stepMode) {
            command = saved.command;
            backward = saved.backward;
            forward = saved.forward;
        }
    }

    void doubleClicked() { ++quits; }

    // One pass: the frame the pass shows.
    int pass() {
        const bool orderedRun = backward || forward;
        int move = 0;
        switch (command) {
            case kBackRequest:  // the request's step back plus the backward run's
                move = -2;
                setRun(1, true, false);
                break;
            case kForwardRequest:  // the request's step plus the forward run's
                move = 2;
                setRun(1, false, true);
                break;
            case kStopOrBack:  // during an ordered run: hold; otherwise one back
                move = orderedRun ? 0 : -1;
                setRun(0, false, false);
                break;
            case kStopOrForward:  // during an ordered run: hold; otherwise one on
                move = orderedRun ? 0 : 1;
                setRun(0, false, false);
                break;
            default:  // 1 runs (backward if so ordered), 0 holds
                move = command == 0 ? 0 : (backward ? -1 : 1);
                break;
        }
        frame = ((frame + move) % kFrames + kFrames) % kFrames;
        return frame;
    }

    int frame = 0;
    int command = 1;
    bool backward = false;
    bool forward = false;
    double delay = kStartDelay;
    bool stepMode = false;
    float lastStepY = 0;
    int quits = 0;

private:
    static constexpr int kBackRequest = -1;
    static constexpr int kForwardRequest = 3;
    static constexpr int kStopOrBack = -2;
    static constexpr int kStopOrForward = 2;

    void setRun(int newCommand, bool isBackward, bool isForward) {
        command = newCommand;
        backward = isBackward;
        forward = isForward;
    }

    struct Run {
        int command = 0;
        bool backward = false;
        bool forward = false;
    };
    Run saved;
};

}  // namespace vorn::reference
