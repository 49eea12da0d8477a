#include "trim_geometry.h"

#include <cmath>

#include "diroru.h"

namespace skeleton {

double TrimSize() {
  return 1000;
}

double Angle(Point p, Point q) {
  const double dx = q.x - p.x;
  const double dy = q.y - p.y;
  if (dy > 0) return 90 - std::atan(dx / dy) * 180 / kPi;
  if (dy < 0) return 270 - std::atan(dx / dy) * 180 / kPi;
  return dx > 0 ? 0 : 180;
}

bool SamePoint(Point p, Point q) {
  return std::hypot(q.x - p.x, q.y - p.y) < kSamePoint;
}

double AngleToEnd(Point centre, Point end, Point other_end) {
  return SamePoint(centre, end) ? Angle(other_end, end) : Angle(centre, end);
}

Point Dir(double t) {
  return {std::cos(t * kPi / 180), std::sin(t * kPi / 180)};
}

Point Toward(Point c, double length, double t) {
  const Point u = Dir(t);
  return {c.x + length * u.x, c.y + length * u.y};
}

double CityBlock(Point p, Point q) {
  return std::abs(p.x - q.x) + std::abs(p.y - q.y);
}

Point FarEnd(Point from, const Line& line) {
  return CityBlock(from, line.start) < CityBlock(from, line.end) ? line.end : line.start;
}

Line NearEndFirst(Point p, const Line& line) {
  if (CityBlock(p, line.end) < CityBlock(p, line.start)) return {line.end, line.start};
  return line;
}

Line JointMark(Point c, double t) {
  const double length = 2 * TrimSize();
  return {Toward(c, length, t + 20), Toward(c, length, t - 20)};
}

double SweepAngle(double a, double b) {
  return a < b ? b - a : 360 - a + b;
}

std::optional<Point> Intersection(const Line& a, const Line& b) {
  Point p;
  if (diroru::GetIntersection(a.start.x, a.start.y, a.end.x, a.end.y, b.start.x, b.start.y, b.end.x,
                              b.end.y, p.x, p.y) == 0)
    return std::nullopt;
  return p;
}

Point CutPoint(Point centre, double r, Point far) {
  // The line runs from `far` through the centre, so its first point lies on the far side.
  Point first = centre;
  Point second = centre;
  diroru::GetInterCircleLine(centre.x, centre.y, r, far.x, far.y, centre.x, centre.y, first.x,
                             first.y, second.x, second.y);
  return first;
}

std::optional<Line> KeptPiece(const Line& piece, Point kept_end, Point centre, double r) {
  // The cut point lies at the straight-line distance r from the centre, so the same measure
  // tells whether the end lies beyond it.
  if (std::hypot(kept_end.x - centre.x, kept_end.y - centre.y) <= r) return std::nullopt;
  // The kept end and the cut point lie on one line through the centre: on the same side of it
  // when their offsets from the centre point the same way.
  const Point cut = piece.start == kept_end ? piece.end : piece.start;
  const double same_way =
      (kept_end.x - centre.x) * (cut.x - centre.x) + (kept_end.y - centre.y) * (cut.y - centre.y);
  if (same_way <= 0) return std::nullopt;
  return piece;
}

bool OnOrBeforeStart(Point p, const Line& line) {
  // p's place along the line from its start, scaled by the line's squared length.
  const double along = (p.x - line.start.x) * (line.end.x - line.start.x) +
                       (p.y - line.start.y) * (line.end.y - line.start.y);
  return along <= 0 || SamePoint(p, line.start);
}

SideCuts CutsBySide(Point first, Point second, Point centre, const Line& line) {
  if (OnOrBeforeStart(centre, line)) {
    // The whole line lies on one side of the centre: its end, the farther one, decides.
    if (CityBlock(line.end, second) < CityBlock(line.end, first)) return {first, second};
    return {second, first};
  }
  if (CityBlock(line.start, first) < CityBlock(line.start, second)) return {first, second};
  return {second, first};
}

RiserMarkShape RiserMark(Point pick, const Line& line) {
  const Line oriented = NearEndFirst(pick, line);
  const double a = Angle(oriented.start, oriented.end);
  return {.arc = {oriented.start, TrimSize(), a + 45, a - 45},
          .mark = JointMark(oriented.start, a)};
}

RiserCircleShape RiserCircle(Point pick, const Line& line) {
  const double r = TrimSize();
  const Line oriented = NearEndFirst(pick, line);
  const Point near = oriented.start;
  const Point far = oriented.end;
  return {.piece = KeptPiece({far, CutPoint(near, r, far)}, far, near, r),
          .circle = {near, r},
          .mark = JointMark(near, Angle(near, far))};
}

Line PickedLine(const PickingState& picks, int k) {
  return {{picks.PickX1[k], picks.PickY1[k]}, {picks.PickX2[k], picks.PickY2[k]}};
}

Point PickPoint(const PickingState& picks) {
  return {picks.PickPointX, picks.PickPointY};
}

bool ThirdPickOnPickedLine(const PickingState& picks) {
  const auto& entity = picks.PickEntity;
  return picks.FoundNo >= 0 && (entity[3] == entity[1] || entity[3] == entity[2]);
}

}  // namespace skeleton
