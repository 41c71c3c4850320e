#pragma once

#include <cstdint>
#include <vector>

#include "app/shared/window_size.hpp"

// The one event type in which every windowing layer reports the picture
// area's input. A layer only says what its platform saw; PictureInput decides
// what that means for the form.

namespace vorn {

enum class MouseButton { kLeft, kOther };

// A device position over the picture area, from its outer top-left corner;
// negative left of or above it.
using AreaPoint = PixelPoint;

struct InputEvent {
    enum class Kind {
        kCharacter,      // keyAscii, as the key rule gives it
        kPointerMoved,   // at
        kPointerRests,   // at: where the pointer stands without the operator
                         // having moved it (at start, and after a rescale)
        kPressed,        // button, at
        kReleased,       // button, at
        kDoublePressed,  // button, at: the second press of a double-click,
                         // which the platform reports in place of a press
        kFocusLost,      // the area lost the keyboard focus or the pointer
        kCloseRequested  // the window system asks the window to close
    };

    Kind kind = Kind::kCharacter;
    std::int16_t keyAscii = 0;
    MouseButton button = MouseButton::kLeft;
    AreaPoint at;
    // The whole-number scale the window is drawn at when `at` was measured.
    int scale = 1;

    static InputEvent character(std::int16_t code) { return {Kind::kCharacter, code, MouseButton::kLeft, {}, 1}; }
    static InputEvent pointer(Kind kind, AreaPoint at, int scale, MouseButton button = MouseButton::kLeft) {
        return {kind, 0, button, at, scale};
    }
    static InputEvent of(Kind kind) { return {kind, 0, MouseButton::kLeft, {}, 1}; }

    friend bool operator==(const InputEvent&, const InputEvent&) = default;
};

// What a layer gathered since the form last served its events.
using InputEvents = std::vector<InputEvent>;

}  // namespace vorn
