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

std::vector<Figure> coreFigures(const QString& jsonPath) {
    QFile file(jsonPath);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "vorn-window-bench: cannot read %s\n", qPrintable(jsonPath));
        return {};
    }
    std::vector<Figure> figures;
    const QJsonArray runs = QJsonDocument::fromJson(file.readAll()).object().value("benchmarks").toArray();
    for (const QJsonValue& value : runs) {
        const QJsonObject run = value.toObject();
        const QString name = run.value("name").toString();
        const double ms = toMilliseconds(run.value("real_time").toDouble(), run.value("time_unit").toString());
        if (name.startsWith("BM_DecodeAllTwentyEmbeddedFrames")) {
            figures.push_back({"decode all twenty frames", millisecondsText(ms), "< 5 ms"});
        } else if (name == "BM_DrawFrame/0") {
            figures.push_back({"draw one frame", millisecondsText(ms), "(none)"});
        } else if (name.startsWith("BM_EncodeOneFrame")) {
            figures.push_back({"encode one frame", millisecondsText(ms), "(none)"});
        } else if (name.startsWith("BM_PacePeriod/")) {
            const double expected = run.value("expected_ms").toDouble();
            const double worst = run.value("worst_error_ms").toDouble();
            const std::string k = name.section('/', 1, 1).toStdString();
            figures.push_back({"pace error at k = " + k + " (period " + millisecondsText(expected) + ")",
                               millisecondsText(worst), "<= " + millisecondsText(0.01 * expected + 0.2)});
        }
    }
    return figures;
}

void printFigures(const std::vector<Figure>& figures) {
    std::size_t whatWidth = 6, measuredWidth = 8;
    for (const Figure& f : figures) {
        whatWidth = std::max(whatWidth, f.what.size());
        measuredWidth = std::max(measuredWidth, f.measured.size());
    }
    const int w = static_cast<int>(whatWidth), m = static_cast<int>(measuredWidth);
    std::printf("| %-*s | %-*s | %s |\n", w, "Figure", m, "Measured", "Goal");
    std::printf("|%s|%s|------|\n", std::string(whatWidth + 2, '-').c_str(), std::string(measuredWidth + 2, '-').c_str());
    for (const Figure& f : figures) {
        std::printf("| %-*s | %-*s | %s |\n", w, f.what.c_str(), m, f.measured.c_str(), f.goal.c_str());
    }
}

}  // namespace vorn::bench
