#pragma once

#include <optional>
#include <string>

#include "app/shared/input_event.hpp"

// The contract between the form and a windowing layer: everything a layer
// provides, and all the form asks of it. Each layer (Qt, Win32, the web page)
// builds the window with its picture area Picture1 and the twenty frame
// holders, implements this, and decides nothing: the rules of input, quitting
// and failing are the form's.

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

class PlatformWindow {
public:
    virtual ~PlatformWindow() = default;

    // The picture that holder `holderNumber` (1..20, and only those) carries,
    // or null if it carries none.
    virtual const FramePicture* holderPicture(int holderNumber) const = 0;
    // Makes `picture`, one of this window's holders' pictures, the picture
    // area's picture: on screen by the window's next paint, which comes
    // before the next pass's frame. Returns why it could not be shown, if it
    // could not.
    virtual std::optional<std::string> showPicture(const FramePicture& picture) = 0;
    // The pointer's shape over the picture area.
    virtual void showPointerMode(PointerMode mode) = 0;
    // Erases what was drawn on the window's own surface; the picture area is
    // left as it is.
    virtual void clearWindow() = 0;
    // Serves all pending platform events once, and returns the picture
    // area's input that came since the last call, in order, as the layer saw
    // it. The form decides what it means.
    virtual InputEvents serveEvents() = 0;
    // Ends the program at once with `status`: 0 when the operator quits, with
    // no message; otherwise after telling the operator `message`.
    [[noreturn]] virtual void end(int status, const std::string& message) = 0;
};

}  // namespace vorn
