#include "app/web/browser_window.hpp"

#include <emscripten.h>

#include <cstdio>
#include <vector>

#include "app/web/canvas_pixels.hpp"
#include "app/web/motion_view_binding.hpp"
#include "app/web/page_bindings.hpp"
#include "app/web/page_scale.hpp"

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
    for (int holderNumber = 1; holderNumber <= kFrameCount; ++holderNumber) {
        writeCanvasPixels(frames.holderPicture(holderNumber), rgba);
        vorn_page_make_holder(holderNumber, reinterpret_cast<const std::uint8_t*>(rgba.data()), kFrameWidth,
                              kFrameHeight);
        holders_[holderSlot(holderNumber)] = CanvasPicture(holderNumber);
    }
    // Input that comes before the form's first event service waits for it.
    listening = this;
    vorn_page_listen(keyBuffer_.data(), keyBuffer_.size());
}

const FramePicture* BrowserWindow::holderPicture(int holderNumber) const {
    return &holders_.at(holderSlot(holderNumber));
}

std::optional<std::string> BrowserWindow::showPicture(const FramePicture& picture) {
    const auto& canvas = static_cast<const CanvasPicture&>(picture);
    vorn_page_show_holder(canvas.holderNumber());
    vorn_page_show_frame_index(canvas.frame());
    return std::nullopt;
}

InputEvents BrowserWindow::serveEvents() {
    // The browser runs the page's listeners and paints only while the
    // program waits. A pass with no delay has not waited yet, so it waits
    // for the shortest time here.
    if (clock_.waits() == waitsAtLastService_) {
        clock_.waitBriefly();
    }
    waitsAtLastService_ = clock_.waits();
    return input_.takeEvents();
}

void BrowserWindow::clearWindow() {
    // The window never draws on its own surface (Picture1 covers it), so
    // there is nothing to erase and nothing visible changes.
}

void BrowserWindow::showPointerMode(PointerMode mode) {
    vorn_page_show_pointer_mode(mode == PointerMode::kStepsFrames ? 1 : 0);
}

void BrowserWindow::end(int status, const std::string& message) { endProgram(status, message); }

void endProgram(int status, const std::string& message) {
    // The loop is abandoned where it stands: forcing the exit stops the
    // runtime, so no timer resumes it and no listener reaches the form.
    listening = nullptr;
    if (status != 0) {
        std::fprintf(stderr, "%s\n", message.c_str());
    }
    const std::string shown = status == 0 ? std::string("VORN has ended.") : message;
    vorn_page_end(shown.c_str());
    emscripten_force_exit(status);
    __builtin_unreachable();
}

}  // namespace vorn::web

// The page's listeners report here; each only queues the event.
extern "C" {

EMSCRIPTEN_KEEPALIVE int vorn_web_key_pressed(int shift, int control, int alt, int meta) {
    using namespace vorn::web;
    return listening != nullptr &&
           listening->input().keyPressed(listening->keyBuffer(), modifiersOf(shift, control, alt, meta));
}

EMSCRIPTEN_KEEPALIVE void vorn_web_pointer_moved(double left, double top) {
    if (vorn::web::listening != nullptr) vorn::web::listening->input().pointerMoved(left, top);
}

EMSCRIPTEN_KEEPALIVE int vorn_web_window_laid_out(double devicePixelRatio, int viewportWidth) {
    const int scale = vorn::web::pageWindowScale(devicePixelRatio, viewportWidth);
    if (vorn::web::listening != nullptr) vorn::web::listening->input().laidOut(devicePixelRatio, scale);
    return scale;
}

EMSCRIPTEN_KEEPALIVE void vorn_web_button_pressed(int button, double timeMs, int finger, double left, double top) {
    using namespace vorn::web;
    const PointerKind kind = finger != 0 ? PointerKind::kTouchOrPen : PointerKind::kMouse;
    if (listening != nullptr) listening->input().buttonPressed(button, timeMs, kind, left, top);
}

EMSCRIPTEN_KEEPALIVE void vorn_web_button_released(int button, double left, double top) {
    if (vorn::web::listening != nullptr) vorn::web::listening->input().buttonReleased(button, left, top);
}

EMSCRIPTEN_KEEPALIVE void vorn_web_capture_lost() {
    if (vorn::web::listening != nullptr) vorn::web::listening->input().focusLost();
}
}
