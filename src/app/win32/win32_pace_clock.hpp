#pragma once

#include <windows.h>

#include "sequencer/pace_clock.hpp"

namespace vorn::win32 {

// The performance counter, and sleeps that end within a fraction of a
// millisecond of their deadline: a high-resolution waitable timer (Windows 10
// 1803 and later), else Sleep at a 1 ms timer period with the last fraction
// spun. Either way the thread sleeps for all but that fraction.
class Win32PaceClock final : public PaceClock {
public:
    Win32PaceClock();
    ~Win32PaceClock() override;
    Win32PaceClock(const Win32PaceClock&) = delete;
    Win32PaceClock& operator=(const Win32PaceClock&) = delete;

    Duration now() override;
    void sleepUntil(Duration deadline) override;

    bool hasHighResolutionTimer() const { return timer_ != nullptr; }

private:
    void waitOnTimer(Duration remaining);
    void sleepCoarsely(Duration remaining);

    LONGLONG countsPerSecond_ = 0;
    HANDLE timer_ = nullptr;
    bool timerPeriodRaised_ = false;
};

}  // namespace vorn::win32
