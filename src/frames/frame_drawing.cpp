#include "frames/frame_drawing.hpp"

#include <stdexcept>
#include <string>

#include "frames/conventional_mechanism.hpp"
#include "frames/crank_train.hpp"
#include "frames/mechanism_geometry.hpp"
#include "frames/palette.hpp"
#include "frames/piston_pose.hpp"
#include "frames/static_layer.hpp"
#include "frames/vorn_mechanism.hpp"

namespace vorn {

using namespace geometry;

IndexedImage drawFrame(int frameIndex) {
    if (frameIndex < 0 || frameIndex >= kFrameCount) {
        throw std::out_of_range("drawFrame: frame index " + std::to_string(frameIndex) + " is outside 0.." +
                                std::to_string(kFrameCount - 1));
    }
    const double angle = degreesToRadians(frameCrankAngleDegrees(frameIndex));
    const Point vornCrankPin = crankPinCentre(vorn_side::kAxis, angle);
    const Point conventionalCrankPin = crankPinCentre(conventional_side::kAxis, angle);
    const int vornRows = displacementRows(vornPistonDisplacement(angle));
    const int conventionalRows = displacementRows(conventionalPistonDisplacement(angle));
    const Point yokePin = vornYokePin(vornRows);
    const Point wristPin = conventionalWristPin(conventionalRows);

    // Back to front.
    IndexedImage image(kFrameWidth, kFrameHeight, colour::kWhite);
    drawCrankWeb(image, vorn_side::kAxis, angle);
    drawCrankWeb(image, conventional_side::kAxis, angle);
    drawCylindersAndGuideBars(image);
    const IndexedImage behindMovingBodies = image;

    drawVornPiston(image, vornRows);
    drawConventionalPiston(image, conventionalRows);

    drawConnectingRod(image, yokePin, vornCrankPin, vorn_side::kShank);
    drawConnectingRod(image, wristPin, conventionalCrankPin, conventional_side::kShank);

    drawCrankPin(image, vornCrankPin);
    drawCrankPin(image, conventionalCrankPin);
    drawSmallPin(image, yokePin);
    drawSmallPin(image, wristPin);
    cutSmallPinHole(image, behindMovingBodies, yokePin);
    cutSmallPinHole(image, behindMovingBodies, wristPin);

    drawCentreLines(image);
    return image;
}

}  // namespace vorn
