// vorn-screenshot OUT.png: waits for the VORN window on $DISPLAY and writes a
// picture of its client area. Used for the README's screenshot.
#include <QCoreApplication>
#include <cstdio>

#include "running_vorn.hpp"
#include "x_display.hpp"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vorn-screenshot OUT.png\n");
        return 2;
    }
    vorn::testing::XDisplay display;
    const auto window = display.findWindow(QString::fromLatin1(vorn::kCaption), std::chrono::seconds(10));
    if (!window) {
        std::fprintf(stderr, "vorn-screenshot: no VORN window appeared\n");
        return 1;
    }
    if (!display.grab(display.clientArea(*window)).save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "vorn-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
