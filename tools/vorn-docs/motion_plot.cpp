#include <cmath>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>

#include "docs_outputs.hpp"
#include "frames/frame_drawing.hpp"
#include "frames/piston_pose.hpp"

namespace vorn::docs {
namespace {

constexpr int kWidth = 760;
constexpr int kPanelHeight = 260;
constexpr int kLeftMargin = 70;
constexpr int kRightMargin = 150;
constexpr int kTopMargin = 40;
constexpr int kPanelGap = 70;
constexpr int kPlotWidth = kWidth - kLeftMargin - kRightMargin;

constexpr const char* kVornColour = "#cc0033";
constexpr const char* kConventionalColour = "#333399";

// One plotted panel: its value range and where it sits on the page.
struct Panel {
    std::string title;
    std::string unit;
    double lowest;
    double highest;
    double gridStep;
    int top;

    double x(double degrees) const { return kLeftMargin + kPlotWidth * degrees / 360.0; }
    double y(double value) const { return top + kPanelHeight * (highest - value) / (highest - lowest); }
};

void drawAxes(std::ostream& svg, const Panel& panel) {
    svg << "<text x='" << kLeftMargin << "' y='" << panel.top - 12 << "' font-size='15' font-weight='bold'>"
        << panel.title << "</text>\n";
    for (double value = panel.lowest; value <= panel.highest + 1e-9; value += panel.gridStep) {
        svg << "<line x1='" << kLeftMargin << "' x2='" << kLeftMargin + kPlotWidth << "' y1='" << panel.y(value)
            << "' y2='" << panel.y(value) << "' stroke='#dddddd'/>\n";
        svg << "<text x='" << kLeftMargin - 8 << "' y='" << panel.y(value) + 4
            << "' font-size='11' text-anchor='end'>" << value << "</text>\n";
    }
    for (int degrees = 0; degrees <= 360; degrees += 45) {
        svg << "<line x1='" << panel.x(degrees) << "' x2='" << panel.x(degrees) << "' y1='" << panel.top
            << "' y2='" << panel.top + kPanelHeight << "' stroke='#dddddd'/>\n";
        svg << "<text x='" << panel.x(degrees) << "' y='" << panel.top + kPanelHeight + 16
            << "' font-size='11' text-anchor='middle'>" << degrees << "\u00B0</text>\n";
    }
    svg << "<rect x='" << kLeftMargin << "' y='" << panel.top << "' width='" << kPlotWidth << "' height='"
        << kPanelHeight << "' fill='none' stroke='#888888'/>\n";
    svg << "<text x='" << kLeftMargin - 50 << "' y='" << panel.top + kPanelHeight / 2
        << "' font-size='12' text-anchor='middle' transform='rotate(-90 " << kLeftMargin - 50 << ' '
        << panel.top + kPanelHeight / 2 << ")'>" << panel.unit << "</text>\n";
}

void drawCurve(std::ostream& svg, const Panel& panel, const std::function<double(double)>& valueAt,
               const char* colour) {
    svg << "<polyline fill='none' stroke='" << colour << "' stroke-width='2' points='";
    for (int tenths = 0; tenths <= 3600; tenths += 5) {
        const double degrees = tenths / 10.0;
        svg << panel.x(degrees) << ',' << panel.y(valueAt(degreesToRadians(degrees))) << ' ';
    }
    svg << "'/>\n";
}

// Dots where the twenty frames sample the curve.
void drawFrameMarks(std::ostream& svg, const Panel& panel, const std::function<double(double)>& valueAt,
                    const char* colour) {
    for (int j = 0; j <= kFrameCount; ++j) {
        const double degrees = frameCrankAngleDegrees(j);
        svg << "<circle cx='" << panel.x(degrees) << "' cy='" << panel.y(valueAt(degreesToRadians(degrees)))
            << "' r='3' fill='" << colour << "'/>\n";
    }
}

void drawLegend(std::ostream& svg, int top) {
    const int left = kLeftMargin + kPlotWidth + 16;
    const std::pair<const char*, const char*> entries[] = {{"VORN", kVornColour},
                                                           {"Conventional", kConventionalColour}};
    int y = top + 10;
    for (const auto& [name, colour] : entries) {
        svg << "<line x1='" << left << "' x2='" << left + 24 << "' y1='" << y << "' y2='" << y << "' stroke='"
            << colour << "' stroke-width='3'/>\n";
        svg << "<text x='" << left + 30 << "' y='" << y + 4 << "' font-size='13'>" << name << "</text>\n";
        y += 22;
    }
}

void drawPanel(std::ostream& svg, const Panel& panel, const std::function<double(double)>& vorn,
               const std::function<double(double)>& conventional) {
    drawAxes(svg, panel);
    drawCurve(svg, panel, conventional, kConventionalColour);
    drawCurve(svg, panel, vorn, kVornColour);
    drawFrameMarks(svg, panel, conventional, kConventionalColour);
    drawFrameMarks(svg, panel, vorn, kVornColour);
    drawLegend(svg, panel.top);
}

}  // namespace

void writeMotionPlot(const std::filesystem::path& svgPath) {
    const Panel displacement{"Piston displacement below the top of the stroke", "pixels", 0.0, 140.0, 20.0,
                             kTopMargin};
    const Panel velocity{"Piston velocity (positive: moving down)", "pixels per radian", -100.0, 100.0, 25.0,
                         kTopMargin + kPanelHeight + kPanelGap};
    const int height = velocity.top + kPanelHeight + 60;

    std::ostringstream svg;
    svg << "<?xml version='1.0' encoding='UTF-8'?>\n"
        << "<svg xmlns='http://www.w3.org/2000/svg' width='" << kWidth << "' height='" << height
        << "' viewBox='0 0 " << kWidth << ' ' << height << "' font-family='sans-serif'>\n"
        << "<rect width='100%' height='100%' fill='white'/>\n";
    drawPanel(svg, displacement, vornPistonDisplacement, conventionalPistonDisplacement);
    drawPanel(svg, velocity, vornPistonVelocity, conventionalPistonVelocity);
    svg << "<text x='" << kLeftMargin + kPlotWidth / 2 << "' y='" << height - 14
        << "' font-size='13' text-anchor='middle'>crank angle (clockwise from the top); dots: the twenty frames</text>\n"
        << "</svg>\n";

    std::ofstream out(svgPath);
    out << svg.str();
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + svgPath.string());
    }
}

}  // namespace vorn::docs
