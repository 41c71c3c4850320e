#include "headless_sway.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <cmath>
#include <stdexcept>
#include <thread>

namespace vorn::testing {
namespace {

using namespace std::chrono_literals;

// Square, and whole in logical pixels at 1.25, 1.5 and 2; it holds the window
// at scale 2 (1166 x 1106 device pixels).
constexpr int kOutputSide = 1200;
constexpr auto kSwayStartBudget = 10s;
constexpr int kToolBudgetMs = 10'000;
// wl_seat's capability bits.
constexpr int kPointerCapability = 1;
constexpr int kKeyboardCapability = 2;

[[noreturn]] void fail(const QString& what) { throw std::runtime_error(what.toStdString()); }

// The view of process `pid` in sway's tree, searched depth first.
std::optional<QJsonObject> findView(const QJsonObject& node, qint64 pid) {
    if (node.value("pid").toInteger(-1) == pid) return node;
    for (const char* children : {"nodes", "floating_nodes"}) {
        for (const QJsonValue child : node.value(children).toArray()) {
            if (auto found = findView(child.toObject(), pid)) return found;
        }
    }
    return std::nullopt;
}

QRect rectOf(const QJsonObject& box) {
    return {box.value("x").toInt(), box.value("y").toInt(), box.value("width").toInt(), box.value("height").toInt()};
}

}  // namespace

HeadlessSway::HeadlessSway(double scale) : scale_(scale), runtime_(QDir::tempPath() + "/vorn-sway-XXXXXX") {
    if (!runtime_.isValid()) fail("cannot make a runtime directory for sway: " + runtime_.errorString());
    // The runtime directory must be the user's own and private, or Wayland
    // clients refuse it.
    const QByteArray path = QFile::encodeName(runtime_.path());
    if (chown(path.constData(), user_.uid(), user_.gid()) != 0 || chmod(path.constData(), 0700) != 0) {
        fail("cannot give " + runtime_.path() + " to the user " + user_.name() + ": " + std::strerror(errno));
    }
    writeConfig();
    QProcessEnvironment environment;
    environment.insert("XDG_RUNTIME_DIR", runtime_.path());
    environment.insert("HOME", runtime_.path());
    environment.insert("WLR_BACKENDS", "headless");
    environment.insert("WLR_RENDERER", "pixman");
    environment.insert("WLR_LIBINPUT_NO_DEVICES", "1");
    sway_.setProcessEnvironment(environment);
    sway_.setProcessChannelMode(QProcess::MergedChannels);
    sway_.setStandardOutputFile(runtime_.filePath("sway.log"));
    const QStringList command = user_.commandFor({"sway", "--config", runtime_.filePath("config")});
    sway_.start(command.first(), command.mid(1));
    if (!sway_.waitForStarted()) fail("cannot start sway: " + sway_.errorString());
    waitUntilReady();
    addKeyboard();
}

HeadlessSway::~HeadlessSway() {
    for (QProcess* device : {&keyboard_, &pointer_}) {
        device->closeWriteChannel();
        device->waitForFinished();
    }
    kill();
}

// Each wtype adds a keyboard of its own for as long as it runs, a few
// milliseconds: a client serving its events later sees that keyboard come
// and go before it could bind it, and the keys are lost. So one keyboard is
// there from before any client starts and for the compositor's whole life:
// a wtype reading the text to type from a pipe that stays open (it types
// nothing until the pipe closes, and nothing is written to it).
void HeadlessSway::addKeyboard() {
    keyboard_.setProcessEnvironment(clientEnvironment());
    keyboard_.start(installedProgram("wtype"), {"-"});
    if (!keyboard_.waitForStarted()) fail("cannot start wtype: " + keyboard_.errorString());
    waitForSeatCapability(kKeyboardCapability, "keyboard");
}

void HeadlessSway::addPointer() {
    pointer_.setProcessEnvironment(clientEnvironment());
    const int side = static_cast<int>(std::lround(kOutputSide / scale_));
    pointer_.start(installedProgram("python3"), {VORN_VIRTUAL_POINTER, QString::number(side), QString::number(side)});
    if (!pointer_.waitForStarted()) fail("cannot start the virtual pointer: " + pointer_.errorString());
    movePointer({side - 1, side - 1});
    waitForSeatCapability(kPointerCapability, "pointer");
}

void HeadlessSway::movePointer(QPoint logical) {
    pointer_.write(QString("%1 %2\n").arg(logical.x()).arg(logical.y()).toLatin1());
    pointer_.waitForBytesWritten();
}

void HeadlessSway::waitForSeatCapability(int capability, const char* device) {
    const auto deadline = std::chrono::steady_clock::now() + kSwayStartBudget;
    while (std::chrono::steady_clock::now() < deadline) {
        const QJsonArray seats = QJsonDocument::fromJson(swaymsg("get_seats")).array();
        if (!seats.isEmpty() && (seats.first().toObject().value("capabilities").toInt() & capability) != 0) return;
        std::this_thread::sleep_for(10ms);
    }
    fail(QString("sway's seat has no %1 within %2 s").arg(device).arg(kSwayStartBudget.count()));
}

void HeadlessSway::writeConfig() const {
    QFile config(runtime_.filePath("config"));
    if (!config.open(QIODevice::WriteOnly)) fail("cannot write " + config.fileName() + ": " + config.errorString());
    config.write(QString("xwayland disable\n"
                         "output * resolution %1x%1 scale %2\n"
                         "default_border none\n"
                         "default_floating_border none\n"
                         "for_window [title=\".*\"] floating enable, move position 0 0\n")
                     .arg(kOutputSide)
                     .arg(scale_)
                     .toUtf8());
}

// Ready once sway answers on its IPC socket with the output at the scale
// the configuration sets, and its Wayland socket is there.
void HeadlessSway::waitUntilReady() {
    const auto deadline = std::chrono::steady_clock::now() + kSwayStartBudget;
    const QDir runtime(runtime_.path());
    while (std::chrono::steady_clock::now() < deadline) {
        // QProcess learns of the end only when asked.
        if (sway_.state() == QProcess::NotRunning || sway_.waitForFinished(0)) break;
        const QStringList ipc = runtime.entryList({"sway-ipc.*.sock"}, QDir::System);
        const QStringList wayland = runtime.entryList({"wayland-*"}, QDir::System);
        if (!ipc.isEmpty() && !wayland.isEmpty()) {
            ipcSocket_ = runtime.filePath(ipc.first());
            waylandSocket_ = wayland.first();
            QProcess probe;
            probe.start(installedProgram("swaymsg"), {"--socket", ipcSocket_, "--raw", "--type", "get_outputs"});
            if (probe.waitForFinished(kToolBudgetMs) && probe.exitCode() == 0) {
                for (const QJsonValue output : QJsonDocument::fromJson(probe.readAllStandardOutput()).array()) {
                    const QJsonObject o = output.toObject();
                    if (o.value("active").toBool() && std::abs(o.value("scale").toDouble() - scale_) < 1e-6) return;
                }
            }
        }
        std::this_thread::sleep_for(10ms);
    }
    QFile log(runtime_.filePath("sway.log"));
    log.open(QIODevice::ReadOnly);
    fail(QString("sway did not start with an output at scale %1; its log:\n").arg(scale_) +
         QString::fromLocal8Bit(log.readAll()));
}

QProcessEnvironment HeadlessSway::clientEnvironment() const {
    QProcessEnvironment environment;
    environment.insert("XDG_RUNTIME_DIR", runtime_.path());
    environment.insert("WAYLAND_DISPLAY", waylandSocket_);
    return environment;
}

QByteArray HeadlessSway::runTool(const QString& program, const QStringList& arguments,
                                 const QProcessEnvironment& environment) {
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(installedProgram(program), arguments);
    if (!tool.waitForFinished(kToolBudgetMs) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        fail(program + " " + arguments.join(' ') + " failed: " + tool.errorString() + " " +
             QString::fromLocal8Bit(tool.readAllStandardError()));
    }
    return tool.readAllStandardOutput();
}

QByteArray HeadlessSway::swaymsg(const QString& type) {
    return runTool("swaymsg", {"--socket", ipcSocket_, "--raw", "--type", type}, {});
}

std::optional<QRect> HeadlessSway::viewOf(qint64 pid) {
    const auto view = findView(QJsonDocument::fromJson(swaymsg("get_tree")).object(), pid);
    if (!view || !view->value("visible").toBool()) return std::nullopt;
    // The rectangle of the view's container; the window's own lies inside it.
    const QRect container = rectOf(view->value("rect").toObject());
    const QRect window = rectOf(view->value("window_rect").toObject());
    return window.translated(container.topLeft());
}

QImage HeadlessSway::screenshot() {
    const QImage shot = QImage::fromData(runTool("grim", {"-t", "ppm", "-"}, clientEnvironment()), "PPM");
    if (shot.isNull()) fail("grim's screenshot is no PPM image");
    return shot.convertToFormat(QImage::Format_RGB32);
}

void HeadlessSway::type(const QStringList& wtypeArguments) { runTool("wtype", wtypeArguments, clientEnvironment()); }

void HeadlessSway::kill() {
    if (sway_.state() == QProcess::NotRunning) return;
    sway_.kill();
    sway_.waitForFinished();
}

std::pair<int, int> HeadlessSway::version() {
    const QJsonObject version = QJsonDocument::fromJson(swaymsg("get_version")).object();
    return {version.value("major").toInt(), version.value("minor").toInt()};
}

}  // namespace vorn::testing
