#include "frames/shapes.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace vorn {
namespace {

// Largest distance allowed between an arc and the chords that stand for it.
constexpr double kArcTolerance = 0.02;

// Sine of the smallest angle between two lines that lineIntersection accepts:
// below it the meeting point lies far off the picture or is lost to rounding.
constexpr double kParallelTolerance = 1e-9;

double length(Point p) { return std::hypot(p.x, p.y); }
Point unit(Point p) { return (1.0 / length(p)) * p; }

// Number of chords for an arc of `radius` turning through `sweepRadians`.
int arcSegments(double radius, double sweepRadians) {
    const double step = 2.0 * std::acos(std::max(-1.0, 1.0 - kArcTolerance / radius));
    return std::max(1, static_cast<int>(std::ceil(std::abs(sweepRadians) / step)));
}

// Appends the points of an arc about `centre` from `startAngle` through
// `sweep` radians, both ends included. Angles follow atan2(y, x).
void appendArc(Contour& contour, Point centre, double radius, double startAngle, double sweep) {
    const int segments = arcSegments(radius, sweep);
    for (int i = 0; i <= segments; ++i) {
        const double angle = startAngle + sweep * i / segments;
        contour.push_back({centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)});
    }
}

// Appends the arc of `radius` tangent to the edges from `corner` towards
// `previous` and towards `next`.
void appendFillet(Contour& contour, Point previous, Point corner, Point next, double radius) {
    const Point toPrevious = unit(previous - corner);
    const Point toNext = unit(next - corner);
    const double cosine = std::clamp(toPrevious.x * toNext.x + toPrevious.y * toNext.y, -1.0, 1.0);
    const double halfAngle = std::acos(cosine) / 2.0;
    const double tangentDistance = radius / std::tan(halfAngle);
    const Point centre = corner + (radius / std::sin(halfAngle)) * unit(toPrevious + toNext);
    const Point start = corner + tangentDistance * toPrevious;
    const Point end = corner + tangentDistance * toNext;
    const double startAngle = std::atan2(start.y - centre.y, start.x - centre.x);
    double sweep = std::atan2(end.y - centre.y, end.x - centre.x) - startAngle;
    // A fillet always turns through less than half a circle.
    if (sweep > std::numbers::pi) {
        sweep -= 2.0 * std::numbers::pi;
    } else if (sweep < -std::numbers::pi) {
        sweep += 2.0 * std::numbers::pi;
    }
    appendArc(contour, centre, radius, startAngle, sweep);
}

// A frame fixed to a crank: `along` points from the axis to the crank pin,
// `across` is perpendicular to it.
struct CrankFrame {
    Point origin;
    Point along;
    Point across;
    Point place(double acrossDistance, double alongDistance) const {
        return origin + alongDistance * along + acrossDistance * across;
    }
};

}  // namespace

Contour roundedPolygon(std::span<const RoundedVertex> vertices) {
    Contour contour;
    const std::size_t count = vertices.size();
    for (std::size_t i = 0; i < count; ++i) {
        const RoundedVertex& vertex = vertices[i];
        if (vertex.radius <= 0.0) {
            contour.push_back(vertex.corner);
            continue;
        }
        const Point previous = vertices[(i + count - 1) % count].corner;
        const Point next = vertices[(i + 1) % count].corner;
        appendFillet(contour, previous, vertex.corner, next, vertex.radius);
    }
    return contour;
}

Point lineIntersection(Point a1, Point a2, Point b1, Point b2) {
    const Point a = a2 - a1;
    const Point b = b2 - b1;
    const double denominator = a.x * b.y - a.y * b.x;
    // Parallel lines, or a "line" through one point twice, have no single
    // meeting point; the cross product vanishes next to the two lengths.
    if (!(std::abs(denominator) > kParallelTolerance * std::hypot(a.x, a.y) * std::hypot(b.x, b.y))) {
        throw std::invalid_argument("lineIntersection: the lines are parallel or not lines");
    }
    const Point offset = b1 - a1;
    const double t = (offset.x * b.y - offset.y * b.x) / denominator;
    return a1 + t * a;
}

Contour crankWebContour(Point axis, double crankAngleRadians) {
    using namespace geometry;
    const CrankFrame frame{axis,
                           {std::sin(crankAngleRadians), -std::cos(crankAngleRadians)},
                           {std::cos(crankAngleRadians), std::sin(crankAngleRadians)}};

    // Flank half-width w(s) = flankAtAxis - slope * s, s measured along the
    // centre line towards the pin.
    const double slope = (kWebHalfWidthAtCounterweight - kWebHalfWidthAtPin) /
                         (kCrankRadius + kWebCounterweightDistance);
    const double flankAtAxis = kWebHalfWidthAtPin + slope * kCrankRadius;

    // Where a flank meets the web's circle: s^2 + w(s)^2 = R^2.
    const double a = 1.0 + slope * slope;
    const double b = -2.0 * flankAtAxis * slope;
    const double c = flankAtAxis * flankAtAxis - kWebRadius * kWebRadius;
    const double root = std::sqrt(b * b - 4.0 * a * c);
    const double pinEnd = (-b + root) / (2.0 * a);
    const double counterweightEnd = (-b - root) / (2.0 * a);

    // Angles on the circle in the crank's own frame, measured from the pin
    // direction towards +across.
    const double pinEndAngle = std::atan2(flankAtAxis - slope * pinEnd, pinEnd);
    const double counterweightEndAngle = std::atan2(flankAtAxis - slope * counterweightEnd, counterweightEnd);

    Contour local;
    // Pin end arc, from one flank across the tip to the other.
    const int pinSegments = arcSegments(kWebRadius, 2.0 * pinEndAngle);
    for (int i = 0; i <= pinSegments; ++i) {
        const double angle = -pinEndAngle + 2.0 * pinEndAngle * i / pinSegments;
        local.push_back({kWebRadius * std::sin(angle), kWebRadius * std::cos(angle)});
    }
    // Counterweight arc round the far side; the flanks are the chords that
    // join the two arcs.
    const double counterweightSweep = 2.0 * (std::numbers::pi - counterweightEndAngle);
    const int counterweightSegments = arcSegments(kWebRadius, counterweightSweep);
    for (int i = 0; i <= counterweightSegments; ++i) {
        const double angle = counterweightEndAngle + counterweightSweep * i / counterweightSegments;
        local.push_back({kWebRadius * std::sin(angle), kWebRadius * std::cos(angle)});
    }

    Contour contour;
    contour.reserve(local.size());
    for (const Point& p : local) {
        contour.push_back(frame.place(p.x, p.y));
    }
    return contour;
}

Contour rodShankContour(Point smallPin, Point crankPin, std::span<const geometry::ShankStation> stations) {
    const Point along = unit(crankPin - smallPin);
    const Point across = {-along.y, along.x};
    const double rodLength = length(crankPin - smallPin);
    auto place = [&](double distance, double offset) { return smallPin + distance * along + offset * across; };

    Contour contour;
    contour.push_back(place(0.0, stations.front().halfWidth));
    for (const auto& station : stations) {
        contour.push_back(place(station.distanceFromSmallPin, station.halfWidth));
    }
    contour.push_back(place(rodLength, stations.back().halfWidth));
    contour.push_back(place(rodLength, -stations.back().halfWidth));
    for (auto it = stations.rbegin(); it != stations.rend(); ++it) {
        contour.push_back(place(it->distanceFromSmallPin, -it->halfWidth));
    }
    contour.push_back(place(0.0, -stations.front().halfWidth));
    return contour;
}

Contour shiftedDown(Contour contour, double rows) {
    for (Point& p : contour) {
        p.y += rows;
    }
    return contour;
}

}  // namespace vorn
