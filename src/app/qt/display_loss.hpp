#pragma once

namespace vorn {

// Ends the program when its connection to the display is lost: the X server
// or the Wayland compositor ends or crashes, a forwarded connection drops, or
// a force-quit closes the client's connection. Qt learns of the loss in its event service and would
// report it and call exit(), running static destructors against a dead
// connection. Instead vorn prints one line on stderr and ends at once with
// status 1, as it does for any failing platform operation.
//
// Install it before the QApplication is made, so that a display lost while
// Qt connects is caught too.
void endOnDisplayLoss();

// The line printed when the display is lost, without the program's prefix.
inline constexpr const char* kDisplayLostMessage = "lost the connection to the display";

}  // namespace vorn
