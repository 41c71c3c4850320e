#pragma once

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

#include "test_user.hpp"

namespace vorn::testing {

// A sway of one test's own: the headless back end, the pixman renderer, no
// input devices and no Xwayland, one output at `scale`, in a runtime
// directory of its own. Every window floats without a border at the
// output's top-left corner, so that a screenshot shows its client area at a
// place that is a whole device pixel at any scale. sway runs as the test
// user; the tools that read and type at it (swaymsg, grim, wtype) run as
// this process.
class HeadlessSway {
public:
    explicit HeadlessSway(double scale);
    ~HeadlessSway();
    HeadlessSway(const HeadlessSway&) = delete;
    HeadlessSway& operator=(const HeadlessSway&) = delete;

    double scale() const { return scale_; }
    const TestUser& user() const { return user_; }
    // All a client is given: the runtime directory and the Wayland socket.
    // No DISPLAY, no QT_QPA_PLATFORM.
    QProcessEnvironment clientEnvironment() const;
    // Where the window of process `pid` is, in logical pixels, once sway
    // shows it.
    std::optional<QRect> viewOf(qint64 pid);
    // The whole output as it is on screen, in device pixels.
    QImage screenshot();
    // Types with wtype (its arguments: text, or -k KEYNAME). A program
    // serves its input once a pass, so the keys may arrive up to a pass
    // later.
    void type(const QStringList& wtypeArguments);
    // Puts a pointer on the seat, resting outside any window at the
    // output's bottom-right corner, for the clients started from now on.
    void addPointer();
    // Moves that pointer to `logical` on the output.
    void movePointer(QPoint logical);
    // Ends sway at once, as a crash would.
    void kill();
    // The running sway's version, major and minor.
    std::pair<int, int> version();

private:
    void writeConfig() const;
    void waitUntilReady();
    void addKeyboard();
    void waitForSeatCapability(int capability, const char* device);
    QByteArray swaymsg(const QString& type);
    QByteArray runTool(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment);

    double scale_;
    TestUser user_;
    QTemporaryDir runtime_;
    QProcess sway_;
    QProcess keyboard_;
    QProcess pointer_;
    QString waylandSocket_;
    QString ipcSocket_;
};

}  // namespace vorn::testing
