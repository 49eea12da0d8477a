#include "dxf/dxf_ocs.h"

#include <cmath>
#include <numbers>

namespace host::dxf {
namespace {

Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

Vec3 Normalised(const Vec3& v) {
  const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  if (!(length > 0) || !std::isfinite(length)) return {0, 0, 1};
  return {v[0] / length, v[1] / length, v[2] / length};
}

}  // namespace

Ocs::Ocs(const Record& record)
    : Ocs(Vec3{record.Real(210, 0), record.Real(220, 0), record.Real(230, 1)}) {}

Ocs::Ocs(const Vec3& normal) {
  if (normal[0] == 0 && normal[1] == 0 && normal[2] > 0) return;
  normal_ = Normalised(normal);
  world_ = false;
  constexpr double kLimit = 1.0 / 64;
  const Vec3 axis = std::abs(normal_[0]) < kLimit && std::abs(normal_[1]) < kLimit
                        ? Cross({0, 1, 0}, normal_)
                        : Cross({0, 0, 1}, normal_);
  ax_ = Normalised(axis);
  ay_ = Normalised(Cross(normal_, ax_));
}

Vec3 Ocs::ToWorld(const Vec3& p) const {
  if (world_) return p;
  return {p[0] * ax_[0] + p[1] * ay_[0] + p[2] * normal_[0],
          p[0] * ax_[1] + p[1] * ay_[1] + p[2] * normal_[1],
          p[0] * ax_[2] + p[1] * ay_[2] + p[2] * normal_[2]};
}

double Ocs::AngleToWorld(double degrees) const {
  if (world_) return degrees;
  const double radians = degrees * std::numbers::pi / 180;
  const Vec3 direction = ToWorld({std::cos(radians), std::sin(radians), 0});
  return std::atan2(direction[1], direction[0]) * 180 / std::numbers::pi;
}

}  // namespace host::dxf
