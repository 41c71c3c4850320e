#pragma once

// The parts both mechanisms share: crank web, connecting rod with its big
// and small ends, crank pin and small pin.

#include <span>

#include "frames/mechanism_geometry.hpp"
#include "frames/raster.hpp"

namespace vorn {

// Red web turning with the crank, counterweight opposite the pin.
void drawCrankWeb(IndexedImage& image, Point axis, double crankAngleRadians);

// Khaki shank from the small pin to the crank pin, the big-end ring round
// the crank pin and the small-end ring round the small pin.
void drawConnectingRod(IndexedImage& image, Point smallPin, Point crankPin,
                       std::span<const geometry::ShankStation> shank);

// Grey pin with its red rim.
void drawCrankPin(IndexedImage& image, Point crankPin);

// Grey rim and green pin; its hole is cut by cutSmallPinHole.
void drawSmallPin(IndexedImage& image, Point smallPin);

// The hole through the small pin and everything drawn over the crank webs:
// it shows `behind`, the picture as it was before the moving bodies.
void cutSmallPinHole(IndexedImage& image, const IndexedImage& behind, Point smallPin);

}  // namespace vorn
