#pragma once

#include <cstdint>
#include <variant>
#include <vector>

#include "app/shared/click_sequence.hpp"
#include "app/shared/input_event.hpp"
#include "app/shared/pointer_area.hpp"

// The one translation of the picture area's input, the same for every
// windowing layer: the edge, the hidden rows, clicks and double-clicks, the
// display scale and the moves that are no moves.

namespace vorn {

// What an input event means for the form's handlers.
namespace picture_event {
struct Typed {
    std::int16_t keyAscii;
};
struct Moved {
    PointerPosition at;
};
struct Clicked {};
struct DoubleClicked {};
struct CloseRequested {};
}  // namespace picture_event

using PictureEvent = std::variant<picture_event::Typed, picture_event::Moved, picture_event::Clicked,
                                  picture_event::DoubleClicked, picture_event::CloseRequested>;

class PictureInput {
public:
    void feed(const InputEvent& event);

    // What the events fed since the last call mean, in order. Moves with
    // nothing between them come as one, the last, as both desktop window
    // systems deliver them.
    std::vector<PictureEvent> take();

private:
    void pointerMoved(int column, int row);

    std::vector<PictureEvent> pending_;
    MoveFilter moves_;
    ClickSequence clicks_;
};

}  // namespace vorn
