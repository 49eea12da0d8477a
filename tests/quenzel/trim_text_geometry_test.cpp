// The trim text's geometry. Checks: the text turns with the line into (−90, 90], whichever way the
// line was drawn; the line's ends are ordered by |x + y|; the pick's side is chosen by city block,
// toward E1 on a tie; the gap of h either way from the foot leaves the piece E1–B and the piece
// A–E2, and no piece on a side that the gap reaches past, also with the foot on an end or beyond
// it.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "trim_test_support.h"
#include "trim_text_geometry.h"

namespace quenzel {
namespace {

using trimtest::ExpectNear;

TEST(TrimTextGeometry, TextAngleFollowsTheLineEitherWayRound) {
  struct Case {
    Line line;
    double angle;
  };
  const Case cases[] = {
      {{{0, 0}, {10, 0}}, 0},     {{{10, 0}, {0, 0}}, 0},
      {{{0, 0}, {0, 10}}, 90},    {{{0, 10}, {0, 0}}, 90},
      {{{0, 0}, {10, -10}}, -45}, {{{10, -10}, {0, 0}}, -45},
      {{{0, 0}, {10, 10}}, 45},   {{{-10, -10}, {0, 0}}, 45},
      {{{5, 5}, {5, 5}}, 90},  // no length: taken as vertical
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.line.start.x) + "," + std::to_string(c.line.start.y) + " to " +
                 std::to_string(c.line.end.x) + "," + std::to_string(c.line.end.y));
    EXPECT_NEAR(TextAngle(c.line), c.angle, 1e-12);
  }
}

TEST(TrimTextGeometry, EndsAreOrderedByTheAbsoluteSumOfTheirCoordinates) {
  // |10 + 0| > |0 + 0|: exchanged.
  EXPECT_EQ(OrderedEnds({{10, 0}, {0, 0}}), (Line{{0, 0}, {10, 0}}));
  // |5 + 0| < |−10 + 0|: exchanged, although 5 lies right of −10.
  EXPECT_EQ(OrderedEnds({{-10, 0}, {5, 0}}), (Line{{5, 0}, {-10, 0}}));
  // Equal sums stay as drawn.
  EXPECT_EQ(OrderedEnds({{0, 10}, {10, 0}}), (Line{{0, 10}, {10, 0}}));
  EXPECT_EQ(OrderedEnds({{0, 0}, {10, -10}}), (Line{{0, 0}, {10, -10}}));
}

TEST(TrimTextGeometry, FootIsThePickItselfOnALineWithoutLength) {
  ExpectNear(FootOf({4000, 300}, {{0, 0}, {10000, 0}}), {4000, 0});
  ExpectNear(FootOf({4000, 300}, {{5, 5}, {5, 5}}), {4000, 300});
}

// Far from the origin, so that the truncated π does not lift the point h behind F off the line
// and break the tie.
TEST(TrimTextGeometry, ThePickedSideLeansTowardE1OnATie) {
  //   E1 ---- A− -- F -- A+ ---------- E2      y = 100000, F = (4000, 100000), h = 1100
  const Line line{{0, 100000}, {10000, 100000}};
  const Point foot{4000, 100000};
  struct Case {
    std::string id;
    Point pick;
    double theta;
  };
  const Case cases[] = {
      {"above F: a tie", {4000, 100300}, 180},
      {"below F: a tie", {4000, 99700}, 180},
      {"nearer A+", {4500, 100000}, 0},
      {"nearer A−", {3500, 100000}, 180},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    EXPECT_NEAR(PickedSide(c.pick, foot, 1100, line), c.theta, 1e-9);
  }
}

TEST(TrimTextGeometry, GapEndBIsTheOneNearerE1) {
  for (const double theta : {0.0, 180.0}) {
    const GapEnds gap = GapAround({4000, 0}, 1100, theta, {0, 0});
    ExpectNear(gap.b, {2900, 0});
    ExpectNear(gap.a, {5100, 0});
  }
}

TEST(TrimTextGeometry, Layout) {
  // h = 1000·√2: the gap ends lie 1000 from F along each axis on the 45° lines.
  const double diagonal_h = 1000 * std::sqrt(2.0);
  struct Case {
    std::string id;
    Line line;
    Point pick;
    double h;
    double angle;
    Point foot;
    std::optional<Line> start_piece, end_piece;
  };
  const Case cases[] = {
      //   0 ====== 2900 [ G ] 5100 ========== 10000
      {"horizontal",
       {{0, 0}, {10000, 0}},
       {4000, 300},
       1100,
       0,
       {4000, 0},
       Line{{0, 0}, {2900, 0}},
       Line{{5100, 0}, {10000, 0}}},
      // Drawn downward: the ends are ordered first, so E1 is the lower end.
      {"vertical, drawn downward",
       {{0, 10000}, {0, 0}},
       {200, 7000},
       1000,
       90,
       {0, 7000},
       Line{{0, 0}, {0, 6000}},
       Line{{0, 8000}, {0, 10000}}},
      // Both ends have |x + y| = 0: the ends stay as drawn.
      {"-45, drawn from the origin",
       {{0, 0}, {10000, -10000}},
       {4300, -3700},
       diagonal_h,
       -45,
       {4000, -4000},
       Line{{0, 0}, {3000, -3000}},
       Line{{5000, -5000}, {10000, -10000}}},
      {"-45, drawn toward the origin",
       {{10000, -10000}, {0, 0}},
       {4300, -3700},
       diagonal_h,
       -45,
       {4000, -4000},
       Line{{10000, -10000}, {5000, -5000}},
       Line{{3000, -3000}, {0, 0}}},
      // The gap reaches past E1: no piece runs back beyond the old end.
      {"gap wider than the E1 side",
       {{0, 0}, {10000, 0}},
       {500, 200},
       1100,
       0,
       {500, 0},
       std::nullopt,
       Line{{1600, 0}, {10000, 0}}},
      {"gap wider than the E2 side",
       {{0, 0}, {10000, 0}},
       {9500, -200},
       1100,
       0,
       {9500, 0},
       Line{{0, 0}, {8400, 0}},
       std::nullopt},
      {"gap wider than the whole line",
       {{0, 0}, {1000, 0}},
       {500, 100},
       600,
       0,
       {500, 0},
       std::nullopt,
       std::nullopt},
      // Picked exactly on an end: the gap is measured along the line, and only the side that
      // the line lies on keeps a piece.
      {"picked on E1",
       {{3000, 2000}, {13000, 2000}},
       {3000, 2000},
       1100,
       0,
       {3000, 2000},
       std::nullopt,
       Line{{4100, 2000}, {13000, 2000}}},
      // |1000 − 1000| < |1000 − 6000|: the upper end is E1.
      {"upright, picked on its upper end",
       {{1000, -6000}, {1000, -1000}},
       {1000, -1000},
       1100,
       90,
       {1000, -1000},
       std::nullopt,
       Line{{1000, -2100}, {1000, -6000}}},
      {"upright, picked on its lower end",
       {{1000, -6000}, {1000, -1000}},
       {1000, -6000},
       1100,
       90,
       {1000, -6000},
       Line{{1000, -1000}, {1000, -4900}},
       std::nullopt},
      // The foot lies 5 before E1: no piece runs back over it.
      {"foot just before E1",
       {{0, 0}, {10000, 0}},
       {-5, 100},
       1100,
       0,
       {-5, 0},
       std::nullopt,
       Line{{1095, 0}, {10000, 0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    const TrimTextLayout layout = LayOutTrimText(c.line, c.pick, c.h);
    EXPECT_NEAR(layout.angle, c.angle, 1e-12);
    ExpectNear(layout.foot, c.foot);
    ExpectNear(layout.start_piece, c.start_piece);
    ExpectNear(layout.end_piece, c.end_piece);
  }
}

}  // namespace
}  // namespace quenzel
