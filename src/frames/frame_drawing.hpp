#pragma once

#include "cycle/frame_cycle.hpp"
#include "frames/indexed_image.hpp"

namespace vorn {

// Draws frame `frameIndex` (0..19): both mechanisms at crank angle
// 18 * frameIndex degrees, as a kFrameWidth x kFrameHeight picture in the frame palette.
// Throws std::out_of_range for an index outside 0..19.
IndexedImage drawFrame(int frameIndex);

}  // namespace vorn
