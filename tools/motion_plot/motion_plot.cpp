#include "motion_plot.hpp"

#include <functional>
#include <sstream>
#include <string>
#include <utility>

#include "cycle/frame_cycle.hpp"
#include "frames/piston_pose.hpp"

namespace vorn::plots {
namespace {

constexpr int kWidth = 760;
constexpr int kLeftMargin = 70;
constexpr int kRightMargin = 150;  // room for the legend
constexpr int kTopMargin = 40;
constexpr int kBottomMargin = 60;  // the angle ticks and the caption
constexpr int kPlotWidth = kWidth - kLeftMargin - kRightMargin;

constexpr const char* kVornColour = "#cc0033";
constexpr const char* kConventionalColour = "#333399";

using Curve = std::function<double(double crankAngleRadians)>;

// One plotted panel: its value range and where it sits on the page.
struct Panel {
    std::string title;
    std::string unit;
    double lowest;
    double highest;
    double gridStep;
    int top;
    int height;

    double y(double value) const { return top + height * (highest - value) / (highest - lowest); }
};

Panel displacementPanel(const MotionPlotLayout& layout) {
    return {"Piston displacement below the top of the stroke", "pixels", 0.0, 140.0, 20.0, kTopMargin,
            layout.panelHeight};
}

Panel velocityPanel(const MotionPlotLayout& layout) {
    return {"Piston velocity (positive: moving down)", "pixels per radian", -100.0, 100.0, 25.0,
            kTopMargin + layout.panelHeight + layout.panelGap, layout.panelHeight};
}

void drawAxes(std::ostream& svg, const Panel& panel) {
    svg << "<text class='panel-title' x='" << kLeftMargin << "' y='" << panel.top - 12
        << "' font-size='15' font-weight='bold'>" << panel.title << "</text>\n";
    for (double value = panel.lowest; value <= panel.highest + 1e-9; value += panel.gridStep) {
        svg << "<line x1='" << kLeftMargin << "' x2='" << kLeftMargin + kPlotWidth << "' y1='" << panel.y(value)
            << "' y2='" << panel.y(value) << "' stroke='#dddddd'/>\n";
        svg << "<text class='tick' x='" << kLeftMargin - 8 << "' y='" << panel.y(value) + 4
            << "' font-size='11' text-anchor='end'>" << value << "</text>\n";
    }
    for (int degrees = 0; degrees <= 360; degrees += 45) {
        svg << "<line x1='" << plotX(degrees) << "' x2='" << plotX(degrees) << "' y1='" << panel.top
            << "' y2='" << panel.top + panel.height << "' stroke='#dddddd'/>\n";
        svg << "<text class='tick' x='" << plotX(degrees) << "' y='" << panel.top + panel.height + 16
            << "' font-size='11' text-anchor='middle'>" << degrees << "\u00B0</text>\n";
    }
    svg << "<rect class='plot-area' x='" << kLeftMargin << "' y='" << panel.top << "' width='" << kPlotWidth
        << "' height='" << panel.height << "' fill='none' stroke='#888888'/>\n";
    svg << "<text class='axis-unit' x='" << kLeftMargin - 50 << "' y='" << panel.top + panel.height / 2
        << "' font-size='12' text-anchor='middle' transform='rotate(-90 " << kLeftMargin - 50 << ' '
        << panel.top + panel.height / 2 << ")'>" << panel.unit << "</text>\n";
}

void drawCurve(std::ostream& svg, const Panel& panel, const Curve& valueAt, const char* colour) {
    svg << "<polyline fill='none' stroke='" << colour << "' stroke-width='2' points='";
    for (int tenths = 0; tenths <= 3600; tenths += 5) {
        const double degrees = tenths / 10.0;
        svg << plotX(degrees) << ',' << panel.y(valueAt(degreesToRadians(degrees))) << ' ';
    }
    svg << "'/>\n";
}

// Dots where the twenty frames sample the curve.
void drawFrameMarks(std::ostream& svg, const Panel& panel, const Curve& valueAt, const char* colour) {
    for (int j = 0; j <= kFrameCount; ++j) {
        const double degrees = frameCrankAngleDegrees(j);
        svg << "<circle cx='" << plotX(degrees) << "' cy='" << panel.y(valueAt(degreesToRadians(degrees)))
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
        svg << "<text class='legend' x='" << left + 30 << "' y='" << y + 4 << "' font-size='13'>" << name
            << "</text>\n";
        y += 22;
    }
}

void drawPanel(std::ostream& svg, const Panel& panel, const Curve& vorn, const Curve& conventional) {
    drawAxes(svg, panel);
    drawCurve(svg, panel, conventional, kConventionalColour);
    drawCurve(svg, panel, vorn, kVornColour);
    drawFrameMarks(svg, panel, conventional, kConventionalColour);
    drawFrameMarks(svg, panel, vorn, kVornColour);
    drawLegend(svg, panel.top);
}

}  // namespace

double plotX(double crankAngleDegrees) { return kLeftMargin + kPlotWidth * crankAngleDegrees / 360.0; }

std::array<VerticalSpan, 2> plottedAreaSpans(const MotionPlotLayout& layout) {
    std::array<VerticalSpan, 2> spans{};
    const Panel panels[] = {displacementPanel(layout), velocityPanel(layout)};
    for (std::size_t i = 0; i < spans.size(); ++i) {
        spans[i] = {static_cast<double>(panels[i].top), static_cast<double>(panels[i].top + panels[i].height)};
    }
    return spans;
}

int motionPlotWidth() { return kWidth; }

int motionPlotHeight(const MotionPlotLayout& layout) {
    const Panel velocity = velocityPanel(layout);
    return velocity.top + velocity.height + kBottomMargin;
}

std::string motionPlotSvg(const MotionPlotLayout& layout, std::string_view rootAttributes) {
    const Panel displacement = displacementPanel(layout);
    const Panel velocity = velocityPanel(layout);
    const int height = motionPlotHeight(layout);

    std::ostringstream svg;
    svg << "<svg xmlns='http://www.w3.org/2000/svg' width='" << kWidth << "' height='" << height
        << "' viewBox='0 0 " << kWidth << ' ' << height << "' font-family='sans-serif'";
    if (!rootAttributes.empty()) {
        svg << ' ' << rootAttributes;
    }
    svg << ">\n<rect width='100%' height='100%' fill='white'/>\n";
    drawPanel(svg, displacement, vornPistonDisplacement, conventionalPistonDisplacement);
    drawPanel(svg, velocity, vornPistonVelocity, conventionalPistonVelocity);
    svg << "<text class='axis-caption' x='" << kLeftMargin + kPlotWidth / 2 << "' y='" << height - 14
        << "' font-size='13' text-anchor='middle'>crank angle (clockwise from the top); dots: the twenty "
           "frames</text>\n</svg>\n";
    return svg.str();
}

}  // namespace vorn::plots
