#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "app/qt/character_locale.hpp"
#include "app/qt/display_check.hpp"
#include "app/qt/display_loss.hpp"
#include "app/qt/runtime_directory.hpp"
#include "app/qt/vorn_window.hpp"
#include "app/form/vorn_form.hpp"
#include "frames/frame_set.hpp"
#include "sequencer/pace_clock.hpp"

namespace {

// A window manager that never shows the window must not keep the program
// from running: after this it starts anyway.
constexpr qint64 kLongestWaitToBeShownMs = 2000;

}  // namespace

int main(int argc, char* argv[]) {
    vorn::settleUtf8CharacterLocale();
    vorn::choosePlatform();
    if (const auto reason = vorn::missingDisplayReason()) {
        std::fprintf(stderr, "vorn: %s\n", reason->c_str());
        return EXIT_FAILURE;
    }
    try {
        vorn::ensurePrivateRuntimeDirectory();
    } catch (const std::runtime_error& error) {
        // Not fatal: Qt falls back to a directory of its own and says so.
        std::fprintf(stderr, "vorn: %s\n", error.what());
    }
    vorn::endOnDisplayLoss();
    // The window scales itself by a whole number and paints in device
    // pixels, whatever ratio Qt applies. On X11 Qt would otherwise turn the
    // screen's density into a ratio of its own, by which its message boxes
    // would be drawn; the window keeps X11's density as it is.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING")) {
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorn"));
    QApplication::setApplicationVersion(QStringLiteral(VORN_APPLICATION_VERSION));
    // The Wayland app_id, by which the compositor finds the desktop entry and
    // its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VORN_APP_ID));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/vorn-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/vorn-32.png"), QSize(32, 32));
    QApplication::setWindowIcon(icon);

    try {
        // The frame pictures are decoded once, before the window is shown;
        // the holders keep them in the screen's format and the decoded set
        // is let go. The window and the form live until the process ends and
        // are never destroyed: the program ends with _Exit from inside event
        // service, and no destructor may run against a display that is gone.
        auto* window = new vorn::VornWindow(vorn::FrameSet::loadEmbedded());
        auto* clock = new vorn::SteadyPaceClock();
        auto* form = new vorn::VORN(*window, *clock);
        window->centreOnScreen();
        window->show();
        // Keys must reach the picture area without a click, with or without
        // a window manager.
        window->activateWindow();
        // The form starts when the window becomes active: once it is on
        // screen. Under a window manager that takes a few round trips (the
        // window is framed first); started before, the loop's first pace
        // would keep the window blank for a second.
        QElapsedTimer waited;
        waited.start();
        // The operator's input waits meanwhile: the form takes none before
        // it starts.
        while (!window->windowHandle()->isExposed() && waited.elapsed() < kLongestWaitToBeShownMs) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents, 20);
        }
        form->RunSequencer();
    } catch (const std::exception& error) {
        vorn::tellFailure(nullptr, vorn::startFailureMessage(error));
        return EXIT_FAILURE;
    }
}
