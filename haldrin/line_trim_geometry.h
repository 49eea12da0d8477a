// The line trim's geometry: a pipe line split at a trim point, with a symbol there. Pure
// functions: points in, shapes out.
//
// Before the line is split its ends are put in order: the start is the end whose |x + y| is not
// greater, so a line drawn either way round gives the same pieces in the same direction. The
// third point then chooses a side of the trim point T by which of the points R from T along the
// line, toward the start or toward the end, it is nearer; on a tie the start side. With T on an
// end of the line, the side beyond that end has no length: it gets no piece, and the symbol
// keeps the line's course.
#pragma once

#include <array>
#include <optional>

#include "trim_geometry.h"

namespace haldrin {

using skeleton::Arc;
using skeleton::Circle;
using skeleton::Line;
using skeleton::Point;

// The foot of the perpendicular from p onto the line taken as unbounded; nothing when the line's
// ends coincide.
std::optional<Point> Foot(Point p, const Line& line);

// Whether the foot of p lies on the line between its ends, the ends included.
bool FootWithinLine(Point p, const Line& line);

// Third point on a line: the chosen side is the upper pipe and runs on to T, the other side stops
// R short of T, and an arc around T opens toward the chosen side.
struct UpperTrimShape {
  std::optional<Line> start_piece;  // from the start; nothing when too short or of no length
  std::optional<Line> end_piece;    // to the end; likewise
  Arc arc;
  std::array<Line, 2> marks;  // across the chosen side, then across the other
};
// `trim_point` is taken onto the line (its foot, or itself when there is none).
UpperTrimShape UpperTrim(Point trim_point, const Line& line, Point pick);

// Third point off every line: both sides stop R short of T, with a circle around T.
struct RiserTrimShape {
  std::optional<Line> start_piece;
  std::optional<Line> end_piece;
  Circle circle;
  std::array<Line, 2> marks;  // as for UpperTrimShape
};
RiserTrimShape RiserTrim(Point trim_point, const Line& line, Point pick);

}  // namespace haldrin
