#include "spatial_index.h"

#include <boost/geometry.hpp>
#include <boost/geometry/index/rtree.hpp>

namespace host {
namespace {

namespace bg = boost::geometry;
namespace bgi = boost::geometry::index;

using BPoint = bg::model::point<double, 2, bg::cs::cartesian>;
using BBox = bg::model::box<BPoint>;
using Value = std::pair<BBox, std::int32_t>;

BBox ToBoost(const Box& box) {
  return BBox(BPoint(box.min_x, box.min_y), BPoint(box.max_x, box.max_y));
}

}  // namespace

struct SpatialIndex::Tree {
  bgi::rtree<Value, bgi::rstar<16>> rtree;
};

SpatialIndex::SpatialIndex() : tree_(std::make_unique<Tree>()) {}
SpatialIndex::~SpatialIndex() = default;
SpatialIndex::SpatialIndex(SpatialIndex&&) noexcept = default;
SpatialIndex& SpatialIndex::operator=(SpatialIndex&&) noexcept = default;

void SpatialIndex::Insert(const Box& box, std::int32_t no) {
  tree_->rtree.insert(Value(ToBoost(box), no));
}

void SpatialIndex::Remove(const Box& box, std::int32_t no) {
  tree_->rtree.remove(Value(ToBoost(box), no));
}

void SpatialIndex::Rebuild(const std::vector<std::pair<Box, std::int32_t>>& entries) {
  std::vector<Value> values;
  values.reserve(entries.size());
  for (const auto& [box, no] : entries) values.emplace_back(ToBoost(box), no);
  tree_->rtree = bgi::rtree<Value, bgi::rstar<16>>(values);
}

std::size_t SpatialIndex::size() const {
  return tree_->rtree.size();
}

void SpatialIndex::VisitNear(double x, double y, double reach,
                             const std::function<void(std::int32_t)>& visit) const {
  const BBox area(BPoint(x - reach, y - reach), BPoint(x + reach, y + reach));
  const BPoint centre(x, y);
  for (auto it = tree_->rtree.qbegin(bgi::intersects(area)); it != tree_->rtree.qend(); ++it) {
    if (bg::comparable_distance(centre, it->first) <= reach * reach) visit(it->second);
  }
}

void SpatialIndex::VisitByDistance(double x, double y,
                                   const std::function<bool(std::int32_t, double)>& visit) const {
  const BPoint centre(x, y);
  const auto count = static_cast<unsigned>(tree_->rtree.size());
  if (count == 0) return;
  for (auto it = tree_->rtree.qbegin(bgi::nearest(centre, count)); it != tree_->rtree.qend();
       ++it) {
    if (!visit(it->second, bg::distance(centre, it->first))) return;
  }
}

}  // namespace host
