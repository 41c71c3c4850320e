#pragma once

// The two pistons' motion against the crank angle, drawn from the pose code
// as SVG: one panel of displacement below the top of the stroke, one of
// velocity, both mechanisms in each. The README's docs/motion.svg and the web
// page's motion view are this drawing at two sizes.

#include <array>
#include <string>
#include <string_view>

namespace vorn::plots {

// The sizes that differ between the two places, in SVG user units. The
// margins around the plotted areas are the same in both.
struct MotionPlotLayout {
    int panelHeight;
    int panelGap;  // from the first panel's bottom edge to the second's top
};

// A large picture for the README.
inline constexpr MotionPlotLayout kDocsLayout{260, 70};
// Short enough to stand beside the window on a 768-pixel-high screen.
inline constexpr MotionPlotLayout kPageLayout{160, 56};

// Where an angle lies across the plotted areas, and the vertical extent of
// each plotted area, top to bottom: where a marker for an angle runs.
struct VerticalSpan {
    double top;
    double bottom;
};
double plotX(double crankAngleDegrees);
std::array<VerticalSpan, 2> plottedAreaSpans(const MotionPlotLayout& layout);

// The plot's size in SVG user units: its viewBox is 0 0 width height.
int motionPlotWidth();
int motionPlotHeight(const MotionPlotLayout& layout);

// The plot as one <svg> element, without an XML declaration.
// `rootAttributes` go into its start tag as they are. Each plotted area's
// frame is a rect of class "plot-area", and each text has a class naming its
// part (panel-title, tick, axis-unit, legend, axis-caption), so that a page
// can style them.
std::string motionPlotSvg(const MotionPlotLayout& layout, std::string_view rootAttributes = {});

}  // namespace vorn::plots
