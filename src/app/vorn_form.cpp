#include "app/vorn_form.hpp"

#include <string>

#include "input/key_commands.hpp"
#include "input/mouse_commands.hpp"

namespace vorn {

VORN::VORN(FormWindow& window, PaceClock& clock) : window_(window), sequencer_(*this, *this, clock) {}

void VORN::RunSequencer() {
    sequencer_.activate();
    for (;;) {
        sequencer_.showNextFrame();
        PaceFrame();
    }
}

void VORN::Picture1_Click() {
    vorn::Picture1_Click(*this);
    window_.showPointerMode(nm == 0 ? PointerMode::kSetsSpeed : PointerMode::kStepsFrames);
}

void VORN::Picture1_DblClick() { vorn::Picture1_DblClick(*this); }

void VORN::PaceFrame() { sequencer_.paceFrame(); }

void VORN::Picture1_KeyPress(std::int16_t keyAscii) { vorn::Picture1_KeyPress(*this, *this, keyAscii); }

void VORN::Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    vorn::Picture1_MouseMove(*this, *this, button, shift, x, y);
}

void VORN::takeFrameIntoTable(int entry) {
    const int holderNumber = entry + 1;
    const FramePicture* picture = window_.holderPicture(holderNumber);
    if (picture == nullptr) {
        window_.fail("Image" + std::to_string(holderNumber) + " carries no picture");
    }
    frames.at(static_cast<std::size_t>(entry)) = picture;
}

void VORN::showFrame(int entry) {
    if (entry < 0 || entry >= kFrameTableSize || frames[static_cast<std::size_t>(entry)] == nullptr) {
        window_.fail("frame " + std::to_string(entry) + " is not in the frame table");
    }
    window_.showPicture(*frames[static_cast<std::size_t>(entry)]);
}

void VORN::serveEvents() { window_.serveEvents(); }

void VORN::clearWindow() { window_.clearWindow(); }

void VORN::quit() { window_.quit(); }

void VORN::fail(const std::string& what) { window_.fail(what); }

}  // namespace vorn
