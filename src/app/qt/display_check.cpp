#include "app/qt/display_check.hpp"

#include <X11/Xlib.h>

#include <cstdlib>
#include <string_view>

namespace vorn {

std::optional<std::string> missingDisplayReason() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0' && !std::string_view(platform).starts_with("xcb")) {
        return std::nullopt;  // another platform reports its own failures
    }
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        return std::string("no display: DISPLAY is not set; run vorn inside an X session");
    }
    Display* connection = XOpenDisplay(display);
    if (connection == nullptr) {
        return "no display: cannot connect to the X server at DISPLAY=" + std::string(display);
    }
    XCloseDisplay(connection);
    return std::nullopt;
}

}  // namespace vorn
