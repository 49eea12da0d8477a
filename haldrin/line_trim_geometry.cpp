#include "line_trim_geometry.h"

#include <cmath>

#include "diroru.h"

namespace haldrin {

using skeleton::Angle;
using skeleton::AngleToEnd;
using skeleton::CityBlock;
using skeleton::CutsBySide;
using skeleton::JointMark;
using skeleton::KeptPiece;
using skeleton::SamePoint;
using skeleton::SideCuts;
using skeleton::Toward;
using skeleton::TrimSize;

namespace {

// Where the line is split and toward which side the symbol opens.
struct TrimSite {
  double r;
  Point t;
  Line line;           // ends in order
  bool start_side;     // the third point chose the start side
  double a;            // the direction from T toward the chosen side
  Point cut_at_start;  // R from T toward the start
  Point cut_at_end;    // R from T toward the end
};

TrimSite LocateTrim(Point trim_point, const Line& picked, Point pick) {
  TrimSite site{};
  site.r = TrimSize();
  site.t = Foot(trim_point, picked).value_or(trim_point);
  site.line = picked;
  if (std::abs(picked.end.x + picked.end.y) < std::abs(picked.start.x + picked.start.y))
    site.line = {picked.end, picked.start};
  const Point s = site.line.start;
  const Point e = site.line.end;
  const double along = Angle(s, e);
  const Point toward_start = Toward(site.t, site.r, along + 180);
  const Point toward_end = Toward(site.t, site.r, along);
  site.start_side = CityBlock(pick, toward_start) <= CityBlock(pick, toward_end);
  site.a = site.start_side ? AngleToEnd(site.t, s, e) : AngleToEnd(site.t, e, s);
  const SideCuts cuts = CutsBySide(Toward(site.t, site.r, site.a),
                                   Toward(site.t, site.r, site.a + 180), site.t, site.line);
  site.cut_at_start = cuts.start_side;
  site.cut_at_end = cuts.end_side;
  return site;
}

// The chosen side's piece from `from` on to `to`; nothing when T lies on that end.
std::optional<Line> RunOn(Point from, Point to) {
  if (SamePoint(from, to)) return std::nullopt;
  return Line{from, to};
}

std::optional<Line> StartPieceCutBack(const TrimSite& site) {
  return KeptPiece({site.line.start, site.cut_at_start}, site.line.start, site.t, site.r);
}

std::optional<Line> EndPieceCutBack(const TrimSite& site) {
  return KeptPiece({site.cut_at_end, site.line.end}, site.line.end, site.t, site.r);
}

std::array<Line, 2> Marks(const TrimSite& site) {
  return {JointMark(site.t, site.a), JointMark(site.t, site.a + 180)};
}

}  // namespace

std::optional<Point> Foot(Point p, const Line& line) {
  Point foot;
  if (diroru::GetPerpend(p.x, p.y, line.start.x, line.start.y, line.end.x, line.end.y, foot.x,
                         foot.y) == 0)
    return std::nullopt;
  return foot;
}

bool FootWithinLine(Point p, const Line& line) {
  // The foot's place along the line, scaled by its squared length: 0 at the start, the squared
  // length at the end. Taken from p itself, so a point on an end lands on it exactly.
  const double dx = line.end.x - line.start.x;
  const double dy = line.end.y - line.start.y;
  const double length2 = dx * dx + dy * dy;
  const double along = (p.x - line.start.x) * dx + (p.y - line.start.y) * dy;
  return length2 > 0 && along >= 0 && along <= length2;
}

UpperTrimShape UpperTrim(Point trim_point, const Line& line, Point pick) {
  const TrimSite site = LocateTrim(trim_point, line, pick);
  // The chosen side runs on to T; the other is cut back.
  return {.start_piece = site.start_side ? RunOn(site.line.start, site.t) : StartPieceCutBack(site),
          .end_piece = site.start_side ? EndPieceCutBack(site) : RunOn(site.t, site.line.end),
          .arc = {site.t, site.r, site.a + 45, site.a - 45},
          .marks = Marks(site)};
}

RiserTrimShape RiserTrim(Point trim_point, const Line& line, Point pick) {
  const TrimSite site = LocateTrim(trim_point, line, pick);
  return {.start_piece = StartPieceCutBack(site),
          .end_piece = EndPieceCutBack(site),
          .circle = {site.t, site.r},
          .marks = Marks(site)};
}

}  // namespace haldrin
