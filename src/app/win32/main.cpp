// VORN on Windows: decodes the frames, shows the window and runs the form.
#include <windows.h>

#include <cstdlib>
#include <exception>
#include <string>

#include "app/vorn_form.hpp"
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
        window.deliverInputTo(form);
        window.show(showCommand);
        form.RunSequencer();
    } catch (const FrameSetError& error) {
        win32::failWith(std::string("Bad frame picture: ") + error.what(), EXIT_FAILURE);
    } catch (const std::exception& error) {
        // Win32Error (a window or bitmap that cannot be made), or memory.
        win32::failWith(std::string("VORN cannot start: ") + error.what(), EXIT_FAILURE);
    }
}
