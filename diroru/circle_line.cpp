#include <cmath>

#include "diroru.h"
#include "tolerances.h"

namespace diroru {

// The foot F of the perpendicular from the centre halves the chord: the points lie at
// F -/+ u * sqrt(r^2 - d^2), u the unit direction from (x1, y1) to (x2, y2), d = |CF|.
std::int16_t GetInterCircleLine(double cx, double cy, double r, double x1, double y1, double x2,
                                double y2, double& xa, double& ya, double& xb, double& yb) {
  if (r < 0) return 0;
  const double length = std::hypot(x2 - x1, y2 - y1);
  if (length < tolerance::kSamePoint) return 0;
  const double ux = (x2 - x1) / length;
  const double uy = (y2 - y1) / length;
  const double along = (cx - x1) * ux + (cy - y1) * uy;
  const double fx = x1 + along * ux;
  const double fy = y1 + along * uy;
  const double d = std::hypot(cx - fx, cy - fy);
  if (d > r + tolerance::kTangentFraction * r) return 0;
  if (r - d <= tolerance::kTangentFraction * r) {
    xa = xb = fx;
    ya = yb = fy;
    return 1;
  }
  const double half_chord = std::sqrt((r - d) * (r + d));
  xa = fx - half_chord * ux;
  ya = fy - half_chord * uy;
  xb = fx + half_chord * ux;
  yb = fy + half_chord * uy;
  return 2;
}

}  // namespace diroru
