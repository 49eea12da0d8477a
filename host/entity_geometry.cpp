#include "entity_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace host {
namespace {

double Degrees(double radians) {
  return radians * 180.0 / std::numbers::pi;
}
double Radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}

// Wraps an angle into [0, 360).
double Wrap(double degrees) {
  double wrapped = std::fmod(degrees, 360.0);
  if (wrapped < 0) wrapped += 360.0;
  return wrapped;
}

double SegmentDistance(double x, double y, double x1, double y1, double x2, double y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((x - x1) * dx + (y - y1) * dy) / length2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(x - (x1 + t * dx), y - (y1 + t * dy));
}

}  // namespace

void Box::Extend(const Box& other) {
  min_x = std::min(min_x, other.min_x);
  min_y = std::min(min_y, other.min_y);
  max_x = std::max(max_x, other.max_x);
  max_y = std::max(max_y, other.max_y);
}

std::optional<Box> BoundsOf(const Entity& entity) {
  const auto& d = entity.d;
  switch (entity.header.id) {
    case kind::kLine:
      return Box{std::min(d[slot::kX], d[slot::kLineX2]), std::min(d[slot::kY], d[slot::kLineY2]),
                 std::max(d[slot::kX], d[slot::kLineX2]), std::max(d[slot::kY], d[slot::kLineY2])};
    case kind::kCircle:
    case kind::kArc: {
      const double r = std::abs(d[slot::kRadius]);
      return Box{d[slot::kX] - r, d[slot::kY] - r, d[slot::kX] + r, d[slot::kY] + r};
    }
    case kind::kPoint:
      return Box{d[slot::kX], d[slot::kY], d[slot::kX], d[slot::kY]};
    default:
      if (IsTextId(entity.header.id))
        return Box{d[slot::kX], d[slot::kY], d[slot::kX], d[slot::kY]};
      return std::nullopt;
  }
}

double ArcSweep(double start, double end) {
  const double sweep = Wrap(end - start);
  return sweep == 0 ? 360.0 : sweep;
}

std::optional<double> DistanceTo(const Entity& entity, double x, double y) {
  const auto& d = entity.d;
  const double cx = d[slot::kX];
  const double cy = d[slot::kY];
  switch (entity.header.id) {
    case kind::kLine:
      return SegmentDistance(x, y, cx, cy, d[slot::kLineX2], d[slot::kLineY2]);
    case kind::kCircle:
      return std::abs(std::hypot(x - cx, y - cy) - std::abs(d[slot::kRadius]));
    case kind::kArc: {
      const double r = std::abs(d[slot::kRadius]);
      const double start = d[slot::kStart];
      const double sweep = ArcSweep(start, d[slot::kEnd]);
      const double to_centre = std::hypot(x - cx, y - cy);
      if (to_centre > 0 && Wrap(Degrees(std::atan2(y - cy, x - cx)) - start) <= sweep)
        return std::abs(to_centre - r);
      const double end = start + sweep;
      return std::min(
          std::hypot(x - (cx + r * std::cos(Radians(start))),
                     y - (cy + r * std::sin(Radians(start)))),
          std::hypot(x - (cx + r * std::cos(Radians(end))), y - (cy + r * std::sin(Radians(end)))));
    }
    case kind::kPoint:
      return std::hypot(x - cx, y - cy);
    default:
      if (IsTextId(entity.header.id)) return std::hypot(x - cx, y - cy);
      return std::nullopt;
  }
}

}  // namespace host
