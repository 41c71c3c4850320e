#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "app/pointer_area.hpp"

// The picture area's input as the page reports it from the browser's events,
// turned into what the form's handlers take and held until the form serves
// its events. Free of emscripten, so that it is tested on every platform.

namespace vorn::web {

// The modifier keys an event carries.
struct Modifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool meta = false;
};

// The character code a key press types, from the event's `key` (UTF-8), as a
// desktop window's character message gives it: the character itself, and 27,
// 13, 8 and 9 for Escape, Enter, Backspace and Tab. None for the keys that
// type nothing, for characters beyond 16 bits, and for presses with Control,
// Alt or Meta held, which are the browser's shortcuts.
std::optional<std::int16_t> typedCharacterCode(std::string_view key, Modifiers modifiers);

// Mouse buttons held, as a bit set: left 1, right 2, middle 4 (the event's
// `buttons` uses the same bits; the further ones are no buttons of the form's).
std::int16_t buttonCode(unsigned buttons);

// Modifier keys held, as a bit set: Shift 1, Ctrl 2, Alt 4.
std::int16_t shiftCode(Modifiers modifiers);

// Where a pointer at (left, top) CSS pixels from the picture area's outer
// top-left corner lies, as a column and row of its inner area (the edge at
// negative ones). Fractions, which a zoomed page gives, fall to the pixel
// that holds them.
std::pair<int, int> innerAreaPixel(double left, double top);

struct KeyTyped {
    std::int16_t keyAscii = 0;
};
struct PointerMoved {
    std::int16_t button = 0;
    std::int16_t shift = 0;
    PointerPosition at;
};
struct Clicked {};
struct DoubleClicked {};
using PageEvent = std::variant<KeyTyped, PointerMoved, Clicked, DoubleClicked>;

// The browser calls the page's listeners whenever it likes, but the form's
// handlers may run only inside its event service. The listeners therefore
// only append here, and each service delivers what has come since the last,
// in order. The queue stays short: the form serves its events at least once
// a second (its longest delay), and the browser reports pointer moves at
// most once per display frame.
class PageInput {
public:
    // Returns whether the key typed a character for the form, so that the
    // browser's own action for it (scrolling on space, say) is cancelled.
    bool keyPressed(std::string_view key, Modifiers modifiers);
    void pointerMoved(double left, double top, unsigned buttons, Modifiers modifiers);
    // `detail` is the event's click count. A double-click reaches the page as
    // two clicks and then a double-click; the desktop delivers a click and
    // then the double-click, so every second click of a run is dropped.
    void clicked(int detail);
    void doubleClicked();

    // Hands every queued event to the form's handlers. Events that arrive
    // while it runs wait for the next service.
    template <typename Form>
    void deliverTo(Form& form);

private:
    std::vector<PageEvent> pending_;
    MoveFilter moves_;
};

template <typename Form>
void PageInput::deliverTo(Form& form) {
    std::vector<PageEvent> events;
    events.swap(pending_);
    for (const PageEvent& event : events) {
        if (const auto* key = std::get_if<KeyTyped>(&event)) {
            form.Picture1_KeyPress(key->keyAscii);
        } else if (const auto* move = std::get_if<PointerMoved>(&event)) {
            form.Picture1_MouseMove(move->button, move->shift, move->at.x, move->at.y);
        } else if (std::holds_alternative<Clicked>(event)) {
            form.Picture1_Click();
        } else {
            form.Picture1_DblClick();
        }
    }
}

}  // namespace vorn::web
