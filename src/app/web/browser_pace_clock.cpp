#include "app/web/browser_pace_clock.hpp"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace vorn::web {

PaceClock::Duration BrowserPaceClock::now() {
    const double milliseconds = emscripten_get_now();
    return Duration(static_cast<Duration::rep>(std::llround(milliseconds * 1e6)));
}

void BrowserPaceClock::sleepUntil(Duration deadline) {
    // A browser timer counts whole milliseconds, so each wait is rounded up:
    // the clock never returns before its deadline.
    for (;;) {
        const Duration remaining = deadline - now();
        if (remaining <= Duration::zero()) {
            return;
        }
        waitFor(std::chrono::ceil<std::chrono::milliseconds>(remaining));
    }
}

void BrowserPaceClock::waitBriefly() { waitFor(std::chrono::milliseconds::zero()); }

void BrowserPaceClock::waitFor(std::chrono::milliseconds wait) {
    constexpr auto kLongest = std::chrono::milliseconds(std::numeric_limits<unsigned>::max());
    ++waits_;
    emscripten_sleep(static_cast<unsigned>(std::min(wait, kLongest).count()));
}

}  // namespace vorn::web
