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

// What made a press: a finger's second tap lands further from its first than
// a mouse's second press.
enum class PointerKind { kMouse, kTouchOrPen };

// The page's listeners call these whenever the browser likes; they only keep
// the event. Positions are CSS pixels from the picture area's outer
// top-left corner, and each reduces to the device pixel that holds it.
class PageInput {
public:
    // The page draws the window at `scale` device pixels per frame pixel,
    // with `devicePixelRatio` device pixels per CSS pixel; the positions
    // reported from now on are measured so. At first both are 1.
    void laidOut(double devicePixelRatio, int scale);
    // Returns whether the key typed a character for the form, so that the
    // browser's own action for it (scrolling on space, say) is cancelled.
    bool keyPressed(std::string_view key, Modifiers modifiers);
    void pointerMoved(double left, double top);
    // `button` is the event's (0 the main one), `timeMs` its time stamp. The
    // browser gives presses no click count, so this tells a double-click's
    // second press as a desktop does: a press of the same button soon after
    // the one before and near it, unless that one was a second press itself.
    void buttonPressed(int button, double timeMs, PointerKind kind, double left, double top);
    void buttonReleased(int button, double left, double top);
    void focusLost() { events_.push_back(InputEvent::of(InputEvent::Kind::kFocusLost)); }

    // The input that came since the last call, in order.
    InputEvents takeEvents();

private:
    struct Press {
        int button = 0;
        double timeMs = 0;
        double left = 0;
        double top = 0;
        bool second = false;
    };

    bool isSecondPress(const Press& press, PointerKind kind) const;
    void addPointer(InputEvent::Kind kind, int button, double left, double top);

    InputEvents events_;
    double devicePixelRatio_ = 1;
    int scale_ = 1;
    std::optional<Press> lastPress_;
};

}  // namespace vorn::web
