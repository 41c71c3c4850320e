#include "app/qt/display_loss.hpp"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace vorn {
namespace {

QtMessageHandler previousHandler = nullptr;

// Qt's platforms report the loss in these words, each followed by exit() or
// abort(). The xcb platform says so from its event service ("... (error N).
// Did the X11 server die?") and from Xlib's I/O error hook ("...: <reason>
// (code N)"), and a failure to connect at all with the second; the Wayland
// platform, when the compositor ends ("... Did the Wayland compositor die?")
// or closes the connection for a protocol error.
bool reportsDisplayLoss(std::string_view message) {
    for (std::string_view loss : {"The X11 connection broke", "could not connect to display",
                                  "The Wayland connection broke", "The Wayland connection experienced a fatal error"}) {
        if (message.starts_with(loss)) {
            return true;
        }
    }
    return false;
}

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (reportsDisplayLoss(message.toStdString())) {
        std::fprintf(stderr, "vorn: %s\n", kDisplayLostMessage);
        std::fflush(nullptr);
        std::_Exit(EXIT_FAILURE);
    }
    previousHandler(type, context, message);
}

}  // namespace

void endOnDisplayLoss() { previousHandler = qInstallMessageHandler(handleMessage); }

}  // namespace vorn
