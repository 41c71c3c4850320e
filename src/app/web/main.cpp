// VORN in a web page: decodes the frames, hands them to the page and runs the
// form. The loop never returns; its waits hand the thread to the browser.
#include <exception>
#include <string>

#include "app/form/vorn_form.hpp"
#include "app/web/browser_pace_clock.hpp"
#include "app/web/browser_window.hpp"
#include "frames/frame_set.hpp"

namespace {

vorn::web::BrowserWindow& makeWindow(vorn::web::BrowserPaceClock& clock) {
    using namespace vorn;
    try {
        // The decoded set is let go once the page holds the pictures.
        static web::BrowserWindow window(FrameSet::loadEmbedded(), clock);
        return window;
    } catch (const std::exception& error) {
        web::endProgram(1, startFailureMessage(error));
    }
}

}  // namespace

int main() {
    using namespace vorn;
    // The window, the clock and the form live until the program ends from
    // inside event service.
    static web::BrowserPaceClock clock;
    web::BrowserWindow& window = makeWindow(clock);
    static VORN form(window, clock);
    window.listen();
    form.RunSequencer();
}
