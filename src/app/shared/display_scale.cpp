#include "app/shared/display_scale.hpp"

#include <algorithm>

#include "app/shared/window_size.hpp"

namespace vorn {

int preferredWindowScale(int dpi) {
    // dpi / 96 rounded with the lower whole number preferred up to .75:
    // floor(dpi / 96 + 0.25), in whole numbers.
    return std::max(1, (dpi + kReferenceDpi / 4) / kReferenceDpi);
}

int fittingWindowScale(int preferred, PixelSize workArea, PixelSize frame) {
    for (int scale = preferred; scale > 1; --scale) {
        const PixelSize client = ScaledWindow{scale}.client();
        if (client.width + frame.width <= workArea.width && client.height + frame.height <= workArea.height) {
            return scale;
        }
    }
    return 1;
}

int windowScale(int dpi, PixelSize workArea, PixelSize frame) {
    return fittingWindowScale(preferredWindowScale(dpi), workArea, frame);
}

PixelRect ScaledWindow::innerArea() const {
    const PixelSize outer = pictureArea();
    return {border(), border(), outer.width - 2 * border(), outer.height - 2 * border()};
}

PixelSize ScaledWindow::visibleFrame(PixelSize framePixels) const {
    return {std::min(framePixels.width, kInnerAreaWidthPixels), std::min(framePixels.height, kInnerAreaHeightPixels)};
}

PixelRect ScaledWindow::visibleFrameArea(PixelSize framePixels) const {
    const PixelSize visible = visibleFrame(framePixels);
    return {border(), border(), visible.width * scale, visible.height * scale};
}

PixelPoint centredPlacement(PixelRect workArea, PixelSize whole) {
    return {workArea.left + std::max(0, (workArea.width - whole.width) / 2),
            workArea.top + std::max(0, (workArea.height - whole.height) / 2)};
}

namespace {

int windowScaleOn(int dpi, PixelRect workArea, PixelSize frame) {
    return windowScale(dpi, {workArea.width, workArea.height}, frame);
}

PixelSize wholeWindow(int scale, PixelSize frame) {
    const PixelSize client = ScaledWindow{scale}.client();
    return {client.width + frame.width, client.height + frame.height};
}

}  // namespace

WindowPlacement centredWindow(int dpi, PixelRect workArea, PixelSize frame) {
    const int scale = windowScaleOn(dpi, workArea, frame);
    const PixelSize whole = wholeWindow(scale, frame);
    const PixelPoint at = centredPlacement(workArea, whole);
    return {scale, {at.x, at.y, whole.width, whole.height}};
}

PixelSize DpiChange::sizeAt(int dpi, PixelRect workArea, PixelSize frame) {
    const int scale = windowScaleOn(dpi, workArea, frame);
    answered_ = Answer{dpi, scale};
    return wholeWindow(scale, frame);
}

WindowPlacement DpiChange::placementAt(int dpi, PixelRect workArea, PixelSize frame, PixelPoint suggestedTopLeft,
                                       WindowMove move) {
    const int scale = answered_ && answered_->dpi == dpi ? answered_->scale
                                                         : windowScaleOn(dpi, workArea, frame);
    answered_.reset();
    const PixelSize whole = wholeWindow(scale, frame);
    PixelPoint at = suggestedTopLeft;
    if (move == WindowMove::kOther) {
        const int right = workArea.left + std::max(0, workArea.width - whole.width);
        const int bottom = workArea.top + std::max(0, workArea.height - whole.height);
        at = {std::clamp(at.x, workArea.left, right), std::clamp(at.y, workArea.top, bottom)};
    }
    return {scale, {at.x, at.y, whole.width, whole.height}};
}

}  // namespace vorn
