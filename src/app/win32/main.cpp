// VORN on Windows: decodes the frames, shows the window and runs the form.
#include <windows.h>

#include <cstdlib>
#include <exception>
#include <string>

#include "app/form/vorn_form.hpp"
#include "app/win32/win32_error.hpp"
#include "app/win32/win32_pace_clock.hpp"
#include "app/win32/win32_window.hpp"
#include "frames/frame_set.hpp"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int showCommand) {
    using namespace vorn;
    try {
        // The frame pictures are decoded once and turned into the window's
        // bitmaps; the decoded set is let go. The window, the clock and the
        // form live until the process ends from inside event service.
        static win32::Win32Window window(instance, FrameSet::loadEmbedded());
        static win32::Win32PaceClock clock;
        static VORN form(window, clock);
        window.show(showCommand);
        form.RunSequencer();
    } catch (const std::exception& error) {
        // A bad frame picture, a Win32Error (a window or bitmap that cannot
        // be made), or memory.
        win32::failWith(startFailureMessage(error), EXIT_FAILURE);
    }
}
