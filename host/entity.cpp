#include "entity.h"

#include <utility>

namespace host {

Entity MakePoint(double x, double y) {
  Entity e;
  e.header.id = kind::kPoint;
  e.d[slot::kX] = x;
  e.d[slot::kY] = y;
  return e;
}

Entity MakeLine(double x1, double y1, double x2, double y2) {
  Entity e;
  e.header.id = kind::kLine;
  e.d[slot::kX] = x1;
  e.d[slot::kY] = y1;
  e.d[slot::kLineX2] = x2;
  e.d[slot::kLineY2] = y2;
  return e;
}

Entity MakeCircle(double x, double y, double r) {
  Entity e = MakeArc(x, y, r, 0, 360);
  e.header.id = kind::kCircle;
  return e;
}

Entity MakeArc(double x, double y, double r, double start, double end) {
  Entity e;
  e.header.id = kind::kArc;
  e.d[slot::kX] = x;
  e.d[slot::kY] = y;
  e.d[slot::kRadius] = r;
  e.d[slot::kStart] = start;
  e.d[slot::kEnd] = end;
  return e;
}

Entity MakeText(std::u16string text, double x, double y, double height, double angle,
                std::int32_t genten) {
  Entity e;
  e.header.id = kind::kText;
  e.d[slot::kX] = x;
  e.d[slot::kY] = y;
  e.d[slot::kTextHeight] = height;
  e.d[slot::kTextAngle] = angle;
  e.l[slot::kTextGenten] = genten;
  e.s[slot::kTextString] = std::move(text);
  return e;
}

const char* KindName(std::int32_t id) {
  switch (id) {
    case kind::kPoint:
      return "point";
    case kind::kLine:
      return "line";
    case kind::kCircle:
      return "circle";
    case kind::kArc:
      return "arc";
    default:
      return IsTextId(id) ? "text" : "record";
  }
}

}  // namespace host
