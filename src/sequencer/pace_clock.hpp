#pragma once

#include <chrono>

namespace vorn {

// The monotonic time source the pacing waits on. Behind an interface so the
// pacing arithmetic can be tested with a clock that only pretends to wait.
class PaceClock {
public:
    using Duration = std::chrono::nanoseconds;

    virtual ~PaceClock() = default;
    // Time since an arbitrary fixed origin; never goes backwards.
    virtual Duration now() = 0;
    // Returns no earlier than `deadline`, without holding the processor.
    virtual void sleepUntil(Duration deadline) = 0;
};

// The machine's monotonic clock; sleeps in the kernel rather than spinning.
class SteadyPaceClock final : public PaceClock {
public:
    SteadyPaceClock();
    Duration now() override;
    void sleepUntil(Duration deadline) override;
};

}  // namespace vorn
