// The three geometry functions on crossing, parallel, coincident and degenerate inputs. Checks:
// lines are unbounded; "no result" answers 0 and leaves the outputs alone; the circle's first
// point is the one on the (x1, y1) side; the foot may fall outside the two points.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "diroru.h"

namespace {

constexpr double kUntouched = -99999;
constexpr double kNear = 1e-9;

struct IntersectionCase {
  std::string id;
  double x1, y1, x2, y2, x3, y3, x4, y4;
  std::int16_t result;
  double xp, yp;  // when result != 0
};

void PrintTo(const IntersectionCase& c, std::ostream* os) {
  *os << c.id;
}

class IntersectionTest : public testing::TestWithParam<IntersectionCase> {};

TEST_P(IntersectionTest, AnswersThePointOrNothing) {
  const auto& c = GetParam();
  double xp = kUntouched;
  double yp = kUntouched;
  const auto result =
      diroru::GetIntersection(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4, xp, yp);
  EXPECT_EQ(result != 0, c.result != 0);
  if (c.result != 0) {
    EXPECT_NEAR(xp, c.xp, kNear);
    EXPECT_NEAR(yp, c.yp, kNear);
  } else {
    EXPECT_EQ(xp, kUntouched);
    EXPECT_EQ(yp, kUntouched);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, IntersectionTest,
    testing::Values(
        //  B |
        // ---+--- A      a plain cross at (5, 0)
        //    |
        IntersectionCase{"cross", 0, 0, 10, 0, 5, -5, 5, 5, 1, 5, 0},
        // A ---   B /    the lines meet beyond both pieces: unbounded lines still meet
        //          /
        IntersectionCase{"beyond_the_pieces", 0, 0, 1, 0, 10, 5, 11, 6, 1, 5, 0},
        // an elbow: the pieces share an end point
        IntersectionCase{"elbow", 0, 0, 1000, 0, 1000, 0, 1000, 2000, 1, 1000, 0},
        // a slope against a slope, with drawing-sized coordinates
        IntersectionCase{"sloped", 100000, 100000, 200000, 200000, 100000, 300000, 300000, 100000,
                         1, 200000, 200000},
        // A ====    two parallel lines
        // B ====
        IntersectionCase{"parallel", 0, 0, 10, 0, 0, 5, 10, 5, 0, 0, 0},
        // A ==== B  one line twice, the pieces not even overlapping
        IntersectionCase{"coincident", 0, 0, 10, 10, 20, 20, 30, 30, 0, 0, 0},
        // A is a single point
        IntersectionCase{"degenerate_first", 3, 3, 3, 3, 0, 0, 10, 10, 0, 0, 0},
        IntersectionCase{"degenerate_second", 0, 0, 10, 10, 3, 4, 3, 4, 0, 0, 0},
        // nearly parallel but still meeting, far away
        IntersectionCase{"shallow_angle", 0, 0, 1000, 0, 0, 1, 1000, 0.999, 1, 1000000, 0}),
    [](const auto& test) { return test.param.id; });

struct CircleLineCase {
  std::string id;
  double cx, cy, r, x1, y1, x2, y2;
  std::int16_t result;
  double xa, ya, xb, yb;  // when result != 0
};

void PrintTo(const CircleLineCase& c, std::ostream* os) {
  *os << c.id;
}

class CircleLineTest : public testing::TestWithParam<CircleLineCase> {};

TEST_P(CircleLineTest, AnswersThePointsInLineOrder) {
  const auto& c = GetParam();
  double xa = kUntouched, ya = kUntouched, xb = kUntouched, yb = kUntouched;
  const auto result =
      diroru::GetInterCircleLine(c.cx, c.cy, c.r, c.x1, c.y1, c.x2, c.y2, xa, ya, xb, yb);
  EXPECT_EQ(result, c.result);
  if (c.result != 0) {
    EXPECT_NEAR(xa, c.xa, kNear);
    EXPECT_NEAR(ya, c.ya, kNear);
    EXPECT_NEAR(xb, c.xb, kNear);
    EXPECT_NEAR(yb, c.yb, kNear);
  } else {
    EXPECT_EQ(xa, kUntouched);
    EXPECT_EQ(yb, kUntouched);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Circles, CircleLineTest,
    testing::Values(
        // P1 -------(  C  )    the commands' call: a far pipe end to the centre; the first point
        //                      lies r from the centre towards P1
        CircleLineCase{"far_end_to_centre", 0, 0, 1000, -5000, 0, 0, 0, 2, -1000, 0, 1000, 0},
        CircleLineCase{"far_end_to_centre_sloped", 100, 100, 500, 100 + 3000, 100 + 4000, 100, 100,
                       2, 100 + 300, 100 + 400, 100 - 300, 100 - 400},
        // the far end inside the circle: the line still runs on, unbounded
        CircleLineCase{"end_inside", 0, 0, 1000, 0, 10, 0, 0, 2, 0, 1000, 0, -1000},
        // a chord off the centre, at distance 600 from it
        CircleLineCase{"chord", 0, 0, 1000, -2000, 600, 2000, 600, 2, -800, 600, 800, 600},
        // touching at the top
        CircleLineCase{"tangent", 0, 0, 1000, -2000, 1000, 2000, 1000, 1, 0, 1000, 0, 1000},
        CircleLineCase{"miss", 0, 0, 1000, -2000, 1001, 2000, 1001, 0, 0, 0, 0, 0},
        CircleLineCase{"degenerate_line", 0, 0, 1000, 5, 5, 5, 5, 0, 0, 0, 0, 0},
        CircleLineCase{"negative_radius", 0, 0, -1, -5, 0, 5, 0, 0, 0, 0, 0, 0},
        // a point circle on the line
        CircleLineCase{"zero_radius", 0, 0, 0, -5, 0, 5, 0, 1, 0, 0, 0, 0}),
    [](const auto& test) { return test.param.id; });

struct PerpendCase {
  std::string id;
  double px, py, x1, y1, x2, y2;
  std::int32_t result;
  double qx, qy;  // when result != 0
};

void PrintTo(const PerpendCase& c, std::ostream* os) {
  *os << c.id;
}

class PerpendTest : public testing::TestWithParam<PerpendCase> {};

TEST_P(PerpendTest, AnswersTheFootOrNothing) {
  const auto& c = GetParam();
  double qx = kUntouched;
  double qy = kUntouched;
  const auto result = diroru::GetPerpend(c.px, c.py, c.x1, c.y1, c.x2, c.y2, qx, qy);
  EXPECT_EQ(result != 0, c.result != 0);
  if (c.result != 0) {
    EXPECT_NEAR(qx, c.qx, kNear);
    EXPECT_NEAR(qy, c.qy, kNear);
  } else {
    EXPECT_EQ(qx, kUntouched);
    EXPECT_EQ(qy, kUntouched);
  }
}

INSTANTIATE_TEST_SUITE_P(Feet, PerpendTest,
                         testing::Values(
                             //     P
                             //     |
                             // ----F----
                             PerpendCase{"above_horizontal", 5, 7, 0, 0, 10, 0, 1, 5, 0},
                             PerpendCase{"beside_vertical", 7, 5, 0, 0, 0, 10, 1, 0, 5},
                             PerpendCase{"sloped", 0, 10, 0, 0, 10, 10, 1, 5, 5},
                             // the foot falls beyond the second point: the line is unbounded
                             PerpendCase{"beyond_the_end", 20, 3, 0, 0, 10, 0, 1, 20, 0},
                             PerpendCase{"on_the_line", 4, 4, 0, 0, 10, 10, 1, 4, 4},
                             PerpendCase{"degenerate_line", 1, 2, 3, 3, 3, 3, 0, 0, 0}),
                         [](const auto& test) { return test.param.id; });

// One caller passes the same variables as the point and as the foot.
TEST(PerpendTest, PointAndFootMayBeTheSameVariables) {
  double x = 5;
  double y = 7;
  EXPECT_NE(diroru::GetPerpend(x, y, 0, 0, 10, 0, x, y), 0);
  EXPECT_DOUBLE_EQ(x, 5);
  EXPECT_DOUBLE_EQ(y, 0);
}

}  // namespace
