#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "app/shared/key_rule.hpp"
#include "app/shared/input_event.hpp"

// The picture area's input as the page reports it from the browser's events,
// turned into the shared input events and kept until the form serves its
// events. Free of emscripten, so that it is tested on every platform.

namespace vorn::web {

// The modifier keys an event carries.
struct Modifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool meta = false;
};

// The key press the event's `key` (UTF-8) and modifiers describe: a named
// key, or the one character it spells.
KeyStroke keyStrokeOf(std::string_view key, Modifiers modifiers);

// The page's listeners call these whenever the browser likes; they only keep
// the event. Positions are CSS pixels from the picture area's outer
// top-left corner; fractions, which a zoomed page gives, fall to the pixel
// that holds them.
class PageInput {
public:
    // Returns whether the key typed a character for the form, so that the
    // browser's own action for it (scrolling on space, say) is cancelled.
    bool keyPressed(std::string_view key, Modifiers modifiers);
    void pointerMoved(double left, double top);
    // `button` is the event's (0 the main one); `detail` its click count,
    // which is 2 on the second press of a double-click.
    void buttonPressed(int button, int detail, double left, double top);
    void buttonReleased(int button, double left, double top);
    void focusLost() { events_.push_back(InputEvent::of(InputEvent::Kind::kFocusLost)); }

    // The input that came since the last call, in order.
    InputEvents takeEvents();

private:
    void addPointer(InputEvent::Kind kind, int button, double left, double top);

    InputEvents events_;
};

}  // namespace vorn::web
