#pragma once

// The web page's motion view, made at build time from the pose code: the
// plot with its marker, the readout, the values the plot shows as a table,
// and for each frame where the marker stands and what the readout says. The
// page's script only picks a frame's entry; it computes nothing.

#include <map>
#include <string>

namespace vorn::tools {

// What the readout says for frame `frameIndex` (0..19): its crank angle and
// each piston's displacement to one decimal, e.g. "Crank angle 90°: VORN
// 47.6, conventional 73.3 below the top".
std::string frameReadout(int frameIndex);

// The view's parts by placeholder name: MOTION_PLOT (the plot's <svg> and,
// over it, the marker's, at frame 0), MOTION_READOUT (frame 0's readout), MOTION_TABLE (a
// <table> of the plotted values at the twenty frames) and MOTION_FRAMES (a
// JSON array; entry j holds frame j's markerX, in the plot's user units, and
// its readout).
std::map<std::string, std::string, std::less<>> motionViewParts();

}  // namespace vorn::tools
