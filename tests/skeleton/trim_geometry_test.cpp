// The geometry the trim commands share. Checks: directions counterclockwise from +x in [0, 360)
// with 180 for equal points; the truncated π; nearer and farther by the city-block distance with
// ties to the start; the joint mark's ends; the sweep never 0; a cut pipe keeps no piece when its
// end lies within R of the symbol or behind it; the riser marks at the end nearer the third point.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "trim_geometry.h"
#include "trim_test_support.h"

namespace skeleton {
namespace {

using trimtest::ExpectNear;
using trimtest::kMarkAcross;
using trimtest::kMarkAlong;

TEST(TrimGeometry, AngleCountsCounterclockwiseFromPlusX) {
  struct Case {
    std::string id;
    Point p, q;
    double angle;
  };
  const Case cases[] = {
      {"+x", {5, 5}, {9, 5}, 0},
      {"+y", {5, 5}, {5, 9}, 90},
      {"-x", {5, 5}, {1, 5}, 180},
      {"-y", {5, 5}, {5, 1}, 270},
      {"first quadrant", {0, 0}, {1, 1}, 45},
      {"second quadrant", {0, 0}, {-1, 1}, 135},
      {"third quadrant", {0, 0}, {-1, -1}, 225},
      {"fourth quadrant", {0, 0}, {1, -1}, 315},
      {"30 degrees", {5, 5}, {5 + 1.7320508075688772, 6}, 30},
      // Just below +x: close to 360, but below it.
      {"just below +x", {0, 0}, {1000, -1e-9}, 360 - 5.729577951308232e-11},
      {"equal points", {7, 7}, {7, 7}, 180},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    const double angle = Angle(c.p, c.q);
    EXPECT_NEAR(angle, c.angle, 1e-12);
    EXPECT_LT(angle, 360);
  }
}

TEST(TrimGeometry, DirComputesWithTheTruncatedPi) {
  ExpectNear(Dir(0), {1, 0});
  ExpectNear(Dir(90), {0, 1});
  ExpectNear(Dir(225), {-0.7071067811865476, -0.7071067811865476});
  // sin(3.14159265358979) is about 3.2e-15, where the full π would leave about 1.2e-16.
  EXPECT_GT(Dir(180).y, 3.0e-15);
  EXPECT_LT(Dir(180).y, 3.5e-15);
  ExpectNear(Toward({100, 200}, 1000, 90), {100, 1200});
}

TEST(TrimGeometry, NearerAndFartherAreDecidedByTheCityBlockDistance) {
  EXPECT_EQ(CityBlock({1, 2}, {4, -2}), 7);
  // From the origin, (3, 3) lies 6 away by city block (4.24 straight) and (5, 0) lies 5 away:
  // the city block makes (3, 3) the farther end, against the straight distance.
  const Line slanted{{3, 3}, {5, 0}};
  EXPECT_EQ(FarEnd({0, 0}, slanted), (Point{3, 3}));
  EXPECT_EQ(NearEndFirst({0, 0}, slanted), (Line{{5, 0}, {3, 3}}));
  // Both ends 2 away: the start counts as the farther end and stays first.
  const Line tied{{2, 0}, {0, 2}};
  EXPECT_EQ(FarEnd({0, 0}, tied), (Point{2, 0}));
  EXPECT_EQ(NearEndFirst({0, 0}, tied), tied);
  EXPECT_EQ(FarEnd({0, 0}, Line{{1, 0}, {0, 5}}), (Point{0, 5}));
}

TEST(TrimGeometry, JointMarkCrossesTheLegAtTwiceRFromTheCentre) {
  // Across +x at (0, 100): the line x = 2000·cos 20°, from 2000·sin 20° above to below the leg.
  ExpectNear(JointMark({0, 100}, 0),
             {{kMarkAlong, 100 + kMarkAcross}, {kMarkAlong, 100 - kMarkAcross}});
  // Across 45 degrees: the ends at 65 and 25 degrees.
  ExpectNear(JointMark({0, 0}, 45),
             {{845.236523481399, 1812.615574073300}, {1812.615574073300, 845.236523481399}});
}

TEST(TrimGeometry, SweepAngleTurnsCounterclockwiseAndNeverGivesZero) {
  EXPECT_EQ(SweepAngle(10, 50), 40);
  EXPECT_EQ(SweepAngle(50, 10), 320);
  EXPECT_EQ(SweepAngle(350, 10), 20);
  EXPECT_EQ(SweepAngle(30, 30), 360);
}

TEST(TrimGeometry, CutBackStopsAtRFromTheCentreAndKeepsNoPieceBehindTheEnd) {
  ExpectNear(CutPoint({0, 100}, 1000, {6000, 100}), {1000, 100});
  ExpectNear(CutPoint({0, 0}, 1000, {-3000, 3000}), {-707.1067811865476, 707.1067811865476});
  ExpectNear(CutPoint({5, 5}, 1000, {5, 5}), {5, 5});

  struct Case {
    std::string id;
    Point kept_end;
    bool kept;
  };
  // Centre at the origin, R = 1000; the straight distance decides, not the city block.
  const Case cases[] = {
      {"long", {3000, 0}, true},
      {"diagonal, 1131 away", {800, 800}, true},
      {"exactly R", {0, -1000}, false},
      {"shorter than R", {400, 0}, false},
      {"diagonal, 849 away (1200 by city block)", {600, 600}, false},
      // Beyond R, but behind the centre as seen from the cut point: the piece would run back
      // through the symbol.
      {"behind the centre", {-3000, 0}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    const Line piece{c.kept_end, {1, 2}};
    const auto kept = KeptPiece(piece, c.kept_end, {0, 0}, 1000);
    ASSERT_EQ(kept.has_value(), c.kept);
    if (c.kept) {
      EXPECT_EQ(*kept, piece);
    }
  }
}

TEST(TrimGeometry, RiserMarksTheEndNearerTheThirdPoint) {
  const Line line{{0, 100}, {6000, 100}};
  // Near (6000, 100): the arc opens back along the line, toward 180 degrees.
  const auto mark = RiserMark({5800, 100}, line);
  ExpectNear(mark.arc, {{6000, 100}, 1000, 225, 135});
  ExpectNear(mark.mark,
             {{6000 - kMarkAlong, 100 - kMarkAcross}, {6000 - kMarkAlong, 100 + kMarkAcross}});
  // Exactly in the middle: the start is the near end.
  ExpectNear(RiserMark({3000, 100}, line).arc, {{0, 100}, 1000, 45, -45});

  const auto circle = RiserCircle({5800, 600}, line);
  ExpectNear(circle.piece, Line{{0, 100}, {5000, 100}});
  ExpectNear(circle.circle.centre, {6000, 100});
  EXPECT_EQ(circle.circle.r, 1000);
  ExpectNear(circle.mark, mark.mark);
  // A line shorter than R keeps nothing beside its circle.
  EXPECT_FALSE(RiserCircle({800, 0}, Line{{0, 0}, {800, 0}}).piece.has_value());
}

TEST(TrimGeometry, PickedLinesAreReadFromThePickingState) {
  PickingState picks;
  picks.PickX1[2] = 1, picks.PickY1[2] = 2, picks.PickX2[2] = 3, picks.PickY2[2] = 4;
  picks.PickPointX = 5, picks.PickPointY = 6;
  EXPECT_EQ(PickedLine(picks, 2), (Line{{1, 2}, {3, 4}}));
  EXPECT_EQ(PickPoint(picks), (Point{5, 6}));
}

}  // namespace
}  // namespace skeleton
