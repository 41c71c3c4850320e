#include "app/win32/win32_pace_clock.hpp"

#include <timeapi.h>

#include "app/win32/pace_counts.hpp"
#include "app/win32/win32_error.hpp"

// Older MinGW headers lack the flag; its value is fixed by the Windows ABI.
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace vorn::win32 {

Win32PaceClock::Win32PaceClock() {
    LARGE_INTEGER frequency{};
    // Cannot fail on Windows XP and later, but a zero would divide by zero.
    if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0) {
        throwLastError("cannot read the performance counter's frequency");
    }
    countsPerSecond_ = frequency.QuadPart;

    timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    if (timer_ == nullptr) {
        // Before Windows 10 1803 Sleep is only as fine as the timer period,
        // 15.6 ms by default; the pace needs 1 ms. Best effort: without it
        // the spinning part of each wait grows, not the error.
        timerPeriodRaised_ = timeBeginPeriod(1) == TIMERR_NOERROR;
    }
}

Win32PaceClock::~Win32PaceClock() {
    if (timer_ != nullptr) {
        CloseHandle(timer_);
    }
    if (timerPeriodRaised_) {
        timeEndPeriod(1);
    }
}

PaceClock::Duration Win32PaceClock::now() {
    LARGE_INTEGER counts{};
    QueryPerformanceCounter(&counts);
    return countsToNanoseconds(counts.QuadPart, countsPerSecond_);
}

void Win32PaceClock::sleepUntil(Duration deadline) {
    // Loops because either way of waiting may wake a little early.
    for (Duration remaining = deadline - now(); remaining > Duration::zero(); remaining = deadline - now()) {
        if (timer_ != nullptr) {
            waitOnTimer(remaining);
        } else {
            sleepCoarsely(remaining);
        }
    }
}

void Win32PaceClock::waitOnTimer(Duration remaining) {
    LARGE_INTEGER due{};
    due.QuadPart = relativeDueTime(remaining);
    if (SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE) &&
        WaitForSingleObject(timer_, INFINITE) == WAIT_OBJECT_0) {
        return;
    }
    // A timer that stops working is let go for good; the coarse way
    // still keeps the pace.
    CloseHandle(timer_);
    timer_ = nullptr;
    timerPeriodRaised_ = timeBeginPeriod(1) == TIMERR_NOERROR;
}

void Win32PaceClock::sleepCoarsely(Duration remaining) {
    if (const DWORD milliseconds = coarseSleepMilliseconds(remaining); milliseconds > 0) {
        Sleep(milliseconds);
    } else {
        // Less than a timer period is left: give the core to anyone who
        // wants it, and otherwise come straight back.
        SwitchToThread();
    }
}

}  // namespace vorn::win32
