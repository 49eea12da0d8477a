#include "trim_text_geometry.h"

#include <cmath>
#include <utility>

#include "diroru.h"

namespace quenzel {

using skeleton::Angle;
using skeleton::AngleToEnd;
using skeleton::CityBlock;
using skeleton::KeptPiece;
using skeleton::kPi;
using skeleton::OnOrBeforeStart;
using skeleton::Toward;

double TextAngle(const Line& line) {
  const double dx = line.start.x - line.end.x;
  const double dy = line.start.y - line.end.y;
  double angle = 0;
  if (dx != 0 && dy != 0) angle = std::atan(dy / dx) * 180 / kPi;
  if (dx == 0) angle = 90;
  return angle;
}

Point FootOf(Point pick, const Line& line) {
  Point foot;
  if (diroru::GetPerpend(pick.x, pick.y, line.start.x, line.start.y, line.end.x, line.end.y, foot.x,
                         foot.y) == 0)
    return pick;
  return foot;
}

Line OrderedEnds(const Line& line) {
  if (std::abs(line.end.x + line.end.y) < std::abs(line.start.x + line.start.y))
    return {line.end, line.start};
  return line;
}

double PickedSide(Point pick, Point foot, double h, const Line& line) {
  const double ahead = Angle(line.start, line.end);
  const double d_plus = CityBlock(pick, Toward(foot, h, ahead));
  const double d_minus = CityBlock(pick, Toward(foot, h, ahead + 180));
  return d_minus > d_plus ? AngleToEnd(foot, line.end, line.start)
                          : AngleToEnd(foot, line.start, line.end);
}

GapEnds GapAround(Point foot, double h, double theta, Point start) {
  GapEnds gap{Toward(foot, h, theta), Toward(foot, h, theta + 180)};
  if (CityBlock(start, gap.a) < CityBlock(start, gap.b)) std::swap(gap.a, gap.b);
  return gap;
}

TrimTextLayout LayOutTrimText(const Line& picked, Point pick, double h) {
  TrimTextLayout layout;
  layout.angle = TextAngle(picked);
  layout.foot = FootOf(pick, picked);
  const Line line = OrderedEnds(picked);
  const double theta = PickedSide(pick, layout.foot, h, line);
  GapEnds gap = GapAround(layout.foot, h, theta, line.start);
  if (OnOrBeforeStart(layout.foot, line)) {
    // The whole line lies on E2's side of F: the gap end nearer E2 is the one A that E2 joins.
    const GapEnds from_e2 = GapAround(layout.foot, h, theta, line.end);
    gap = {.a = from_e2.b, .b = from_e2.a};
  }
  layout.start_piece = KeptPiece({line.start, gap.b}, line.start, layout.foot, h);
  layout.end_piece = KeptPiece({gap.a, line.end}, line.end, layout.foot, h);
  return layout;
}

}  // namespace quenzel
