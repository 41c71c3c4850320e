#include "motion_view.hpp"

#include <cmath>
#include <sstream>

#include "cycle/frame_cycle.hpp"
#include "frames/piston_pose.hpp"
#include "motion_plot/motion_plot.hpp"

namespace vorn::tools {
namespace {

using plots::kPageLayout;

// One decimal, and never "-0.0" for a value that rounds to zero.
std::string oneDecimal(double value) {
    std::ostringstream text;
    text.setf(std::ios::fixed);
    text.precision(1);
    text << (std::abs(value) < 0.05 ? 0.0 : value);
    return text.str();
}

double frameAngleRadians(int frameIndex) { return degreesToRadians(frameCrankAngleDegrees(frameIndex)); }

std::string angleText(int frameIndex) {
    std::ostringstream text;
    text << frameCrankAngleDegrees(frameIndex) << "\u00B0";
    return text.str();
}

std::string markerTransform(int frameIndex) {
    std::ostringstream text;
    text << "translate(" << plots::plotX(frameCrankAngleDegrees(frameIndex)) << " 0)";
    return text.str();
}

// The marker is drawn at x = 0 and moved by its transform, so that following
// a frame changes one attribute. It crosses each plotted area and leaves the
// gap between them, where the second panel's title stands. It has an <svg>
// of its own laid over the plot's, with the same user units, which the page
// puts in a compositing layer of its own: moving it then repaints only the
// line, not the curves beneath (in software rendering, that doubled the
// renderer's work at the fastest pace).
std::string markerLayer() {
    std::ostringstream svg;
    svg << "<svg xmlns='http://www.w3.org/2000/svg' class='marker-layer' aria-hidden='true' viewBox='0 0 "
        << plots::motionPlotWidth() << ' ' << plots::motionPlotHeight(kPageLayout) << "'>\n<path id='marker' d='";
    for (const plots::VerticalSpan& span : plots::plottedAreaSpans(kPageLayout)) {
        svg << "M0 " << span.top << " V" << span.bottom << ' ';
    }
    svg << "' transform='" << markerTransform(0)
        << "' fill='none' stroke='#000000' stroke-width='2' stroke-dasharray='6 3'/>\n</svg>\n";
    return svg.str();
}

std::string plot() {
    // The table after the plot is its text alternative, and the readout says
    // where the marker stands.
    return plots::motionPlotSvg(kPageLayout,
                                "role='img' aria-label='Two plots against the crank angle from 0 to 360 degrees: "
                                "the displacement of each piston below the top of its stroke, and its velocity. "
                                "The table below gives their values at the twenty frames.'") +
           markerLayer();
}

std::string valuesTable() {
    std::ostringstream html;
    html << "<table id=\"motion-values\">\n<thead><tr><th scope=\"col\">Frame</th><th scope=\"col\">Crank "
            "angle</th><th scope=\"col\">VORN displacement</th><th scope=\"col\">Conventional "
            "displacement</th><th scope=\"col\">VORN velocity</th><th scope=\"col\">Conventional "
            "velocity</th></tr></thead>\n<tbody>\n";
    for (int j = 0; j < kFrameCount; ++j) {
        const double angle = frameAngleRadians(j);
        html << "<tr><th scope=\"row\">" << j << "</th><td>" << angleText(j) << "</td><td>"
             << oneDecimal(vornPistonDisplacement(angle)) << "</td><td>"
             << oneDecimal(conventionalPistonDisplacement(angle)) << "</td><td>"
             << oneDecimal(vornPistonVelocity(angle)) << "</td><td>"
             << oneDecimal(conventionalPistonVelocity(angle)) << "</td></tr>\n";
    }
    html << "</tbody>\n</table>";
    return html.str();
}

// The readouts hold no character that JSON or a <script> element would
// need escaped; frameReadout's own test holds them to that.
std::string framesJson() {
    std::ostringstream json;
    json << '[';
    for (int j = 0; j < kFrameCount; ++j) {
        json << (j == 0 ? "" : ",") << "\n{\"markerX\":" << plots::plotX(frameCrankAngleDegrees(j))
             << ",\"readout\":\"" << frameReadout(j) << "\"}";
    }
    json << "\n]";
    return json.str();
}

}  // namespace

std::string frameReadout(int frameIndex) {
    const double angle = frameAngleRadians(frameIndex);
    return "Crank angle " + angleText(frameIndex) + ": VORN " + oneDecimal(vornPistonDisplacement(angle)) +
           ", conventional " + oneDecimal(conventionalPistonDisplacement(angle)) + " below the top";
}

std::map<std::string, std::string, std::less<>> motionViewParts() {
    return {
        {"MOTION_PLOT", plot()},
        {"MOTION_READOUT", frameReadout(0)},
        {"MOTION_TABLE", valuesTable()},
        {"MOTION_FRAMES", framesJson()},
    };
}

}  // namespace vorn::tools
