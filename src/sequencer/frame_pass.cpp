#include "sequencer/frame_pass.hpp"

namespace vorn {
namespace {

// Every index update is a remainder of a non-negative sum, so `l` stays 0..19.
int wrapped(int nonNegativeSum) { return nonNegativeSum % kFrameCount; }

constexpr int kOneBack = kFrameCount - 1;

}  // namespace

void advanceFrameIndex(SequencerState& s) {
    if (s.n == command::kRunBackward) {
        s.l = wrapped(s.l + kOneBack);
        s.mm = 0;
        s.m = 1;
        s.n = command::kRun;
    }
    if (s.n == command::kRunForward) {
        s.l = wrapped(s.l + 1);
        s.m = 0;
        s.mm = 1;
        s.n = command::kRun;
    }
    if (s.n == command::kStopOrStepBack) {
        s.l = wrapped(s.l + kOneBack + s.m + s.mm);
        s.mm = 0;
        s.m = 0;
        s.n = command::kHalted;
    }
    if (s.n == command::kStopOrStepForward) {
        s.l = wrapped(s.l + 1 - s.m - s.mm);
        s.mm = 0;
        s.m = 0;
        s.n = command::kHalted;
    }
    if (s.n != command::kHalted && s.m == 0) {
        s.l = wrapped(s.l + s.n);
    }
    if (s.m == 1) {
        s.l = wrapped(s.l + kOneBack);
    }
}

}  // namespace vorn
