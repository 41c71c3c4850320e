#include "app/win32/win32_pace_clock.hpp"

#include "app/win32/counter_ticks.hpp"
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
        throwLastError("cannot create a high-resolution waitable timer (Windows 10 1803 or later is needed)");
    }
}

Win32PaceClock::~Win32PaceClock() { CloseHandle(timer_); }

PaceClock::Duration Win32PaceClock::now() {
    LARGE_INTEGER counts{};
    QueryPerformanceCounter(&counts);
    return countsToNanoseconds(counts.QuadPart, countsPerSecond_);
}

void Win32PaceClock::sleepUntil(Duration deadline) {
    // Loops because the timer may wake a little early.
    for (Duration remaining = deadline - now(); remaining > Duration::zero(); remaining = deadline - now()) {
        LARGE_INTEGER due{};
        due.QuadPart = relativeDueTime(remaining);
        if (!SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE)) {
            throwLastError("cannot set the pace timer");
        }
        if (WaitForSingleObject(timer_, INFINITE) != WAIT_OBJECT_0) {
            throwLastError("cannot wait on the pace timer");
        }
    }
}

}  // namespace vorn::win32
