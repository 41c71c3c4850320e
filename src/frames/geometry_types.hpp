#pragma once

namespace vorn {

// A point in frame coordinates: x to the right, y downwards, in pixels. The
// centre of pixel (x, y) is the point (x, y), so a half coordinate such as
// 152.5 lies on the border between two pixel columns.
struct Point {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const Point&, const Point&) = default;
};

inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
inline Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
inline Point operator*(double s, Point p) { return {s * p.x, s * p.y}; }

// An inclusive range of pixel rows or columns.
struct PixelRange {
    int first = 0;
    int last = 0;
};

}  // namespace vorn
