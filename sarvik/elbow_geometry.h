// The elbow trim's geometry: what replaces two pipe lines that meet at a corner. Pure functions:
// points in, shapes out. A line picked twice gets the shared riser marks (trim_geometry.h).
#pragma once

#include <array>
#include <optional>

#include "trim_geometry.h"

namespace sarvik {

using skeleton::Arc;
using skeleton::Line;
using skeleton::Point;

// The upper-pipe method: the designated line runs from the corner to its far end, the other line
// is cut back to distance R from the corner, an arc around the corner opens toward the designated
// leg, and joint marks cross both legs.
struct UpperTrimShape {
  Line designated;
  std::optional<Line> other;  // nothing when the other line is too short to keep a piece
  Arc arc;
  std::array<Line, 2> marks;  // across the designated leg, then across the other
};
UpperTrimShape UpperTrim(Point corner, const Line& designated, const Line& other);

// The joint method: both legs run from the corner to their far ends, with a joint mark on each.
struct JointShape {
  std::array<Line, 2> legs;   // line 1's, then line 2's
  std::array<Line, 2> marks;  // in the same order
};
JointShape Joint(Point corner, const Line& line1, const Line& line2);

}  // namespace sarvik
