#include "app/shared/click_sequence.hpp"

namespace vorn {

void ClickSequence::pressed(bool overPicture) {
    pressed_ = overPicture;
    lastReleaseClicked_ = false;
}

bool ClickSequence::released(bool overPicture) {
    lastReleaseClicked_ = pressed_ && overPicture;
    pressed_ = false;
    return lastReleaseClicked_;
}

bool ClickSequence::doublePressed(bool overPicture) {
    if (lastReleaseClicked_ && overPicture) {
        pressed_ = false;
        lastReleaseClicked_ = false;
        return true;
    }
    // The first press of this pair made no click (it was on the edge, or
    // dragged off): the platform's double press begins a click of its own.
    pressed(overPicture);
    return false;
}

}  // namespace vorn
