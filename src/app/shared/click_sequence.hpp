#pragma once

namespace vorn {

// Turns the left button's presses and releases over the picture area into
// clicks and double-clicks, the same on every platform:
//  - a click is a left press and the next left release, both over the
//    visible inner area; on the edge, beyond it or below the window there is
//    none. The other buttons neither make nor spoil one, whenever they are
//    pressed or released;
//  - a double-click is a click followed by the platform's double press (the
//    second press of a double-click), and that press makes no click of its
//    own; a double press that completes no double-click is a plain press;
//  - losing the focus or the pointer forgets a press that no release has
//    completed.
class ClickSequence {
public:
    void pressed(bool overPicture);
    // Whether this release completes a click.
    bool released(bool overPicture);
    // Whether this double press completes a double-click.
    bool doublePressed(bool overPicture);
    void forgetPress() { pressed_ = false; }

private:
    bool pressed_ = false;
    bool lastReleaseClicked_ = false;
};

}  // namespace vorn
