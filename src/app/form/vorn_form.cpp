#include "app/form/vorn_form.hpp"

#include <cstdlib>
#include <exception>
#include <string>
#include <variant>

#include "frames/frame_set.hpp"
#include "input/key_commands.hpp"
#include "input/mouse_commands.hpp"
#include "sequencer/frame_pass.hpp"
#include "sequencer/pacing.hpp"

namespace vorn {

namespace {

// Calls the handler that one picture event is for.
struct Dispatch {
    VORN& form;
    void operator()(const picture_event::Typed& typed) const { form.Picture1_KeyPress(typed.keyAscii); }
    // The handler takes the buttons and modifiers held and ignores them, so
    // no layer reads them.
    void operator()(const picture_event::Moved& moved) const { form.Picture1_MouseMove(0, 0, moved.at.x, moved.at.y); }
    void operator()(const picture_event::Clicked&) const { form.Picture1_Click(); }
    void operator()(const picture_event::DoubleClicked&) const { form.Picture1_DblClick(); }
    // The window's close button quits as Escape does.
    void operator()(const picture_event::CloseRequested&) const { form.Picture1_KeyPress(kEscapeKey); }
};

}  // namespace

VORN::VORN(PlatformWindow& window, PaceClock& clock) : window_(window), clock_(clock) {}

void VORN::RunSequencer() {
    loadFrameTable();
    for (;;) {
        advanceFrameIndex(*this);
        showFrame(l);
        PaceFrame();
    }
}

void VORN::loadFrameTable() {
    for (int entry = 0; entry < kFrameCount; ++entry) {
        const int holderNumber = holderOfFrame(entry);
        frames[static_cast<std::size_t>(entry)] = window_.holderPicture(holderNumber);
        if (frames[static_cast<std::size_t>(entry)] == nullptr) {
            fail("Image" + std::to_string(holderNumber) + " carries no picture");
        }
        // Entry 0 is on screen before any event is served; the window paints
        // and answers while the rest load.
        if (entry == 0) {
            showFrame(0);
        } else {
            serveEvents();
        }
    }
    // Handlers that ran during loading may have written n or k; the start
    // run overrides them. l, m and mm keep what they hold, so the start run
    // goes forward although no forward run was ordered.
    n = command::kRun;
    k = kStartDelayCounts;
}

void VORN::showFrame(int entry) {
    if (const auto failure = window_.showPicture(*frames.at(static_cast<std::size_t>(entry)))) {
        fail(*failure);
    }
}

void VORN::PaceFrame() {
    waitDelay(clock_, k);
    serveEvents();
}

void VORN::serveEvents() {
    for (const InputEvent& event : window_.serveEvents()) {
        input_.feed(event);
    }
    for (const PictureEvent& event : input_.take()) {
        std::visit(Dispatch{*this}, event);
    }
}

void VORN::Picture1_Click() {
    vorn::Picture1_Click(*this);
    window_.showPointerMode(nm == 0 ? PointerMode::kSetsSpeed : PointerMode::kStepsFrames);
}

void VORN::Picture1_DblClick() { quit(); }

void VORN::Picture1_KeyPress(std::int16_t keyAscii) { act(vorn::Picture1_KeyPress(*this, keyAscii)); }

void VORN::Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    act(vorn::Picture1_MouseMove(*this, button, shift, x, y));
}

void VORN::act(HandlerOutcome outcome) {
    switch (outcome) {
        case HandlerOutcome::kGoOn: return;
        case HandlerOutcome::kQuit: quit();
        case HandlerOutcome::kFloatingPointError: fail("floating-point error");
    }
}

void VORN::quit() {
    // The loop is abandoned where it stands; nothing is saved.
    window_.clearWindow();
    window_.end(0, {});
    std::abort();  // an end() that returns is the layer's fault; never run on
}

void VORN::fail(const std::string& what) {
    window_.end(1, "VORN cannot go on: " + what + ".");
    std::abort();
}

std::string startFailureMessage(const std::exception& error) {
    if (dynamic_cast<const FrameSetError*>(&error) != nullptr) {
        return std::string("Bad frame picture: ") + error.what();
    }
    return std::string("VORN cannot start: ") + error.what();
}

}  // namespace vorn
