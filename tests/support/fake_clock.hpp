#pragma once

#include "sequencer/pace_clock.hpp"

namespace vorn::testing {

// A clock that only pretends to wait: sleeping moves its time forward.
class FakeClock final : public PaceClock {
public:
    Duration now() override { return time; }
    void sleepUntil(Duration deadline) override {
        ++sleeps;
        if (deadline > time) {
            time = deadline;
        }
    }
    Duration time{1'000'000};
    int sleeps = 0;
};

}  // namespace vorn::testing
