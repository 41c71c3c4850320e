#include "frames/piston_pose.hpp"

#include <cmath>
#include <numbers>

#include "cycle/frame_cycle.hpp"
#include "frames/mechanism_geometry.hpp"

namespace vorn {
namespace {

using geometry::kCrankRadius;

// Displacement of a slider whose rod of `rodLength` is driven by the crank,
// without the crank's own r(1 - cos) term: rod - sqrt(rod^2 - (r sin)^2).
double rodObliquityDrop(double rodLength, double crankAngleRadians) {
    const double offset = kCrankRadius * std::sin(crankAngleRadians);
    return rodLength - std::sqrt(rodLength * rodLength - offset * offset);
}

// d/dθ of rodObliquityDrop: r^2 sin cos / sqrt(rod^2 - (r sin)^2).
double rodObliquityRate(double rodLength, double crankAngleRadians) {
    const double offset = kCrankRadius * std::sin(crankAngleRadians);
    const double offsetRate = kCrankRadius * std::cos(crankAngleRadians);
    return offset * offsetRate / std::sqrt(rodLength * rodLength - offset * offset);
}

}  // namespace

double degreesToRadians(double degrees) { return degrees * std::numbers::pi / 180.0; }

double frameCrankAngleDegrees(int frameIndex) { return kDegreesPerFrame * frameIndex; }

Point crankPinCentre(Point axis, double crankAngleRadians) {
    return {axis.x + kCrankRadius * std::sin(crankAngleRadians),
            axis.y - kCrankRadius * std::cos(crankAngleRadians)};
}

double conventionalPistonDisplacement(double crankAngleRadians) {
    return kCrankRadius * (1.0 - std::cos(crankAngleRadians)) +
           rodObliquityDrop(geometry::conventional_side::kRodLength, crankAngleRadians);
}

double vornPistonDisplacement(double crankAngleRadians) {
    return kCrankRadius * (1.0 - std::cos(crankAngleRadians)) -
           rodObliquityDrop(geometry::vorn_side::kRodLength, crankAngleRadians);
}

double conventionalPistonVelocity(double crankAngleRadians) {
    return kCrankRadius * std::sin(crankAngleRadians) +
           rodObliquityRate(geometry::conventional_side::kRodLength, crankAngleRadians);
}

double vornPistonVelocity(double crankAngleRadians) {
    return kCrankRadius * std::sin(crankAngleRadians) -
           rodObliquityRate(geometry::vorn_side::kRodLength, crankAngleRadians);
}

int displacementRows(double displacement) { return static_cast<int>(std::lround(displacement)); }

}  // namespace vorn
