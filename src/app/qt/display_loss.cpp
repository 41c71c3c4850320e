#include "app/qt/display_loss.hpp"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace vorn {
namespace {

QtMessageHandler previousHandler = nullptr;

// Qt's xcb platform reports the loss in these words, from its event service
// ("... (error N). Did the X11 server die?") and from Xlib's I/O error hook
// ("...: <reason> (code N)"), and the failure to connect at all with the
// second; each is followed by exit() or abort().
bool reportsDisplayLoss(std::string_view message) {
    return message.starts_with("The X11 connection broke") || message.starts_with("could not connect to display");
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
