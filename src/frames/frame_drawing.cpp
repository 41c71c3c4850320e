#include "frames/frame_drawing.hpp"

#include "frames/palette.hpp"

namespace vorn {

// Placeholder until the mechanisms are drawn: a white canvas.
IndexedImage drawFrame(int /*frameIndex*/) {
    return IndexedImage(kFrameWidth, kFrameHeight, colour::kWhite);
}

}  // namespace vorn
