// The plane geometry the three trim commands share: directions, distances, the symbol size, the
// joint mark, and the cut-back of a pipe at a symbol.
//
// Pure functions on drawing units and degrees. Their numbers are part of what a drawing holds, so
// they are computed exactly as the commands always computed them: with the truncated constant
// kPi, and with the city-block distance wherever an end is nearer or farther than another.
#pragma once

#include <optional>

#include "picking_state.h"

namespace skeleton {

// π as the commands compute with it; the full-precision value would move every point a little.
inline constexpr double kPi = 3.14159265358979;

struct Point {
  double x = 0;
  double y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// A straight piece from `start` to `end`: a pipe line or a joint mark.
struct Line {
  Point start;
  Point end;
  friend bool operator==(const Line&, const Line&) = default;
};

// An arc around `centre` from the start angle to the end angle, in degrees. The angles are kept as
// computed, negative or beyond 360 included: the host receives them that way.
struct Arc {
  Point centre;
  double r = 0;
  double start = 0;
  double end = 0;
};

struct Circle {
  Point centre;
  double r = 0;
};

// R: the radius of every symbol arc and circle, and the distance at which a cut pipe stops from
// the symbol's centre.
double TrimSize();

// The direction from p to q in degrees, in [0, 360): 0 along +x, 90 along +y. Two equal points
// give 180.
double Angle(Point p, Point q);

// Two points closer than this, in drawing units, count as one. A meeting point or a foot that
// falls on a line's end is computed, so it lands on the end only up to rounding; drawing units
// are millimetres, and this lies far below anything a drawing shows.
inline constexpr double kSamePoint = 1e-6;
bool SamePoint(Point p, Point q);

// The direction from a symbol's centre to `end`, one end of a line whose other end is
// `other_end`. A centre on that end has no direction to it: the line's own direction toward the
// end stands in, so that the pipe and its marks keep the line's course.
double AngleToEnd(Point centre, Point end, Point other_end);

// The unit vector in direction t (degrees).
Point Dir(double t);

// c + length · Dir(t).
Point Toward(Point c, double length, double t);

// |dx| + |dy|: the measure by which the commands decide which of two points is nearer.
double CityBlock(Point p, Point q);

// The end of `line` farther from `from`; on a tie the start.
Point FarEnd(Point from, const Line& line);

// `line` turned so that its start is the end nearer `p`; on a tie it stays as it is.
Line NearEndFirst(Point p, const Line& line);

// The joint mark across direction t at c: a short line through the point 2R·cos 20° out along t,
// perpendicular to t, from c + 2R·Dir(t + 20) to c + 2R·Dir(t − 20).
Line JointMark(Point c, double t);

// The counterclockwise turn from angle a to angle b, in (0, 360]: equal angles give 360.
double SweepAngle(double a, double b);

// Where line a meets line b, both taken as unbounded; nothing when they are parallel.
std::optional<Point> Intersection(const Line& a, const Line& b);

// The point at distance r from `centre` on the way to `far`: where a pipe running from `far` to
// the centre is cut back. The centre itself when `far` coincides with it.
Point CutPoint(Point centre, double r, Point far);

// A piece of a cut pipe as it is drawn, between the pipe's kept end `kept_end` and the cut point,
// the piece's other end, which lies at distance r from the symbol's centre. Nothing unless the
// kept end lies beyond the cut point as seen from the centre (farther than r, and on the cut
// point's side): otherwise the piece would run back over or past the pipe's end.
std::optional<Line> KeptPiece(const Line& piece, Point kept_end, Point centre, double r);

// Whether p lies on the line's start or before it, as measured along the line.
bool OnOrBeforeStart(Point p, const Line& line);

// The two cut points of a line at a symbol, at the same distance either way from its centre,
// told apart by the side of the centre they lie on: a piece from the line's start runs to
// `start_side`, a piece to its end starts from `end_side`.
struct SideCuts {
  Point start_side;
  Point end_side;
};
// `first` is the end side's and `second` the start side's, unless `first` lies nearer the
// line's start by city block (a tie leaves them). Where the centre lies on the line's start or
// before it, the whole line lies on its end's side: there the cut nearer the end is the end
// side's, and a piece to the start side has no length or runs back.
SideCuts CutsBySide(Point first, Point second, Point centre, const Line& line);

// The marks at the end of a line picked twice, put at the end nearer the third point.
// With the third point on the line: an arc and a joint mark; the line itself stays.
struct RiserMarkShape {
  Arc arc;
  Line mark;
};
RiserMarkShape RiserMark(Point pick, const Line& line);

// Elsewhere: a circle and a joint mark, and the line cut back to the circle.
struct RiserCircleShape {
  std::optional<Line> piece;  // nothing when the line is too short to keep a piece
  Circle circle;
  Line mark;
};
RiserCircleShape RiserCircle(Point pick, const Line& line);

// Pick k (1 to 3) of the picking state as a line, and the last entered point.
Line PickedLine(const PickingState& picks, int k);
Point PickPoint(const PickingState& picks);
// True when the third pick found line 1 or line 2 itself (by entity number): that line is then
// the upper pipe; anywhere else the fitting is drawn.
bool ThirdPickOnPickedLine(const PickingState& picks);

}  // namespace skeleton
