#pragma once

#include <chrono>
#include <cstdint>

#include "sequencer/pace_clock.hpp"

namespace vorn::web {

// The page's clock, and waits that hand the thread back to the browser. The
// program's loop never returns to the browser, so under Asyncify a wait
// unwinds it, lets the browser run its timers, input and painting, and
// resumes it where it stood.
//
// Browsers clamp short timers (to about 4 ms once timers nest), so a wait
// is never shorter than that clamp; longer waits end within about a
// millisecond of their deadline, and the pace stays proportional to k above
// the clamp.
class BrowserPaceClock final : public PaceClock {
public:
    // performance.now(): monotonic, from the page's start.
    Duration now() override;
    void sleepUntil(Duration deadline) override;

    // Waits for the browser's shortest timer, for a pass whose delay did not
    // wait at all.
    void waitBriefly();
    // How many times the clock has handed the thread to the browser.
    std::uint64_t waits() const { return waits_; }

private:
    void waitFor(std::chrono::milliseconds wait);

    std::uint64_t waits_ = 0;
};

}  // namespace vorn::web
