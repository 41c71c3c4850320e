#pragma once

namespace vorn {

// The numbers the operator steers and the loop reads. The input handlers only
// write these fields; the loop acts on them at the start of its next pass.
//
// Command values held in `n`: 1 run, 0 halted; the requests -1 (run
// backward), 3 (run forward), -2 and 2 (stop on the current frame during an
// ordered run, otherwise step one frame back or forward and halt) are turned
// into 1 or 0 by the pass that applies them.
struct SequencerState {
    double k = 0;   // pacing delay in counts: an integer or a single-precision product
    int l = 0;      // frame index, always 0..19
    int m = 0;      // 1 while a backward run is in force
    int mm = 0;     // 1 while a forward run the operator ordered is in force
    int n = 0;      // command (see above)
    int m1 = 0;     // m, mm and n as they were when step mode was entered
    int mm1 = 0;
    int n1 = 0;
    int nm = 0;     // pointer mode: 0 sets the speed, 1 steps the frames
    float yyy = 0;  // pointer y at the last move in step mode
};

// Commands the loop understands, by name.
namespace command {
inline constexpr int kHalted = 0;
inline constexpr int kRun = 1;
inline constexpr int kRunBackward = -1;
inline constexpr int kRunForward = 3;
inline constexpr int kStopOrStepBack = -2;
inline constexpr int kStopOrStepForward = 2;
}  // namespace command

}  // namespace vorn
