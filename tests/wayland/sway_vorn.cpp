#include "sway_vorn.hpp"

#include <cmath>
#include <stdexcept>
#include <string>
#include <thread>

#include "running_vorn.hpp"

namespace vorn::testing {
namespace {

// A product of a fractional scale within this of a whole number is that number.
constexpr double kRounding = 1e-6;

}  // namespace

SwayVorn::SwayVorn(HeadlessSway& sway, StartedAt startedAt, Requests requests) : sway_(sway) {
    RunningVorn::frames();  // made before the start, so that the first look is not late
    QProcessEnvironment environment = sway.clientEnvironment();
    if (requests == Requests::kTraced) environment.insert("WAYLAND_DEBUG", "1");
    process_.setProcessEnvironment(environment);
    const QStringList command = sway.user().commandFor({QString::fromLocal8Bit(VORN_EXECUTABLE)});
    process_.start(command.first(), command.mid(1));
    if (!process_.waitForStarted()) throw std::runtime_error("cannot start vorn: " + process_.errorString().toStdString());
    waitForWindow();
    if (startedAt == StartedAt::kFrameShown && !waitForChangeFrom(-1, kStartBudget)) {
        throw std::runtime_error("the VORN window showed no frame in exact blocks within the start budget");
    }
}

SwayVorn::~SwayVorn() {
    process_.kill();
    process_.waitForFinished();
}

// The window's device pixels start where its logical corner falls: a whole
// device pixel, as sway places it.
void SwayVorn::waitForWindow() {
    const auto deadline = std::chrono::steady_clock::now() + kStartBudget;
    std::optional<QRect> view;
    while (!(view = sway_.viewOf(process_.processId())) && std::chrono::steady_clock::now() < deadline) {
        // QProcess learns of the end only when asked.
        if (process_.state() == QProcess::NotRunning || process_.waitForFinished(0)) {
            throw std::runtime_error("vorn ended before its window appeared: " + standardError().toStdString());
        }
        std::this_thread::sleep_for(10ms);
    }
    if (!view) throw std::runtime_error("the VORN window did not appear within the start budget");
    clientOrigin_ = (QPointF(view->topLeft()) * sway_.scale()).toPoint();
    scale_ = std::max(1, static_cast<int>(std::floor(view->width() * sway_.scale() / kClientWidth + kRounding)));
}

QPoint SwayVorn::logicalPointOn(int column, int row) const {
    const QPointF device = clientOrigin_ + QPoint(kPictureAreaBorder + column, kPictureAreaBorder + row) * scale_;
    return {static_cast<int>(device.x() / sway_.scale()), static_cast<int>(device.y() / sway_.scale())};
}

int SwayVorn::countCommits(std::chrono::milliseconds period) {
    process_.readAllStandardError();  // the requests before the period
    QByteArray trace;
    const auto deadline = std::chrono::steady_clock::now() + period;
    while (std::chrono::steady_clock::now() < deadline) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        process_.waitForReadyRead(static_cast<int>(std::max(left.count(), 1L)));
        trace += process_.readAllStandardError();
    }
    // One line a request: "[time]  -> wl_surface@ID.commit()".
    return static_cast<int>(trace.count(".commit()"));
}

std::optional<int> SwayVorn::frameOnScreen() {
    shot_ = sway_.screenshot();
    const QRect visible(clientOrigin_ + QPoint(kPictureAreaBorder, kPictureAreaBorder) * scale_,
                        kVisibleFrame * scale_);
    const QImage shown = shot_.copy(visible);
    const auto frame = RunningVorn::frames().identify(sampleBlocks(shown, scale_));
    if (!frame || shown != blocksOf(RunningVorn::frames().frame(*frame), scale_)) return std::nullopt;
    return frame;
}

std::optional<int> SwayVorn::waitForChangeFrom(int index, std::chrono::milliseconds budget) {
    return lookUntil([this] { return frameOnScreen(); }, [index](int seen) { return seen != index; }, budget);
}

bool SwayVorn::waitForFrame(int index, std::chrono::milliseconds budget) {
    return lookUntil([this] { return frameOnScreen(); }, [index](int seen) { return seen == index; }, budget)
        .has_value();
}

std::optional<int> SwayVorn::waitForExit(std::chrono::milliseconds budget) {
    if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(static_cast<int>(budget.count()))) {
        return std::nullopt;
    }
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

QString SwayVorn::standardError() { return QString::fromLocal8Bit(process_.readAllStandardError()); }

}  // namespace vorn::testing
