#pragma once

#include <functional>
#include <string>
#include <vector>

#include "input/program_control.hpp"
#include "sequencer/pace_clock.hpp"
#include "sequencer/sequencer.hpp"

namespace vorn::testing {

// A window that records what the loop shows and runs queued "events" (plain
// calls into the handlers) when the loop serves events.
class FakeWindow final : public SequencerHost, public ProgramControl {
public:
    void takeFrameIntoTable(int entry) override { loaded.push_back(entry); }
    void showFrame(int entry) override { shown.push_back(entry); }
    void serveEvents() override {
        ++eventServices;
        auto pending = std::move(queued);
        queued.clear();
        for (auto& event : pending) {
            event();
        }
    }
    void clearWindow() override { ++clears; }
    void quit() override { ++quits; }
    void fail(const std::string& what) override { failures.push_back(what); }

    // Delivers `event` at the next event service.
    void post(std::function<void()> event) { queued.push_back(std::move(event)); }

    std::vector<int> loaded;
    std::vector<int> shown;
    std::vector<std::function<void()>> queued;
    int eventServices = 0;
    int clears = 0;
    int quits = 0;
    std::vector<std::string> failures;
};

// One pass of the program's loop, as VORN::RunSequencer runs it: the next
// frame on screen, then its pace and the event service.
inline void runPass(Sequencer& sequencer) {
    sequencer.showNextFrame();
    sequencer.paceFrame();
}

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
