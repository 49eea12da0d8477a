#include "tee_geometry.h"

namespace morvane {

using skeleton::Angle;
using skeleton::AngleToEnd;
using skeleton::CutPoint;
using skeleton::CutsBySide;
using skeleton::FarEnd;
using skeleton::JointMark;
using skeleton::KeptPiece;
using skeleton::SideCuts;
using skeleton::SweepAngle;
using skeleton::Toward;
using skeleton::TrimSize;

namespace {

// Joint marks across the branch, across main direction m and across its opposite.
std::array<Line, 3> TeeMarks(const Tee& tee, double m) {
  return {JointMark(tee.meeting, tee.branch_angle), JointMark(tee.meeting, m),
          JointMark(tee.meeting, m + 180)};
}

}  // namespace

std::optional<Tee> FindTee(const Line& main, const Line& branch) {
  const auto meeting = skeleton::Intersection(main, branch);
  if (!meeting) return std::nullopt;
  const Point branch_end = FarEnd(*meeting, branch);
  return Tee{*meeting, branch_end, Angle(*meeting, branch_end)};
}

BranchUpperShape BranchUpper(const Tee& tee, const Line& main) {
  const double r = TrimSize();
  const Point i = tee.meeting;
  const double a1 = AngleToEnd(i, main.end, main.start);
  const SideCuts q = CutsBySide(Toward(i, r, a1), Toward(i, r, a1 + 180), i, main);
  return {.branch = {i, tee.branch_end},
          .main_start_piece = KeptPiece({main.start, q.start_side}, main.start, i, r),
          .main_end_piece = KeptPiece({q.end_side, main.end}, main.end, i, r),
          .arc = {i, r, tee.branch_angle + 45, tee.branch_angle - 45},
          .marks = TeeMarks(tee, a1)};
}

MainUpperShape MainUpper(const Tee& tee, const Line& main) {
  const double r = TrimSize();
  const Point i = tee.meeting;
  const double a1 = AngleToEnd(i, main.end, main.start);
  const Point cut = CutPoint(i, r, tee.branch_end);
  return {.branch = KeptPiece({tee.branch_end, cut}, tee.branch_end, i, r),
          .arcs = {Arc{i, r, a1 + 210, a1 + 330}, Arc{i, r, a1 + 30, a1 + 150}},
          .marks = TeeMarks(tee, a1)};
}

JointShape Joint(const Tee& tee, const Line& main, Point pick) {
  const double r = TrimSize();
  const Point i = tee.meeting;
  const double ap = Angle(i, pick);
  const double w = SweepAngle(tee.branch_angle, ap);
  const double as = AngleToEnd(i, main.start, main.end);
  const double ae = AngleToEnd(i, main.end, main.start);
  if (w > 135 && w <= 225)
    return {.branch = Line{i, tee.branch_end}, .bend = std::nullopt, .marks = TeeMarks(tee, ae)};
  // Bent: the sweeps choose the main direction m; the bend ends R from I along m for a small
  // sweep from the branch to the pick, against m for a large one.
  double m = 0;
  Point leg_point;
  if (w <= 135) {
    m = SweepAngle(ap, as) < SweepAngle(ap, ae) ? as : ae;
    leg_point = Toward(i, r, m);
  } else {
    m = SweepAngle(as, ap) > SweepAngle(ae, ap) ? as : ae;
    leg_point = Toward(i, r, m + 180);
  }
  const Point cut = CutPoint(i, r, tee.branch_end);
  return {.branch = KeptPiece({tee.branch_end, cut}, tee.branch_end, i, r),
          .bend = Line{cut, leg_point},
          .marks = TeeMarks(tee, m)};
}

}  // namespace morvane
