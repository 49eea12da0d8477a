#include <cmath>

#include "diroru.h"
#include "tolerances.h"

namespace diroru {

// F = P1 + t (P2 - P1) with t = (P - P1) . (P2 - P1) / |P2 - P1|^2.
std::int32_t GetPerpend(double px, double py, double x1, double y1, double x2, double y2,
                        double& qx, double& qy) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  if (std::hypot(dx, dy) < tolerance::kSamePoint) return 0;
  const double t = ((px - x1) * dx + (py - y1) * dy) / (dx * dx + dy * dy);
  qx = x1 + t * dx;
  qy = y1 + t * dy;
  return 1;
}

}  // namespace diroru
