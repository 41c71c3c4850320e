#include "app/qt/display_check.hpp"

#include <QLibraryInfo>
#include <QtGlobal>
#include <X11/Xlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>

namespace vorn {
namespace {

// Qt's Wayland scale follows a fractional compositor scale from 6.5 on.
constexpr bool kFractionalWaylandScales = QT_VERSION >= QT_VERSION_CHECK(6, 5, 0);

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

bool waylandPluginInstalled() {
    const std::filesystem::path platforms =
        std::filesystem::path(QLibraryInfo::path(QLibraryInfo::PluginsPath).toStdString()) / "platforms";
    std::error_code ignored;
    return std::filesystem::exists(platforms / "libqwayland-generic.so", ignored);
}

std::optional<std::string> missingXDisplayReason() {
    const std::string display(environment("DISPLAY"));
    if (display.empty() && !environment("WAYLAND_DISPLAY").empty()) {
        return std::string("no display: DISPLAY is not set, and WAYLAND_DISPLAY needs Qt's Wayland platform "
                           "plug-in (Debian package qt6-wayland), which is not installed");
    }
    if (display.empty()) {
        return std::string("no display: neither WAYLAND_DISPLAY nor DISPLAY is set; run vorn inside a desktop session");
    }
    Display* connection = XOpenDisplay(display.c_str());
    if (connection == nullptr) {
        return "no display: cannot connect to the X server at DISPLAY=" + display;
    }
    XCloseDisplay(connection);
    return std::nullopt;
}

// The compositor's socket, as libwayland-client finds it: WAYLAND_DISPLAY
// itself when it is a path, else under XDG_RUNTIME_DIR.
std::string waylandSocketPath(std::string_view name) {
    if (name.starts_with('/')) {
        return std::string(name);
    }
    return std::string(environment("XDG_RUNTIME_DIR")) + "/" + std::string(name);
}

std::optional<std::string> cannotConnectTo(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        return "the socket's path is too long: " + path;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return std::string(std::strerror(errno));
    }
    const bool connected = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    const int reason = errno;
    ::close(socket);
    if (connected) {
        return std::nullopt;
    }
    return path + ": " + std::strerror(reason);
}

std::optional<std::string> missingWaylandDisplayReason() {
    if (auto reason = cannotConnectTo(waylandSocketPath(environment("WAYLAND_DISPLAY")))) {
        return "no display: cannot connect to the Wayland compositor at " + *reason;
    }
    return std::nullopt;
}

}  // namespace

void choosePlatform() {
    if (!environment("QT_QPA_PLATFORM").empty()) {
        return;  // the operator's choice
    }
    const bool x11 = !environment("DISPLAY").empty();
    const bool wayland = !environment("WAYLAND_DISPLAY").empty() && waylandPluginInstalled();
    const bool waylandSession = environment("XDG_SESSION_TYPE") == "wayland";
    if (x11 && !kFractionalWaylandScales) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else if (wayland && (!x11 || waylandSession)) {
        qputenv("QT_QPA_PLATFORM", "wayland");
    } else if (x11) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

std::optional<std::string> missingDisplayReason() {
    const std::string_view platform = environment("QT_QPA_PLATFORM");
    if (platform.starts_with("wayland")) {
        return missingWaylandDisplayReason();
    }
    if (platform.empty() || platform.starts_with("xcb")) {
        return missingXDisplayReason();
    }
    return std::nullopt;  // another platform reports its own failures
}

}  // namespace vorn
