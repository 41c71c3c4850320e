#pragma once

#include <string>

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
    // Tells the operator that the program cannot go on because of `what`,
    // and ends it with exit status 1; in the window it does not return.
    virtual void fail(const std::string& what) = 0;
};

}  // namespace vorn
