#pragma once

namespace vorn {

// One crank revolution is shown as twenty frames, one for each frame holder
// Image1..Image20 and each entry of the sequencer's frame table. The drawing,
// the frame records and the sequencer all take their counts from here.
inline constexpr int kFrameCount = 20;
inline constexpr double kDegreesPerFrame = 360.0 / kFrameCount;

}  // namespace vorn
