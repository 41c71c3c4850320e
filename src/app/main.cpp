#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "app/display_check.hpp"
#include "app/vorn_window.hpp"
#include "frames/frame_set.hpp"

int main(int argc, char* argv[]) {
    if (const auto reason = vorn::missingDisplayReason()) {
        std::fprintf(stderr, "vorn: %s\n", reason->c_str());
        return EXIT_FAILURE;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorn"));
    QApplication::setApplicationVersion(QStringLiteral(VORN_APPLICATION_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("vorn"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/vorn-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/vorn-32.png"), QSize(32, 32));
    QApplication::setWindowIcon(icon);

    try {
        // The frame pictures are decoded once, before the window is shown;
        // the holders keep them in the screen's format and the decoded set
        // is let go.
        static vorn::VORN window(vorn::FrameSet::loadEmbedded());
        window.centreOnScreen();
        window.show();
        // Keys must reach the picture area without a click, with or without
        // a window manager.
        window.activateWindow();
        window.RunSequencer();
    } catch (const vorn::FrameSetError& error) {
        std::fprintf(stderr, "vorn: bad frame picture: %s\n", error.what());
        QMessageBox::critical(nullptr, QStringLiteral("VORN"),
                              QStringLiteral("Bad frame picture: %1").arg(QString::fromUtf8(error.what())));
        return EXIT_FAILURE;
    }
}
