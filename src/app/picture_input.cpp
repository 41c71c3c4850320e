#include "app/picture_input.hpp"

namespace vorn {

void PictureInput::pointerRestsAt(AreaPoint at) {
    const auto [column, row] = innerPixelUnder(at.x, at.y, scale_);
    moves_.isMove(column, row);
}

void PictureInput::pointerMoved(AreaPoint at, std::int16_t buttons, std::int16_t shift) {
    const auto [column, row] = innerPixelUnder(at.x, at.y, scale_);
    if (!moves_.isMove(column, row)) {
        return;
    }
    const auto position = reportedPointerPosition(column, row);
    if (!position) {
        return;
    }
    const Moved move{buttons, shift, *position};
    if (!pending_.empty() && std::holds_alternative<Moved>(pending_.back())) {
        pending_.back() = move;
    } else {
        pending_.emplace_back(move);
    }
}

bool PictureInput::overInnerArea(AreaPoint at) const {
    const auto [column, row] = innerPixelUnder(at.x, at.y, scale_);
    return onInnerArea(column, row);
}

void PictureInput::buttonPressed(MouseButton button, AreaPoint at) {
    if (button == MouseButton::kLeft) {
        clicks_.pressed(overInnerArea(at));
    }
}

void PictureInput::buttonReleased(MouseButton button, AreaPoint at) {
    if (button == MouseButton::kLeft && clicks_.released(overInnerArea(at))) {
        pending_.emplace_back(Clicked{});
    }
}

void PictureInput::buttonDoublePressed(MouseButton button, AreaPoint at) {
    if (button == MouseButton::kLeft && clicks_.doublePressed(overInnerArea(at))) {
        pending_.emplace_back(DoubleClicked{});
    }
}

void PictureInput::characterTyped(std::int16_t keyAscii) { pending_.emplace_back(Typed{keyAscii}); }

void PictureInput::deliverTo(PictureHandlers& handlers) {
    std::vector<Event> events;
    events.swap(pending_);
    for (const Event& event : events) {
        if (const auto* typed = std::get_if<Typed>(&event)) {
            handlers.Picture1_KeyPress(typed->keyAscii);
        } else if (const auto* moved = std::get_if<Moved>(&event)) {
            handlers.Picture1_MouseMove(moved->button, moved->shift, moved->at.x, moved->at.y);
        } else if (std::holds_alternative<Clicked>(event)) {
            handlers.Picture1_Click();
        } else {
            handlers.Picture1_DblClick();
        }
    }
}

}  // namespace vorn
