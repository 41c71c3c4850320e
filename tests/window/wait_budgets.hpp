#pragma once

#include <chrono>

namespace vorn::testing {

using namespace std::chrono_literals;

// How long a real-window test waits for what it waits for. Each budget bounds
// a wait for a condition, which returns as soon as the condition holds: a
// passing test never spends it, so it is sized for the slowest machine the
// suite must pass on (the sanitizer build, or the program under Wine, with
// both cores busy), not for the usual case.
//
// The program's start: the process is made, loads and decodes its frames and
// maps its window, then puts the first frame on screen.
inline constexpr auto kStartBudget = 30s;
// One pass at the start pace takes a second; the margin covers a pass that
// the scheduler delays on a loaded machine.
inline constexpr auto kStartPace = 1s;
inline constexpr auto kPassMargin = 3s;
inline constexpr auto kNextPassBudget = kStartPace + kPassMargin;
// A pass at a pace the pointer sets (at most about ten milliseconds) or in
// step mode (ten milliseconds), and the service of the input that set it.
inline constexpr auto kFastPassBudget = kPassMargin;
// From a quit request to the process's end.
inline constexpr auto kExitBudget = 10s;

// Longer than the double-click interval of every windowing layer under test,
// so that two clicks this far apart are two clicks.
inline constexpr auto kClickSpacing = 700ms;
// Long enough that the input sent before it has been served by a pass of the
// program before the next input arrives, at the paces the pointer sets.
inline constexpr auto kServiceGap = 200ms;
// Longer than one pass at the start pace: a frame still up after this is
// held, not merely waiting for its pass to end.
inline constexpr auto kLongerThanAPass = 1100ms;

}  // namespace vorn::testing
