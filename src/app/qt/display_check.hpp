#pragma once

#include <optional>
#include <string>

namespace vorn {

// Picks Qt's platform (QT_QPA_PLATFORM, unless the operator has set it) by
// the displays there are:
// - Qt before 6.5 scales a Wayland window by whole numbers only, and by the
//   compositor's ratio rather than the screen's density, so with DISPLAY set
//   it takes X11, where the window gets its exact scale.
// - Otherwise Wayland in a Wayland session, or wherever only WAYLAND_DISPLAY
//   is set (Qt would try X11 first and fail), if Qt's Wayland plug-in is
//   installed; X11 where DISPLAY is set.
void choosePlatform();

// Why the window could not be opened, or nothing when a display is there.
// Checked before Qt starts, because Qt aborts the process, with a screenful
// of advice, when its platform cannot connect.
std::optional<std::string> missingDisplayReason();

}  // namespace vorn
