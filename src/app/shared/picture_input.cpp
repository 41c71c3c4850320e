#include "app/shared/picture_input.hpp"

#include <utility>

namespace vorn {

void PictureInput::feed(const InputEvent& event) {
    using Kind = InputEvent::Kind;
    const auto [column, row] = innerPixelUnder(event.at.x, event.at.y, event.scale);
    const bool left = event.button == MouseButton::kLeft;
    const bool overPicture = onVisibleInnerArea(column, row);
    switch (event.kind) {
        case Kind::kCharacter: pending_.emplace_back(picture_event::Typed{event.keyAscii}); break;
        case Kind::kPointerMoved: pointerMoved(column, row); break;
        case Kind::kPointerRests: moves_.isMove(column, row); break;
        case Kind::kPressed:
            if (left) clicks_.pressed(overPicture);
            break;
        case Kind::kReleased:
            if (left && clicks_.released(overPicture)) pending_.emplace_back(picture_event::Clicked{});
            break;
        case Kind::kDoublePressed:
            if (left && clicks_.doublePressed(overPicture)) pending_.emplace_back(picture_event::DoubleClicked{});
            break;
        case Kind::kFocusLost: clicks_.forgetPress(); break;
        case Kind::kCloseRequested: pending_.emplace_back(picture_event::CloseRequested{}); break;
    }
}

void PictureInput::pointerMoved(int column, int row) {
    if (!moves_.isMove(column, row)) {
        return;
    }
    const auto position = reportedPointerPosition(column, row);
    if (!position) {
        return;
    }
    const picture_event::Moved move{*position};
    if (!pending_.empty() && std::holds_alternative<picture_event::Moved>(pending_.back())) {
        pending_.back() = move;
    } else {
        pending_.emplace_back(move);
    }
}

std::vector<PictureEvent> PictureInput::take() { return std::exchange(pending_, {}); }

}  // namespace vorn
