#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "app/key_rule.hpp"
#include "app/picture_input.hpp"

// The picture area's input as the page reports it from the browser's events,
// turned into the shared picture input, which holds it until the form serves
// its events. Free of emscripten, so that it is tested on every platform.

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

// Mouse buttons held, as a bit set: left 1, right 2, middle 4 (the event's
// `buttons` uses the same bits; the further ones are no buttons of the form's).
std::int16_t buttonCode(unsigned buttons);

// Modifier keys held, as a bit set: Shift 1, Ctrl 2, Alt 4.
std::int16_t shiftCode(Modifiers modifiers);

// The page's listeners call these whenever the browser likes; they only feed
// the picture input. Positions are CSS pixels from the picture area's outer
// top-left corner; fractions, which a zoomed page gives, fall to the pixel
// that holds them.
class PageInput {
public:
    // Returns whether the key typed a character for the form, so that the
    // browser's own action for it (scrolling on space, say) is cancelled.
    bool keyPressed(std::string_view key, Modifiers modifiers);
    void pointerMoved(double left, double top, unsigned buttons, Modifiers modifiers);
    // `button` is the event's (0 the main one); `detail` its click count,
    // which is 2 on the second press of a double-click.
    void buttonPressed(int button, int detail, double left, double top);
    void buttonReleased(int button, double left, double top);
    void captureLost() { input_.captureLost(); }

    void deliverTo(PictureHandlers& handlers) { input_.deliverTo(handlers); }

private:
    PictureInput input_;
};

}  // namespace vorn::web
