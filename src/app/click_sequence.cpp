#include "app/click_sequence.hpp"

namespace vorn {

void ClickSequence::pressed(bool overInnerArea) {
    pressed_ = overInnerArea;
    lastReleaseClicked_ = false;
}

bool ClickSequence::released(bool overInnerArea) {
    lastReleaseClicked_ = pressed_ && overInnerArea;
    pressed_ = false;
    return lastReleaseClicked_;
}

bool ClickSequence::doublePressed(bool overInnerArea) {
    const bool completes = lastReleaseClicked_ && overInnerArea;
    pressed_ = false;
    lastReleaseClicked_ = false;
    return completes;
}

}  // namespace vorn
