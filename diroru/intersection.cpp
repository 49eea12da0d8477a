#include <cmath>

#include "diroru.h"
#include "tolerances.h"

namespace diroru {

// With A(t) = P1 + t (P2 - P1) and B(s) = P3 + s (P4 - P3), A(t) = B(s) solves to
// t = cross(P3 - P1, d2) / cross(d1, d2). cross(d1, d2) = |d1| |d2| sin(angle) decides whether
// the lines are parallel.
std::int16_t GetIntersection(double x1, double y1, double x2, double y2, double x3, double y3,
                             double x4, double y4, double& xp, double& yp) {
  const double d1x = x2 - x1;
  const double d1y = y2 - y1;
  const double d2x = x4 - x3;
  const double d2y = y4 - y3;
  const double length1 = std::hypot(d1x, d1y);
  const double length2 = std::hypot(d2x, d2y);
  if (length1 < tolerance::kSamePoint || length2 < tolerance::kSamePoint) return 0;
  const double cross = d1x * d2y - d1y * d2x;
  if (std::abs(cross) < tolerance::kParallelSine * length1 * length2) return 0;
  const double t = ((x3 - x1) * d2y - (y3 - y1) * d2x) / cross;
  xp = x1 + t * d1x;
  yp = y1 + t * d1y;
  return 1;
}

}  // namespace diroru
