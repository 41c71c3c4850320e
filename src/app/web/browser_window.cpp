#include "app/web/browser_window.hpp"

#include <emscripten.h>

#include <cstdio>
#include <string_view>
#include <vector>

#include "app/web/canvas_pixels.hpp"
#include "app/web/motion_view_binding.hpp"
#include "app/web/page_bindings.hpp"

namespace vorn::web {

namespace {

// The window whose input the page's listeners report; there is one.
BrowserWindow* listening = nullptr;

Modifiers modifiersOf(int shift, int control, int alt, int meta) {
    return {shift != 0, control != 0, alt != 0, meta != 0};
}

}  // namespace

BrowserWindow::BrowserWindow(const FrameSet& frames, BrowserPaceClock& clock) : clock_(clock) {
    std::vector<std::uint32_t> rgba(static_cast<std::size_t>(kFrameWidth) * kFrameHeight);
    for (int holderNumber = 1; holderNumber <= static_cast<int>(holders_.size()); ++holderNumber) {
        writeCanvasPixels(frames.holderPicture(holderNumber), rgba);
        vorn_page_make_holder(holderNumber, reinterpret_cast<const std::uint8_t*>(rgba.data()), kFrameWidth,
                              kFrameHeight);
        holders_[static_cast<std::size_t>(holderNumber - 1)] = CanvasPicture(holderNumber);
    }
}

void BrowserWindow::deliverInputTo(PictureHandlers& handlers) {
    handlers_ = &handlers;
    listening = this;
    vorn_page_listen(keyBuffer_.data(), keyBuffer_.size());
}

const FramePicture* BrowserWindow::holderPicture(int holderNumber) const {
    if (holderNumber < 1 || holderNumber > static_cast<int>(holders_.size())) {
        return nullptr;
    }
    return &holders_[static_cast<std::size_t>(holderNumber - 1)];
}

void BrowserWindow::showPicture(const FramePicture& picture) {
    const int holderNumber = static_cast<const CanvasPicture&>(picture).holderNumber();
    vorn_page_show_holder(holderNumber);
    // Holder N carries frame N - 1.
    vorn_page_show_frame_index(holderNumber - 1);
}

void BrowserWindow::serveEvents() {
    // The browser runs the page's listeners and paints only while the
    // program waits. A pass with no delay has not waited yet, so it waits
    // for the shortest time here.
    if (clock_.waits() == waitsAtLastService_) {
        clock_.waitBriefly();
    }
    waitsAtLastService_ = clock_.waits();
    if (handlers_ != nullptr) {
        input_.deliverTo(*handlers_);
    }
}

void BrowserWindow::clearWindow() {
    // The window never draws on its own surface (Picture1 covers it), so
    // there is nothing to erase and nothing visible changes.
}

void BrowserWindow::quit() { endProgram("VORN has ended. Reload the page to start it again.", 0); }

void BrowserWindow::showPointerMode(PointerMode mode) {
    vorn_page_show_pointer_mode(mode == PointerMode::kStepsFrames ? 1 : 0);
}

void BrowserWindow::fail(const std::string& what) {
    endProgram("VORN cannot go on: " + what + ". Reload the page to start it again.", 1);
}

void endProgram(const std::string& message, int status) {
    // The loop is abandoned where it stands: forcing the exit stops the
    // runtime, so no timer resumes it and no listener reaches the form.
    listening = nullptr;
    if (status != 0) {
        std::fprintf(stderr, "%s\n", message.c_str());
    }
    vorn_page_end(message.c_str());
    emscripten_force_exit(status);
    __builtin_unreachable();
}

}  // namespace vorn::web

// The page's listeners report here; each only queues the event.
extern "C" {

EMSCRIPTEN_KEEPALIVE int vorn_web_key_pressed(int shift, int control, int alt, int meta) {
    using namespace vorn::web;
    if (listening == nullptr) {
        return 0;
    }
    const std::string_view key(listening->keyBuffer());
    return listening->input().keyPressed(key, modifiersOf(shift, control, alt, meta)) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void vorn_web_pointer_moved(double left, double top, unsigned buttons, int shift, int control,
                                                 int alt) {
    using namespace vorn::web;
    if (listening != nullptr) {
        listening->input().pointerMoved(left, top, buttons, modifiersOf(shift, control, alt, 0));
    }
}

EMSCRIPTEN_KEEPALIVE void vorn_web_button_pressed(int button, int detail, double left, double top) {
    if (vorn::web::listening != nullptr) {
        vorn::web::listening->input().buttonPressed(button, detail, left, top);
    }
}

EMSCRIPTEN_KEEPALIVE void vorn_web_button_released(int button, double left, double top) {
    if (vorn::web::listening != nullptr) {
        vorn::web::listening->input().buttonReleased(button, left, top);
    }
}

EMSCRIPTEN_KEEPALIVE void vorn_web_capture_lost() {
    if (vorn::web::listening != nullptr) {
        vorn::web::listening->input().captureLost();
    }
}
}
