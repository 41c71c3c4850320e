#pragma once

namespace vorn {

// Turns the left button's presses and releases over the picture area into
// clicks and double-clicks, the same on every platform:
//  - a click is a press over the inner area followed by a release over the
//    inner area; on the edge or beyond it there is none;
//  - a double-click is a click followed by the platform's double press (the
//    second press of a double-click), and that press makes no click of its
//    own;
//  - a lost capture forgets a press that no release has completed.
class ClickSequence {
public:
    void pressed(bool overInnerArea);
    // Whether this release completes a click.
    bool released(bool overInnerArea);
    // Whether this double press completes a double-click.
    bool doublePressed(bool overInnerArea);
    void captureLost() { pressed_ = false; }

private:
    bool pressed_ = false;
    bool lastReleaseClicked_ = false;
};

}  // namespace vorn
