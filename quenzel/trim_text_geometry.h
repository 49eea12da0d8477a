// The trim text's geometry: where a pipe line is cut open around the foot of a picked point, and
// how the text written into the gap is turned. Pure functions: points in, points out.
//
// The line's ends are put in order first: E1, the start, is the end whose |x + y| is not greater.
// The gap reaches h either way from the foot F along the line; its end B is joined to E1 and its
// end A to E2. A gap that reaches past an end of the line leaves no piece on that side.
#pragma once

#include <optional>

#include "trim_geometry.h"

namespace quenzel {

using skeleton::Line;
using skeleton::Point;

// The text's rotation in degrees, in (−90, 90], from the line's ends as read: 0 for a horizontal
// line, 90 for a vertical one (and for a line without length), and the same for a line drawn
// either way round.
double TextAngle(const Line& line);

// The foot of the perpendicular from `pick` onto the line taken as unbounded; `pick` itself when
// the line has no length.
Point FootOf(Point pick, const Line& line);

// `line` with its ends exchanged when |x2 + y2| < |x1 + y1|; on equality as it stands.
Line OrderedEnds(const Line& line);

// θ, the direction from F that points at the side the pick is on: toward E2 when the pick is
// farther, by city block, from the point h behind F than from the point h ahead of F (ahead meaning
// from E1 toward E2); otherwise, a tie included, toward E1. `line` has its ends in order.
double PickedSide(Point pick, Point foot, double h, const Line& line);

// The gap's ends at h either way from F along θ: `b` is the one nearer E1 (`start`) by city block;
// on a tie `b` is the one behind θ.
struct GapEnds {
  Point a;
  Point b;
};
GapEnds GapAround(Point foot, double h, double theta, Point start);

// A placement's geometry: the text's rotation and place, and the pieces that stay of the line.
struct TrimTextLayout {
  double angle = 0;
  Point foot;
  std::optional<Line> start_piece;  // E1 to B; nothing when E1 lies within h of F
  std::optional<Line> end_piece;    // A to E2; nothing when E2 lies within h of F
};
TrimTextLayout LayOutTrimText(const Line& picked, Point pick, double h);

}  // namespace quenzel
