#pragma once

#include <QString>
#include <string>
#include <vector>

namespace vorn::bench {

// One row of the benchmark report: what was measured, the figure on Linux
// and on Windows (under Wine; empty where not measured there), the goal.
struct Figure {
    std::string what;
    std::string onLinux;
    std::string onWindows;
    std::string goal;
};

std::string format(const char* pattern, double value);

// The core's figures, read from Google Benchmark's JSON output; the pace
// figures of the Windows build, from its pace bench's, where there is one.
std::vector<Figure> coreFigures(const QString& jsonPath, const QString& windowsPaceJsonPath);

// Prints the figures as one Markdown table.
void printFigures(const std::vector<Figure>& figures);

}  // namespace vorn::bench
