#pragma once

#include <string>

namespace vorn {

// A frame picture as one windowing layer holds it, ready to be shown
// unchanged. The form only passes references to these around; each layer
// derives its own and knows what it made.
class FramePicture {
public:
    virtual ~FramePicture() = default;

protected:
    FramePicture() = default;
    FramePicture(const FramePicture&) = default;
    FramePicture& operator=(const FramePicture&) = default;
};

// How moving the pointer over the picture area acts, shown by its shape.
enum class PointerMode { kSetsSpeed, kStepsFrames };

// What the form needs of the window it runs in. Each windowing layer
// implements this, builds the window with its picture area and holders, and
// delivers its platform's input to the form's handlers, only from inside
// serveEvents().
class FormWindow {
public:
    virtual ~FormWindow() = default;

    // The picture that holder `holderNumber` (1..20) carries, or null if it
    // carries none.
    virtual const FramePicture* holderPicture(int holderNumber) const = 0;
    // Makes `picture` the picture area's picture; it is on screen before
    // this returns.
    virtual void showPicture(const FramePicture& picture) = 0;
    // Serves all pending window events once; the form's handlers run here
    // and may end the program.
    virtual void serveEvents() = 0;
    // Erases what was drawn on the window's own surface; the picture area is
    // left as it is.
    virtual void clearWindow() = 0;
    // Ends the program at once with exit status 0.
    [[noreturn]] virtual void quit() = 0;
    virtual void showPointerMode(PointerMode mode) = 0;
    // Tells the operator why the program cannot go on (a frame that cannot
    // be shown, a floating-point error), and ends it with exit status 1.
    [[noreturn]] virtual void fail(const std::string& what) = 0;
};

}  // namespace vorn
