#pragma once

#include <cstddef>

namespace vorn {

// One crank revolution is shown as twenty frames, one for each frame holder
// Image1..Image20 and each entry of the sequencer's frame table. The drawing,
// the frame records and the sequencer all take their counts from here.
inline constexpr int kFrameCount = 20;
inline constexpr double kDegreesPerFrame = 360.0 / kFrameCount;

// Frames count from 0 in the frame table and holders from 1 in their names:
// holder Image<n> carries frame n - 1.
constexpr int frameOfHolder(int holderNumber) { return holderNumber - 1; }
constexpr int holderOfFrame(int frame) { return frame + 1; }
// Where holder `holderNumber` stands in a table kept in frame order.
constexpr std::size_t holderSlot(int holderNumber) { return static_cast<std::size_t>(frameOfHolder(holderNumber)); }

}  // namespace vorn
