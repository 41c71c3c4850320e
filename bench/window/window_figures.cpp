#include "window_figures.hpp"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>

namespace vorn::bench {
namespace {

double toMilliseconds(double time, const QString& unit) {
    if (unit == "ns") return time / 1e6;
    if (unit == "us") return time / 1e3;
    if (unit == "s") return time * 1e3;
    return time;
}

std::string millisecondsText(double ms) { return ms < 1 ? format("%.3f ms", ms) : format("%.2f ms", ms); }

}  // namespace

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

namespace {

QJsonArray benchmarkRuns(const QString& jsonPath) {
    QFile file(jsonPath);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "vorn-window-bench: cannot read %s\n", qPrintable(jsonPath));
        return {};
    }
    return QJsonDocument::fromJson(file.readAll()).object().value("benchmarks").toArray();
}

enum class Platform { kLinux, kWindows };

// The pace figure of one BM_PacePeriod run: the worst error, in the column of
// the platform it ran on, and its goal, 1 % of the period plus 0.2 ms.
Figure paceFigure(const QJsonObject& run, Platform platform) {
    const double expected = run.value("expected_ms").toDouble();
    const double worst = run.value("worst_error_ms").toDouble();
    const std::string k = run.value("name").toString().section('/', 1, 1).toStdString();
    Figure figure{"pace error at k = " + k + " (period " + millisecondsText(expected) + ")", "", "",
                  "<= " + millisecondsText(0.01 * expected + 0.2)};
    (platform == Platform::kLinux ? figure.onLinux : figure.onWindows) = millisecondsText(worst);
    return figure;
}

}  // namespace

std::vector<Figure> coreFigures(const QString& jsonPath, const QString& windowsPaceJsonPath) {
    std::vector<Figure> figures;
    for (const QJsonValue& value : benchmarkRuns(jsonPath)) {
        const QJsonObject run = value.toObject();
        const QString name = run.value("name").toString();
        const double ms = toMilliseconds(run.value("real_time").toDouble(), run.value("time_unit").toString());
        if (name.startsWith("BM_DecodeAllTwentyEmbeddedFrames")) {
            figures.push_back({"decode all twenty frames", millisecondsText(ms), "", "< 5 ms"});
        } else if (name == "BM_DrawFrame/0") {
            figures.push_back({"draw one frame", millisecondsText(ms), "", "(none)"});
        } else if (name.startsWith("BM_EncodeOneFrame")) {
            figures.push_back({"encode one frame", millisecondsText(ms), "", "(none)"});
        } else if (name.startsWith("BM_PacePeriod/")) {
            figures.push_back(paceFigure(run, Platform::kLinux));
        }
    }
    if (windowsPaceJsonPath.isEmpty()) return figures;
    // The Windows pace figures join the Linux rows of the same k.
    for (const QJsonValue& value : benchmarkRuns(windowsPaceJsonPath)) {
        const Figure windows = paceFigure(value.toObject(), Platform::kWindows);
        const auto row = std::find_if(figures.begin(), figures.end(),
                                      [&](const Figure& f) { return f.what == windows.what; });
        if (row != figures.end()) {
            row->onWindows = windows.onWindows;
        } else {
            figures.push_back(windows);
        }
    }
    return figures;
}

void printFigures(const std::vector<Figure>& figures) {
    std::size_t widths[3] = {6, 5, 7};
    for (const Figure& f : figures) {
        widths[0] = std::max(widths[0], f.what.size());
        widths[1] = std::max(widths[1], f.onLinux.size());
        widths[2] = std::max(widths[2], f.onWindows.size());
    }
    auto row = [&](const std::string& what, const std::string& onLinux, const std::string& onWindows,
                   const std::string& goal) {
        std::printf("| %-*s | %-*s | %-*s | %s |\n", static_cast<int>(widths[0]), what.c_str(),
                    static_cast<int>(widths[1]), onLinux.c_str(), static_cast<int>(widths[2]), onWindows.c_str(),
                    goal.c_str());
    };
    row("Figure", "Linux", "Windows", "Goal");
    row(std::string(widths[0], '-'), std::string(widths[1], '-'), std::string(widths[2], '-'), "----");
    for (const Figure& f : figures) row(f.what, f.onLinux, f.onWindows, f.goal);
}

}  // namespace vorn::bench
