// VORN in a web page: decodes the frames, hands them to the page and runs the
// form. The loop never returns; its waits hand the thread to the browser.
#include <exception>
#include <string>

#include "app/form/vorn_form.hpp"
#include "app/web/browser_pace_clock.hpp"
#include "app/web/browser_window.hpp"
#include "frames/frame_set.hpp"

int main() {
    using namespace vorn;
    try {
        // The window, the clock and the form live until the program ends
        // from inside event service; the decoded set is let go once the page
        // holds the pictures.
        static web::BrowserPaceClock clock;
        static web::BrowserWindow window(FrameSet::loadEmbedded(), clock);
        static VORN form(window, clock);
        form.RunSequencer();
    } catch (const std::exception& error) {
        web::endProgram(1, startFailureMessage(error));
    }
}
