#pragma once

namespace vorn {

// The two window operations the quit paths need. The window implements them;
// tests use a fake that records the calls.
class ProgramControl {
public:
    virtual ~ProgramControl() = default;
    // Erases what was drawn on the window's own surface; the picture area is
    // left as it is.
    virtual void clearWindow() = 0;
    // Ends the program at once with exit status 0; in the window it does not
    // return.
    virtual void quit() = 0;
};

}  // namespace vorn
