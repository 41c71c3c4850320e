#pragma once

#include <cstdint>
#include <variant>
#include <vector>

#include "app/click_sequence.hpp"
#include "app/picture_handlers.hpp"
#include "app/pointer_area.hpp"

// The one translation of the picture area's input, which every windowing
// layer feeds with its platform's presses, releases, moves and characters.
// It decides what they mean (the edge, clicks, the display scale) and holds
// the result until the form serves its events.

namespace vorn {

enum class MouseButton { kLeft, kOther };

// A device position over the picture area, from its outer top-left corner;
// negative left of or above it.
struct AreaPoint {
    int x = 0;
    int y = 0;
};

class PictureInput {
public:
    // The window's whole-number scale, by which device positions are reduced
    // to frame pixels.
    void setScale(int scale) { scale_ = scale; }
    int scale() const { return scale_; }

    // The pointer stands at `at` without the operator having moved it (where
    // a window appears under it): a report of that position is no move.
    void pointerRestsAt(AreaPoint at);
    // `buttons` and `shift` are the masks of input_masks.hpp.
    void pointerMoved(AreaPoint at, std::int16_t buttons, std::int16_t shift);
    void buttonPressed(MouseButton button, AreaPoint at);
    void buttonReleased(MouseButton button, AreaPoint at);
    // The second press of a double-click, which the platform reports in
    // place of a plain press.
    void buttonDoublePressed(MouseButton button, AreaPoint at);
    // The area no longer has the pointer to itself (another window took it).
    void captureLost() { clicks_.captureLost(); }
    // A character, as the key rule gives it.
    void characterTyped(std::int16_t keyAscii);

    // Hands the input that has come since the last service to `handlers`, in
    // order. Moves with nothing between them reach the handler as one, the
    // last, as both desktop window systems deliver them. Input that arrives
    // while this runs waits for the next service.
    void deliverTo(PictureHandlers& handlers);

private:
    struct Typed {
        std::int16_t keyAscii;
    };
    struct Moved {
        std::int16_t button;
        std::int16_t shift;
        PointerPosition at;
    };
    struct Clicked {};
    struct DoubleClicked {};
    using Event = std::variant<Typed, Moved, Clicked, DoubleClicked>;

    bool overInnerArea(AreaPoint at) const;

    int scale_ = 1;
    std::vector<Event> pending_;
    MoveFilter moves_;
    ClickSequence clicks_;
};

}  // namespace vorn
