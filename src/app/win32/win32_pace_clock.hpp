#pragma once

#include <windows.h>

#include "sequencer/pace_clock.hpp"

namespace vorn::win32 {

// The performance counter, and sleeps on a high-resolution waitable timer
// (Windows 10 1803 and later, the oldest Windows the program runs on) that
// end within a fraction of a millisecond of their deadline. Throws
// std::runtime_error where the system has no such timer, or when it fails.
class Win32PaceClock final : public PaceClock {
public:
    Win32PaceClock();
    ~Win32PaceClock() override;
    Win32PaceClock(const Win32PaceClock&) = delete;
    Win32PaceClock& operator=(const Win32PaceClock&) = delete;

    Duration now() override;
    void sleepUntil(Duration deadline) override;

private:
    LONGLONG countsPerSecond_ = 0;
    HANDLE timer_ = nullptr;
};

}  // namespace vorn::win32
