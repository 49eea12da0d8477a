// Object coordinate systems: arcs, circles, texts, 2-D polylines and block references are
// written in the plane of their extrusion direction (groups 210, 220, 230); the arbitrary axis
// rule gives that plane's x and y axes in world coordinates.
#pragma once

#include <array>

#include "dxf/dxf_record.h"

namespace host::dxf {

using Vec3 = std::array<double, 3>;

class Ocs {
 public:
  // The system of a record's extrusion; the world's when the record gives none.
  explicit Ocs(const Record& record);
  explicit Ocs(const Vec3& normal);

  // True for the world's own system: coordinates pass unchanged.
  bool world() const { return world_; }
  // The plane is seen from below: counterclockwise there is clockwise in the world.
  bool mirrored() const { return normal_[2] < 0; }

  Vec3 ToWorld(const Vec3& point) const;
  // The world angle (degrees, in the XY plane) of a direction given by its angle in the plane.
  double AngleToWorld(double degrees) const;

 private:
  Vec3 normal_{0, 0, 1};
  Vec3 ax_{1, 0, 0};
  Vec3 ay_{0, 1, 0};
  bool world_ = true;
};

}  // namespace host::dxf
