#include "frames/crank_train.hpp"

#include "frames/palette.hpp"
#include "frames/shapes.hpp"

namespace vorn {

using namespace geometry;

void drawCrankWeb(IndexedImage& image, Point axis, double crankAngleRadians) {
    fillRegion(image, {crankWebContour(axis, crankAngleRadians)}, colour::kRed);
}

void drawConnectingRod(IndexedImage& image, Point smallPin, Point crankPin,
                       std::span<const ShankStation> shank) {
    fillRegion(image, {rodShankContour(smallPin, crankPin, shank)}, colour::kKhaki);
    fillDisc(image, crankPin, kBigEndRadius, colour::kKhaki);
    fillDisc(image, smallPin, kSmallEndRadius, colour::kKhaki);
}

void drawCrankPin(IndexedImage& image, Point crankPin) {
    fillDisc(image, crankPin, kCrankPinRimRadius, colour::kRed);
    fillDisc(image, crankPin, kCrankPinRadius, colour::kGrey);
}

void drawSmallPin(IndexedImage& image, Point smallPin) {
    fillDisc(image, smallPin, kSmallPinRimRadius, colour::kGrey);
    fillDisc(image, smallPin, kSmallPinRadius, colour::kGreen);
}

void cutSmallPinHole(IndexedImage& image, const IndexedImage& behind, Point smallPin) {
    copyDisc(image, behind, smallPin, kSmallPinHoleRadius);
}

}  // namespace vorn
