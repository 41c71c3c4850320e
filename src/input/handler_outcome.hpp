#pragma once

namespace vorn {

// What a handler leaves the form to do once it has written the state: the
// handlers only write fields; ending the program is the form's.
enum class HandlerOutcome {
    kGoOn,
    kQuit,                // Escape or a double-click: clear the window and end
    kFloatingPointError,  // the speed product is no finite number: fail
};

}  // namespace vorn
