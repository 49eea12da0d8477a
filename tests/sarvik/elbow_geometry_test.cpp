// The elbow trim's geometry. Checks: the designated leg runs from the corner to its far end and
// the other stops R from the corner; the arc opens toward the designated leg with its angles as
// computed; the joint method extends both legs to the corner, also from ends short of it; a leg
// whose far end lies within R of the corner keeps no piece.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "elbow_geometry.h"
#include "trim_test_support.h"

namespace sarvik {
namespace {

using trimtest::ExpectNear;
using trimtest::MarkLine;

TEST(ElbowGeometry, UpperTrimCutsTheOtherLegBackToR) {
  struct Case {
    std::string id;
    Point corner;
    Line designated, other;
    Line expected_designated;
    std::optional<Line> expected_other;
    Arc arc;
  };
  const double d = 707.1067811865476;  // 1000·cos 45°
  const Case cases[] = {
      // |        the designated leg goes up, the other right; both start at the corner
      // +----
      {"elbow up and right",
       {0, 100},
       {{0, 100}, {0, 7100}},
       {{0, 100}, {6000, 100}},
       {{0, 100}, {0, 7100}},
       Line{{6000, 100}, {1000, 100}},
       {{0, 100}, 1000, 135, 45}},
      //   |      the lines cross: each keeps its longer side
      // --+----
      //   |
      {"crossing",
       {0, 0},
       {{-3000, 0}, {5000, 0}},
       {{0, -2000}, {0, 4000}},
       {{0, 0}, {5000, 0}},
       Line{{0, 4000}, {0, 1000}},
       {{0, 0}, 1000, 45, -45}},
      // \ /      a diagonal pair: the cut lies on the diagonal
      //  +
      {"diagonal",
       {0, 0},
       {{3000, 3000}, {0, 0}},
       {{0, 0}, {-3000, 3000}},
       {{0, 0}, {3000, 3000}},
       Line{{-3000, 3000}, {-d, d}},
       {{0, 0}, 1000, 90, 0}},
      // the other leg is 600 long: no piece of it would stay on its side of the cut
      {"short other leg",
       {0, 100},
       {{0, 100}, {6000, 100}},
       {{0, 100}, {0, 700}},
       {{0, 100}, {6000, 100}},
       std::nullopt,
       {{0, 100}, 1000, 45, -45}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    const auto shape = UpperTrim(c.corner, c.designated, c.other);
    ExpectNear(shape.designated, c.expected_designated);
    ExpectNear(shape.other, c.expected_other);
    ExpectNear(shape.arc, c.arc);
  }
}

TEST(ElbowGeometry, UpperTrimMarksTheDesignatedLegFirst) {
  const auto shape = UpperTrim({0, 100}, {{0, 100}, {6000, 100}}, {{0, 100}, {0, 7100}});
  ExpectNear(shape.marks[0], MarkLine({0, 100}, 0));
  ExpectNear(shape.marks[1], MarkLine({0, 100}, 90));
}

TEST(ElbowGeometry, JointRunsBothLegsFromTheCorner) {
  // Both lines stop short of their meeting point (0, 0): the legs are extended to it.
  const auto shape = Joint({0, 0}, {{1000, 0}, {4000, 0}}, {{0, 5000}, {0, 2000}});
  ExpectNear(shape.legs[0], {{0, 0}, {4000, 0}});
  ExpectNear(shape.legs[1], {{0, 0}, {0, 5000}});
  ExpectNear(shape.marks[0], MarkLine({0, 0}, 0));
  ExpectNear(shape.marks[1], MarkLine({0, 0}, 90));
}

}  // namespace
}  // namespace sarvik
