#pragma once

// Where the crank pin is and how far each piston has moved at a crank angle.
// Crank angles are measured from the crank pin straight above the axis and
// turn clockwise on the screen (0 up, 90 right, 180 down, 270 left).

#include "frames/geometry_types.hpp"

namespace vorn {

double degreesToRadians(double degrees);

// Crank angle shown by frame `frameIndex` (0..19), in degrees.
double frameCrankAngleDegrees(int frameIndex);

// Centre of the crank pin of a crank turning about `axis`.
Point crankPinCentre(Point axis, double crankAngleRadians);

// Piston displacement below its crank-angle-0 position, in pixels.
// Conventional: the connecting rod runs up from the crank pin to the wrist pin.
double conventionalPistonDisplacement(double crankAngleRadians);
// VORN: the connecting rod runs down from the crank pin to the yoke pin, so
// the piston dwells longer at the top of the stroke and hurries at the bottom.
double vornPistonDisplacement(double crankAngleRadians);

// Derivatives of the displacements with respect to the crank angle, in pixels
// per radian (multiply by the angular speed for a velocity).
double conventionalPistonVelocity(double crankAngleRadians);
double vornPistonVelocity(double crankAngleRadians);

// A piston body is drawn as a rigid shape moved by whole rows: the
// displacement rounded to the nearest row.
int displacementRows(double displacement);

}  // namespace vorn
