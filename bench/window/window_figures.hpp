#pragma once

#include <QString>
#include <string>
#include <vector>

namespace vorn::bench {

// One row of the benchmark report: what was measured, the figure, the goal.
struct Figure {
    std::string what;
    std::string measured;
    std::string goal;
};

std::string format(const char* pattern, double value);

// The core's figures, read from Google Benchmark's JSON output.
std::vector<Figure> coreFigures(const QString& jsonPath);

// Prints the figures as one Markdown table.
void printFigures(const std::vector<Figure>& figures);

}  // namespace vorn::bench
