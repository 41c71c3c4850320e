#include "sequencer/pace_clock.hpp"

#include <thread>

#if defined(__linux__)
#include <sys/prctl.h>
#endif

namespace vorn {

SteadyPaceClock::SteadyPaceClock() {
#if defined(__linux__)
    // The kernel may otherwise let a sleep overrun by its default slack of
    // 50 microseconds, which would dominate the short delays of a fast run.
    // Best effort: with the default slack the pace is only less exact.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
#endif
}

PaceClock::Duration SteadyPaceClock::now() {
    return std::chrono::duration_cast<Duration>(std::chrono::steady_clock::now().time_since_epoch());
}

void SteadyPaceClock::sleepUntil(Duration deadline) {
    // Loops because some runtimes (MinGW-w64's winpthreads) round the sleep
    // to whole milliseconds and may wake up to one early.
    const std::chrono::steady_clock::time_point until(deadline);
    while (std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_until(until);
    }
}

}  // namespace vorn
