// VORN in a web page: decodes the frames, hands them to the page and runs the
// form. The loop never returns; its waits hand the thread to the browser.
#include <exception>
#include <string>

#include "app/vorn_form.hpp"
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
    } catch (const FrameSetError& error) {
        web::endProgram(std::string("Bad frame picture: ") + error.what(), 1);
    } catch (const std::exception& error) {
        web::endProgram(std::string("VORN cannot start: ") + error.what(), 1);
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
    window.deliverInputTo(form);
    form.RunSequencer();
}
