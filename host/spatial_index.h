// The drawing's spatial index: live entities' boxes in an R-tree, keyed by entity number.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "entity_geometry.h"

namespace host {

class SpatialIndex {
 public:
  SpatialIndex();
  ~SpatialIndex();
  SpatialIndex(SpatialIndex&&) noexcept;
  SpatialIndex& operator=(SpatialIndex&&) noexcept;

  void Insert(const Box& box, std::int32_t no);
  // Removes the entry; `box` must be the one it was inserted with.
  void Remove(const Box& box, std::int32_t no);
  // Replaces the whole content at once (packed loading, much faster than one by one).
  void Rebuild(const std::vector<std::pair<Box, std::int32_t>>& entries);
  std::size_t size() const;

  // Calls `visit` for every entry whose box comes within `reach` of (x, y).
  void VisitNear(double x, double y, double reach,
                 const std::function<void(std::int32_t)>& visit) const;
  // Calls `visit` with entries in order of increasing distance from (x, y) to their box, until
  // it returns false.
  void VisitByDistance(double x, double y,
                       const std::function<bool(std::int32_t, double box_distance)>& visit) const;

 private:
  struct Tree;
  std::unique_ptr<Tree> tree_;
};

}  // namespace host
