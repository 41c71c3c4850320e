// Figures of the real program in a real X server: passes per second at the
// fastest pace, processor share at the start pace beside a spinning count,
// start to first frame, and resident memory; passes and start to first
// frame also under a headless sway, as a native Wayland client. Run under
// xvfb-run.
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "headless_sway.hpp"
#include "program_command.hpp"
#include "running_vorn.hpp"
#include "sway_vorn.hpp"
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
    RunningVorn vorn(RunningVorn::StartedAt::kFirstFrame);
    while (!vorn.frameOnScreen()) {
        std::this_thread::sleep_for(1ms);
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double passesPerSecondAtFastestPace(std::chrono::seconds period) {
    RunningVorn vorn;
    // Next to the inner area's top-left corner the delay is a small fraction
    // of a count, which paces exactly as k = 0 does: one count.
    // The pointer leaves the window first: the program before this one
    // stood at the same place, so a move straight there would move nothing,
    // and the pace would stay at one pass a second.
    vorn.x().movePointer(0, 0);
    std::this_thread::sleep_for(200ms);
    const QPoint leftEdge = vorn.innerPixel(1, 1);
    vorn.x().movePointer(leftEdge.x(), leftEdge.y());
    std::this_thread::sleep_for(1200ms);  // the first pass's start-pace delay ends
    return vorn.x().countDamage(vorn.window(), period) / static_cast<double>(period.count());
}

struct ProgramFigures {
    double passesPerSecond = 0;
    double processorPercent = 0;
    double firstFrameMs = 0;
    double residentMegabytes = 0;
};

// Tells the programs started from now on that the screen has `dpi` dots per
// inch: Xft.dpi for the Linux build, and for the Windows build the command
// in VORN_SET_DPI_COMMAND, which sets Wine's own.
void setScreenDensity(int dpi) {
    testing::XDisplay().setDotsPerInch(dpi);
    if (const char* command = std::getenv("VORN_SET_DPI_COMMAND"); command != nullptr && *command != '\0') {
        const std::string line = std::string(command) + " " + std::to_string(dpi);
        if (std::system(line.c_str()) != 0) {
            std::fprintf(stderr, "vorn-window-bench: %s failed\n", line.c_str());
        }
    }
}

// Every figure of the program that programCommand() starts at `dpi`; the
// processor share only where `withShare`.
ProgramFigures measureProgram(int dpi, bool withShare) {
    setScreenDensity(dpi);
    ProgramFigures figures;
    std::vector<double> starts;
    for (int run = 0; run < 5; ++run) starts.push_back(millisecondsToFirstFrame());
    std::sort(starts.begin(), starts.end());
    figures.firstFrameMs = starts[2];
    figures.passesPerSecond = passesPerSecondAtFastestPace(std::chrono::seconds(3));

    {
        RunningVorn vorn;
        std::this_thread::sleep_for(1s);
        const auto period = std::chrono::seconds(withShare ? 10 : 1);
        const double before = processorSeconds(vorn.process().pid());
        std::this_thread::sleep_for(period);
        const double used = processorSeconds(vorn.process().pid()) - before;
        figures.processorPercent = 100 * used / static_cast<double>(period.count());
        figures.residentMegabytes = static_cast<double>(vorn.process().residentKilobytes()) / 1024.0;
    }
    // Only once the program has ended: Wine's setting is written down when
    // no program of its prefix runs.
    setScreenDensity(96);
    return figures;
}

// The figures at 100 % and at 200 %, where the window is drawn twice as big.
struct ScaledFigures {
    ProgramFigures single;
    ProgramFigures twice;
};

ScaledFigures measureAtBothScales() { return {measureProgram(96, true), measureProgram(192, false)}; }

// The Linux build as a native Wayland client under headless sway at 200 %:
// start to first frame, then passes a second with the pointer next to the
// inner area's top-left corner (k = 0), counted as the program's surface
// commits.
ProgramFigures measureUnderSway() {
    testing::HeadlessSway sway(2.0);
    ProgramFigures figures;
    std::vector<double> starts;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        testing::SwayVorn vorn(sway);
        starts.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(starts.begin(), starts.end());
    figures.firstFrameMs = starts[2];

    sway.addPointer();
    testing::SwayVorn vorn(sway, testing::SwayVorn::StartedAt::kFrameShown, testing::SwayVorn::Requests::kTraced);
    // The first move enters the window, the second moves over it; both are
    // served at the end of the pass under way.
    sway.movePointer(vorn.logicalPointOn(2, 2));
    sway.movePointer(vorn.logicalPointOn(1, 1));
    // The first pass's start-pace delay ends; reading the trace meanwhile
    // keeps its pipe from filling, which would stop the program.
    vorn.countCommits(1200ms);
    constexpr auto kPeriod = 3s;
    figures.passesPerSecond = vorn.countCommits(kPeriod) / std::chrono::duration<double>(kPeriod).count();
    return figures;
}

// The size of the Windows executable the command runs, in megabytes.
double executableMegabytes(const std::vector<std::string>& command) {
    for (const std::string& argument : command) {
        if (argument.size() > 4 && argument.compare(argument.size() - 4, 4, ".exe") == 0) {
            std::ifstream file(argument, std::ios::binary | std::ios::ate);
            return static_cast<double>(file.tellg()) / (1024.0 * 1024.0);
        }
    }
    return 0;
}

std::string argumentAfter(const QStringList& arguments, const QString& option) {
    const auto at = arguments.indexOf(option);
    return at > 0 && at + 1 < arguments.size() ? arguments.at(at + 1).toStdString() : std::string();
}

}  // namespace
}  // namespace vorn::bench

// vorn-window-bench [--core-json F] [--windows-pace-json F] [-- WINDOWS COMMAND]:
// the figures of the Linux build, and of the Windows build where a command
// to start it is given.
int main(int argc, char* argv[]) {
    using namespace vorn::bench;
    vorn::testing::takeProgramCommand(argc, argv);
    const std::vector<std::string> windowsCommand =
        vorn::testing::programCommand().front() == VORN_EXECUTABLE ? std::vector<std::string>{}
                                                                   : vorn::testing::programCommand();
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    std::vector<Figure> figures = coreFigures(QString::fromStdString(argumentAfter(arguments, "--core-json")),
                                              QString::fromStdString(argumentAfter(arguments, "--windows-pace-json")));

    vorn::testing::setProgramCommand({VORN_EXECUTABLE});
    const ScaledFigures onLinux = measureAtBothScales();
    ScaledFigures onWindows;
    if (!windowsCommand.empty()) {
        vorn::testing::setProgramCommand(windowsCommand);
        onWindows = measureAtBothScales();
    }
    const ProgramFigures underSway = measureUnderSway();
    const double spinning = spinningCountShare(std::chrono::milliseconds(2000));
    auto both = [&](const char* pattern, ProgramFigures ScaledFigures::*scale, double ProgramFigures::*figure) {
        return std::pair{format(pattern, onLinux.*scale.*figure),
                         windowsCommand.empty() ? std::string() : format(pattern, onWindows.*scale.*figure)};
    };
    auto add = [&](const char* name, const char* pattern, ProgramFigures ScaledFigures::*scale,
                   double ProgramFigures::*figure, const char* goal) {
        const auto [linuxText, windowsText] = both(pattern, scale, figure);
        figures.push_back({name, linuxText, windowsText, goal});
    };

    using SF = ScaledFigures;
    using PF = ProgramFigures;
    add("passes per second at k = 0 (real window, Xvfb)", "%.0f", &SF::single, &PF::passesPerSecond,
        ">= 4000 (Linux); report (Windows)");
    add("  at 200 % (the window drawn twice as big)", "%.0f", &SF::twice, &PF::passesPerSecond, "report");
    figures.push_back({"  at 200 % under headless sway (Wayland; requests traced)",
                       format("%.0f", underSway.passesPerSecond), "", "report"});
    add("processor share at the start pace, over 10 s", "%.3f %%", &SF::single, &PF::processorPercent, "<= 0.5 %");
    figures.push_back({"  a spinning count, same machine", format("%.1f %%", 100 * spinning), "", "about 100 %"});
    add("process start to first frame on screen (median of 5)", "%.0f ms", &SF::single, &PF::firstFrameMs,
        "<= 150 ms (Linux); <= 300 ms (Windows)");
    add("  at 200 %", "%.0f ms", &SF::twice, &PF::firstFrameMs, "report");
    figures.push_back({"  at 200 % under headless sway (Wayland; seen by grim)", format("%.0f ms", underSway.firstFrameMs),
                       "", "report"});
    add("resident memory after 10 s", "%.1f MB", &SF::single, &PF::residentMegabytes, "<= 60 MB (Linux)");
    add("  at 200 %", "%.1f MB", &SF::twice, &PF::residentMegabytes, "within 10 MB of 100 %");
    if (!windowsCommand.empty()) {
        figures.push_back({"vorn.exe size", "", format("%.2f MB", executableMegabytes(windowsCommand)), "<= 3 MB"});
    }
    printFigures(figures);
    return 0;
}
