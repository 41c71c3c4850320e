#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/form/platform_window.hpp"
#include "cycle/frame_cycle.hpp"

namespace vorn::testing {

// Thrown by the fake window where a real one ends the process.
struct Ended {
    int status;
    std::string message;
};

// A window whose holders carry numbered pictures, which records what the
// form asks of it and hands the form the input a test scripts for each
// event service.
class FakeWindow final : public PlatformWindow {
public:
    class Picture final : public FramePicture {
    public:
        explicit Picture(int holderNumber) : holderNumber(holderNumber) {}
        int holderNumber;
    };

    FakeWindow() {
        for (int number = 1; number <= kFrameCount; ++number) pictures.emplace_back(number);
    }

    const FramePicture* holderPicture(int holderNumber) const override {
        if (holderNumber == emptyHolder || holderNumber < 1 || holderNumber > kFrameCount) return nullptr;
        return &pictures[holderSlot(holderNumber)];
    }
    std::optional<std::string> showPicture(const FramePicture& picture) override {
        shownHolders.push_back(static_cast<const Picture&>(picture).holderNumber);
        calls.push_back("show");
        return std::nullopt;
    }
    void showPointerMode(PointerMode mode) override { modes.push_back(mode); }
    void clearWindow() override { calls.push_back("clear"); }
    InputEvents serveEvents() override {
        calls.push_back("serve");
        ++services;
        InputEvents events;
        if (onServe) events = onServe(services);
        return events;
    }
    [[noreturn]] void end(int status, const std::string& message) override { throw Ended{status, message}; }

    // The frames shown, counted from 0.
    std::vector<int> shownFrames() const {
        std::vector<int> frames;
        for (int holder : shownHolders) frames.push_back(frameOfHolder(holder));
        return frames;
    }

    std::vector<Picture> pictures;
    int emptyHolder = 0;
    std::vector<int> shownHolders;
    std::vector<std::string> calls;
    std::vector<PointerMode> modes;
    // The input the `service`-th event service (from 1) hands the form.
    std::function<InputEvents(int service)> onServe;
    int services = 0;
};

}  // namespace vorn::testing
