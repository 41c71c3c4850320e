#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <thread>

#include "app/shared/pointer_units.hpp"
#include "input/mouse_commands.hpp"
#include "sequencer/pacing.hpp"

namespace vorn::testing {

using namespace std::chrono_literals;

// The program's own pace, from its constants: a pass waits one kCountPeriod
// per count of its delay.
constexpr std::chrono::microseconds passLength(double delayCounts) {
    return kCountPeriod * static_cast<std::int64_t>(delayCounts);
}
// The delay speed mode sets with the pointer on inner-area pixel (column, row).
inline double speedModeDelayCounts(int column, int row) {
    const PointerPosition at = pointerPositionInUnits(column, row);
    return static_cast<double>(at.x) * kSpeedFactor * static_cast<double>(at.y);
}
inline constexpr auto kStartPace = std::chrono::duration_cast<std::chrono::milliseconds>(passLength(kStartDelayCounts));
inline constexpr auto kStepModePace = passLength(kStepModeDelayCounts);

// How long a real-window test waits for what it waits for. Each budget bounds
// a wait for a condition, which returns as soon as the condition holds: a
// passing test never spends it, so it is sized for the slowest machine the
// suite must pass on (the sanitizer build, or the program under Wine, with
// both cores busy), not for the usual case.
//
// The program's start: the process is made, loads and decodes its frames and
// maps its window, then puts the first frame on screen.
inline constexpr auto kStartBudget = 30s;
// The margin covers a pass that the scheduler delays on a loaded machine.
inline constexpr auto kPassMargin = 3s;
inline constexpr std::chrono::milliseconds kNextPassBudget = kStartPace + kPassMargin;
// A pass at a pace the pointer sets (at most the step mode's, in the corner
// the tests use) or in step mode, and the service of the input that set it.
inline constexpr std::chrono::milliseconds kFastPassBudget =
    std::chrono::duration_cast<std::chrono::milliseconds>(kStepModePace) + kPassMargin;
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
inline constexpr std::chrono::milliseconds kLongerThanAPass = kStartPace + 100ms;

// Looks at the screen with `look` (a frame index, or none where no frame is
// recognised) every 5 ms until it sees a frame that `wanted` accepts, for at
// most `budget`; that frame, or none.
template <typename Look, typename Wanted>
std::optional<int> lookUntil(Look look, Wanted wanted, std::chrono::milliseconds budget) {
    const auto deadline = std::chrono::steady_clock::now() + budget;
    do {
        const std::optional<int> seen = look();
        if (seen && wanted(*seen)) return seen;
        std::this_thread::sleep_for(5ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

}  // namespace vorn::testing
