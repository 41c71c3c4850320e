// Figures of the real program in a real X server: passes per second at the
// fastest pace, processor share at the start pace beside a spinning count,
// start to first frame, and resident memory. Run under xvfb-run.
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "running_vorn.hpp"
#include "window_figures.hpp"

namespace vorn::bench {
namespace {

using namespace std::chrono_literals;
using testing::RunningVorn;

// Processor time of process `pid` so far, in seconds, to the nanosecond:
// the scheduler's own account (the first field of /proc/PID/schedstat).
double processorSeconds(pid_t pid) {
    std::ifstream schedstat("/proc/" + std::to_string(pid) + "/schedstat");
    unsigned long long nanoseconds = 0;
    schedstat >> nanoseconds;
    return static_cast<double>(nanoseconds) / 1e9;
}

double ownProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](timeval t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// What a pacing delay that counted by spinning would cost: the share of a
// core a busy count holds while it counts for `period`.
double spinningCountShare(std::chrono::milliseconds period) {
    const double before = ownProcessorSeconds();
    const auto start = std::chrono::steady_clock::now();
    volatile unsigned long long counter = 0;
    while (std::chrono::steady_clock::now() - start < period) {
        for (int i = 0; i < 1000; ++i) counter = counter + 1;
    }
    return (ownProcessorSeconds() - before) / std::chrono::duration<double>(period).count();
}

double millisecondsToFirstFrame() {
    const auto start = std::chrono::steady_clock::now();
    RunningVorn vorn;
    while (!vorn.frameOnScreen()) {
        std::this_thread::sleep_for(1ms);
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double passesPerSecondAtFastestPace(std::chrono::seconds period) {
    RunningVorn vorn;
    // x = 0 on the left edge of the inner area: the delay is 0 counts.
    const QPoint leftEdge = vorn.innerPixel(0, 300);
    vorn.x().movePointer(leftEdge.x(), leftEdge.y());
    std::this_thread::sleep_for(1200ms);  // the first pass's start-pace delay ends
    return vorn.x().countDamage(vorn.window(), period) / static_cast<double>(period.count());
}

struct StartPaceFigures {
    double processorShare = 0;
    double residentMegabytes = 0;
};

StartPaceFigures runAtStartPace(std::chrono::seconds period) {
    RunningVorn vorn;
    std::this_thread::sleep_for(1s);
    const double before = processorSeconds(vorn.process().pid());
    std::this_thread::sleep_for(period);
    const double used = processorSeconds(vorn.process().pid()) - before;
    return {used / static_cast<double>(period.count()), vorn.process().residentKilobytes() / 1024.0};
}

}  // namespace
}  // namespace vorn::bench

int main(int argc, char* argv[]) {
    using namespace vorn::bench;
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const int coreJson = static_cast<int>(arguments.indexOf(QStringLiteral("--core-json")));
    std::vector<Figure> figures;
    if (coreJson > 0 && coreJson + 1 < arguments.size()) {
        figures = coreFigures(arguments.at(coreJson + 1));
    }

    std::vector<double> starts;
    for (int run = 0; run < 5; ++run) starts.push_back(millisecondsToFirstFrame());
    std::sort(starts.begin(), starts.end());
    const double passes = passesPerSecondAtFastestPace(std::chrono::seconds(3));
    const StartPaceFigures startPace = runAtStartPace(std::chrono::seconds(10));
    const double spinning = spinningCountShare(std::chrono::milliseconds(2000));

    figures.push_back({"passes per second at k = 0 (real window, Xvfb)", format("%.0f", passes), ">= 4000"});
    figures.push_back({"processor share at the start pace, over 10 s", format("%.3f %%", 100 * startPace.processorShare),
                       "<= 0.5 %"});
    figures.push_back({"  a spinning count, same run", format("%.1f %%", 100 * spinning), "about 100 %"});
    figures.push_back({"process start to first frame on screen (median of 5)", format("%.0f ms", starts[2]),
                       "<= 150 ms"});
    figures.push_back({"resident memory after 10 s", format("%.1f MB", startPace.residentMegabytes), "<= 60 MB"});
    printFigures(figures);
    return 0;
}
