// The plane-geometry functions the commands call: the meeting point of two lines, where a line
// meets a circle, and the foot of a perpendicular.
//
// Pure functions on Doubles in drawing units. Lines are unbounded: two distinct points fix one.
// When a function answers 0 (no result) it leaves its outputs as they were.
#pragma once

#include <cstdint>

namespace diroru {

// Where line A through (x1, y1), (x2, y2) meets line B through (x3, y3), (x4, y4).
// Answers 1 and stores the point in (xp, yp); 0 when the lines are parallel (coincident ones
// included) or when either line's two points coincide.
std::int16_t GetIntersection(double x1, double y1, double x2, double y2, double x3, double y3,
                             double x4, double y4, double& xp, double& yp);

// Where the line through (x1, y1), (x2, y2) meets the circle of centre (cx, cy) and radius r.
// Answers the number of points: 2 for a crossing line, 1 for a tangent (both outputs hold the
// touching point), 0 when the line misses the circle, its points coincide or r is negative.
// (xa, ya) is the point on the (x1, y1) side, the first one met going from (x1, y1) towards
// (x2, y2); (xb, yb) is the other. For a line through the centre, (xa, ya) therefore lies at
// distance r from the centre towards (x1, y1).
std::int16_t GetInterCircleLine(double cx, double cy, double r, double x1, double y1, double x2,
                                double y2, double& xa, double& ya, double& xb, double& yb);

// The foot (qx, qy) of the perpendicular from (px, py) onto the line through (x1, y1), (x2, y2),
// also where it falls outside the two points. Answers 1, or 0 when the two points coincide.
std::int32_t GetPerpend(double px, double py, double x1, double y1, double x2, double y2,
                        double& qx, double& qy);

}  // namespace diroru
