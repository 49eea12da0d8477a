// The line trim's geometry. Checks: the trim point is taken onto the line; the line's ends are
// ordered by |x + y|; the third point's side is the one whose point R from T is nearer by city
// block, the start side on a tie; the chosen side runs on to T for the upper pipe, every other
// side stops R short of T; a piece that would run back past its end is left out, and so is the
// side beyond an end that T lies on; the symbol opens toward the chosen side and its marks cross
// that side first, along the line also when T lies on its end.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "line_trim_geometry.h"
#include "trim_test_support.h"

namespace haldrin {
namespace {

using trimtest::ExpectNear;
using trimtest::MarkLine;

// A line along y = 0 and a trim point 300 above x = 2500: T = (2500, 0).
const Line kLine{{0, 0}, {6000, 0}};
const Point kTrimPoint{2500, 300};

TEST(LineTrimGeometry, Pieces) {
  struct Case {
    std::string id;
    Line line;
    Point trim_point, pick;
    bool upper;  // the third point hit a line
    std::optional<Line> start_piece, end_piece;
  };
  const Case cases[] = {
      {"upper, start side",
       kLine,
       kTrimPoint,
       {1000, 0},
       true,
       Line{{0, 0}, {2500, 0}},
       Line{{3500, 0}, {6000, 0}}},
      {"upper, end side",
       kLine,
       kTrimPoint,
       {5000, 0},
       true,
       Line{{0, 0}, {1500, 0}},
       Line{{2500, 0}, {6000, 0}}},
      // 2000 + 1000 from either point R from T: the start side. Near the origin the truncated π
      // lifts the start-side point 3e-12 off the line and breaks the tie; at y = 100000 that
      // vanishes in the rounding.
      {"upper, tie",
       {{0, 100000}, {6000, 100000}},
       {2500, 100000},
       {2500, 102000},
       true,
       Line{{0, 100000}, {2500, 100000}},
       Line{{3500, 100000}, {6000, 100000}}},
      // Drawn from (6000, 0): the ends are put in order first, so nothing changes.
      {"upper, line drawn backwards",
       {{6000, 0}, {0, 0}},
       kTrimPoint,
       {1000, 0},
       true,
       Line{{0, 0}, {2500, 0}},
       Line{{3500, 0}, {6000, 0}}},
      // |1000 + 0| < |-5000 + 0|: (1000, 0) is the start.
      {"upper, start by |x + y|",
       {{-5000, 0}, {1000, 0}},
       {-2000, 0},
       {-4000, 0},
       true,
       Line{{1000, 0}, {-1000, 0}},
       Line{{-2000, 0}, {-5000, 0}}},
      {"riser",
       kLine,
       kTrimPoint,
       {2000, 3000},
       false,
       Line{{0, 0}, {1500, 0}},
       Line{{3500, 0}, {6000, 0}}},
      // A 3-4-5 slope: the cuts lie 1000 along it, at (1200, 900) and (2800, 2100).
      {"riser, sloped",
       {{0, 0}, {4000, 3000}},
       {2000, 1500},
       {0, 3000},
       false,
       Line{{0, 0}, {1200, 900}},
       Line{{2800, 2100}, {4000, 3000}}},
      // T lies 400 from the end: the end-side piece would run back past (6000, 0).
      {"riser near the end",
       kLine,
       {5600, 0},
       {5600, 3000},
       false,
       Line{{0, 0}, {4600, 0}},
       std::nullopt},
      {"upper near the start",
       kLine,
       {300, 0},
       {5000, 0},
       true,
       std::nullopt,
       Line{{300, 0}, {6000, 0}}},
      // T snapped onto the line's end: the side beyond it has no length and gets no piece; the
      // other side keeps the line's course.
      {"riser on the end of an upright line",
       {{12000, 10000}, {12000, 18000}},
       {12000, 18000},
       {12800, 20000},
       false,
       Line{{12000, 10000}, {12000, 17000}},
       std::nullopt},
      {"riser on the start",
       {{0, 0}, {10000, 0}},
       {0, 0},
       {2000, 800},
       false,
       std::nullopt,
       Line{{1000, 0}, {10000, 0}}},
      {"upper on the start, the start side chosen",
       {{0, 0}, {10000, 0}},
       {0, 0},
       {-500, 0},
       true,
       std::nullopt,
       Line{{1000, 0}, {10000, 0}}},
      {"upper on the end, the end side chosen",
       {{0, 0}, {10000, 0}},
       {10000, 0},
       {10500, 0},
       true,
       Line{{0, 0}, {9000, 0}},
       std::nullopt},
      {"upper on the end, the start side chosen",
       {{0, 0}, {10000, 0}},
       {10000, 0},
       {9000, 0},
       true,
       Line{{0, 0}, {10000, 0}},
       std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    if (c.upper) {
      const auto shape = UpperTrim(c.trim_point, c.line, c.pick);
      ExpectNear(shape.start_piece, c.start_piece);
      ExpectNear(shape.end_piece, c.end_piece);
    } else {
      const auto shape = RiserTrim(c.trim_point, c.line, c.pick);
      ExpectNear(shape.start_piece, c.start_piece);
      ExpectNear(shape.end_piece, c.end_piece);
    }
  }
}

TEST(LineTrimGeometry, TheSymbolOpensTowardTheChosenSide) {
  const auto start_side = UpperTrim(kTrimPoint, kLine, {1000, 0});
  ExpectNear(start_side.arc, {{2500, 0}, 1000, 225, 135});
  ExpectNear(start_side.marks[0], MarkLine({2500, 0}, 180));
  ExpectNear(start_side.marks[1], MarkLine({2500, 0}, 0));

  const auto end_side = UpperTrim(kTrimPoint, kLine, {5000, 0});
  ExpectNear(end_side.arc, {{2500, 0}, 1000, 45, -45});
  ExpectNear(end_side.marks[0], MarkLine({2500, 0}, 0));
  ExpectNear(end_side.marks[1], MarkLine({2500, 0}, 180));

  // The side only orders the riser's marks.
  const auto riser = RiserTrim(kTrimPoint, kLine, {5000, 3000});
  ExpectNear(riser.circle.centre, {2500, 0});
  EXPECT_EQ(riser.circle.r, 1000);
  ExpectNear(riser.marks[0], MarkLine({2500, 0}, 0));
  ExpectNear(riser.marks[1], MarkLine({2500, 0}, 180));

  // T on the end of an upright line, the end side chosen: the marks cross the line.
  const Line upright{{12000, 10000}, {12000, 18000}};
  const auto on_end = RiserTrim({12000, 18000}, upright, {12800, 20000});
  ExpectNear(on_end.marks[0], MarkLine({12000, 18000}, 90));
  ExpectNear(on_end.marks[1], MarkLine({12000, 18000}, 270));
  ExpectNear(UpperTrim({12000, 18000}, upright, {12000, 18500}).arc,
             {{12000, 18000}, 1000, 135, 45});
}

TEST(LineTrimGeometry, TheTrimPointMustFallWithinTheLine) {
  struct Case {
    std::string id;
    Point p;
    bool within;
  };
  const Case cases[] = {
      {"beside the middle", {2500, 300}, true}, {"on the start", {0, 0}, true},
      {"beside the end", {6000, -500}, true},   {"beyond the end", {6000.001, 200}, false},
      {"before the start", {-1, 0}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    EXPECT_EQ(FootWithinLine(c.p, kLine), c.within);
  }
  EXPECT_FALSE(FootWithinLine({5, 5}, {{5, 5}, {5, 5}}));
  ExpectNear(Foot({2500, 300}, kLine).value_or(Point{-1, -1}), {2500, 0});
  EXPECT_FALSE(Foot({2500, 300}, {{5, 5}, {5, 5}}).has_value());
}

}  // namespace
}  // namespace haldrin
