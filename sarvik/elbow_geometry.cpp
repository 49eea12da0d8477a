#include "elbow_geometry.h"

namespace sarvik {

using skeleton::Angle;
using skeleton::CutPoint;
using skeleton::FarEnd;
using skeleton::JointMark;
using skeleton::KeptPiece;
using skeleton::TrimSize;

UpperTrimShape UpperTrim(Point corner, const Line& designated, const Line& other) {
  const double r = TrimSize();
  const Point designated_end = FarEnd(corner, designated);
  const double designated_angle = Angle(corner, designated_end);
  const Point other_end = FarEnd(corner, other);
  const double other_angle = Angle(corner, other_end);
  const Point cut = CutPoint(corner, r, other_end);
  return {.designated = {corner, designated_end},
          .other = KeptPiece({other_end, cut}, other_end, corner, r),
          .arc = {corner, r, designated_angle + 45, designated_angle - 45},
          .marks = {JointMark(corner, designated_angle), JointMark(corner, other_angle)}};
}

JointShape Joint(Point corner, const Line& line1, const Line& line2) {
  const Point end1 = FarEnd(corner, line1);
  const Point end2 = FarEnd(corner, line2);
  return {
      .legs = {Line{corner, end1}, Line{corner, end2}},
      .marks = {JointMark(corner, Angle(corner, end1)), JointMark(corner, Angle(corner, end2))}};
}

}  // namespace sarvik
