// Internal: the tolerances of the geometry functions, named once.
#pragma once

namespace diroru::tolerance {

// Two points closer than this (drawing units) do not fix a line. Drawings are in millimetres
// with coordinates up to some 10^6; this lies far below any length a drawing holds.
inline constexpr double kSamePoint = 1e-9;

// Two lines whose directions differ by an angle whose sine is below this are parallel: their
// meeting point would lie beyond some 10^10 times the lines' extent.
inline constexpr double kParallelSine = 1e-10;

// A line whose distance d from a circle's centre lies within this fraction of the radius r of r
// touches the circle: |r - d| <= kTangentFraction * r.
inline constexpr double kTangentFraction = 1e-9;

}  // namespace diroru::tolerance
