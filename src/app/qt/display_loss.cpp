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

// Qt 6.8's Wayland platform changes a window's ratio before it tells the
// window, for a fractional scale that arrives as the window is first shown,
// and Qt notes the stale value it then finds and corrects (QTBUG-118794). The
// note asks the operator to report Qt's bug; it is no fault of the program's
// and nothing is wrong on screen, so it is not passed on.
bool isStaleRatioNote(std::string_view message) {
    return message.starts_with("The cached device pixel ratio value was stale on window");
}

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const std::string text = message.toStdString();
    if (isStaleRatioNote(text)) {
        return;
    }
    if (reportsDisplayLoss(text)) {
        std::fprintf(stderr, "vorn: %s\n", kDisplayLostMessage);
        std::fflush(nullptr);
        std::_Exit(EXIT_FAILURE);
    }
    previousHandler(type, context, message);
}

}  // namespace

void endOnDisplayLoss() { previousHandler = qInstallMessageHandler(handleMessage); }

}  // namespace vorn
