// The tee trim's geometry. Checks: the meeting point and the branch's far end (ties to its start);
// branch upper breaks the main line R either side of the meeting point, main upper cuts the
// branch back to R; the joint's form and main leg follow the sweep from the branch to the third
// point, with the truncated π deciding a pick exactly on a boundary; pieces that would run back
// past their end are left out; a main line ending at the meeting point or short of it keeps its
// course and one piece.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tee_geometry.h"
#include "trim_test_support.h"

namespace morvane {
namespace {

using trimtest::ExpectNear;

// The main line along y = 0 and a branch standing on it at x = 3000, its foot 500 above it.
//        |  B = (3000, 5000)
//        |
//        .  (3000, 500)
// -------I--------   I = (3000, 0)
const Line kMain{{0, 0}, {8000, 0}};
const Line kBranch{{3000, 500}, {3000, 5000}};

Tee MustMeet(const Line& main, const Line& branch) {
  const auto tee = FindTee(main, branch);
  EXPECT_TRUE(tee.has_value());
  return tee.value_or(Tee{});
}

TEST(TeeGeometry, FindsTheMeetingPointAndTheBranchesFarEnd) {
  const Tee tee = MustMeet(kMain, kBranch);
  ExpectNear(tee.meeting, {3000, 0});
  ExpectNear(tee.branch_end, {3000, 5000});
  EXPECT_NEAR(tee.branch_angle, 90, trimtest::kNear);
  // A branch crossing the main line with both ends 2000 away: its start is the far end.
  ExpectNear(MustMeet(kMain, {{3000, -2000}, {3000, 2000}}).branch_end, {3000, -2000});
  EXPECT_FALSE(FindTee(kMain, {{0, 500}, {8000, 500}}).has_value());
}

TEST(TeeGeometry, UpperPipeForms) {
  const Tee tee = MustMeet(kMain, kBranch);
  const auto branch_upper = BranchUpper(tee, kMain);
  ExpectNear(branch_upper.branch, {{3000, 0}, {3000, 5000}});
  ExpectNear(branch_upper.main_start_piece, Line{{0, 0}, {2000, 0}});
  ExpectNear(branch_upper.main_end_piece, Line{{4000, 0}, {8000, 0}});
  ExpectNear(branch_upper.arc, {{3000, 0}, 1000, 135, 45});

  // The main line drawn the other way round: the pieces keep their own ends.
  const auto reversed = BranchUpper(tee, {{8000, 0}, {0, 0}});
  ExpectNear(reversed.main_start_piece, Line{{8000, 0}, {4000, 0}});
  ExpectNear(reversed.main_end_piece, Line{{2000, 0}, {0, 0}});
  ExpectNear(reversed.arc, {{3000, 0}, 1000, 135, 45});

  const auto main_upper = MainUpper(tee, kMain);
  ExpectNear(main_upper.branch, Line{{3000, 5000}, {3000, 1000}});
  ExpectNear(main_upper.arcs[0], {{3000, 0}, 1000, 210, 330});
  ExpectNear(main_upper.arcs[1], {{3000, 0}, 1000, 30, 150});
  // Arc angles are passed as computed: a main line toward -y gives 480 and 600.
  const auto downward = MainUpper(MustMeet({{0, 0}, {0, -8000}}, {{500, -3000}, {5000, -3000}}),
                                  {{0, 0}, {0, -8000}});
  ExpectNear(downward.arcs[0], {{0, -3000}, 1000, 480, 600});
}

TEST(TeeGeometry, PiecesThatWouldRunPastTheirEndAreLeftOut) {
  // The main line ends 500 beyond the meeting point; the branch is 800 long.
  const Line main{{0, 0}, {3500, 0}};
  const Line branch{{3000, 0}, {3000, 800}};
  const Tee tee = MustMeet(main, branch);
  const auto branch_upper = BranchUpper(tee, main);
  ExpectNear(branch_upper.main_start_piece, Line{{0, 0}, {2000, 0}});
  EXPECT_FALSE(branch_upper.main_end_piece.has_value());
  EXPECT_FALSE(MainUpper(tee, main).branch.has_value());
  // The bend still joins the cut point to the main leg.
  const auto bend = Joint(tee, main, {1000, 2000});
  EXPECT_FALSE(bend.branch.has_value());
  ExpectNear(bend.bend, Line{{3000, 1000}, {2000, 0}});
}

TEST(TeeGeometry, AMainLineEndingAtOrShortOfTheMeetingPointKeepsOnePiece) {
  struct Case {
    std::string id;
    Line main, branch;
    std::optional<Line> start_piece, end_piece;
    int end_angle;  // the main direction crossed by the second joint mark, its opposite by the
                    // third
  };
  const Case cases[] = {
      //  B ---- I          I = (0, 5000), the main line's end
      //         |
      //         |  main
      {"ending at I",
       {{0, 0}, {0, 5000}},
       {{0, 5000}, {4000, 5000}},
       Line{{0, 0}, {0, 4000}},
       std::nullopt,
       90},
      {"starting at I",
       {{0, 5000}, {0, 0}},
       {{0, 5000}, {4000, 5000}},
       std::nullopt,
       Line{{0, 4000}, {0, 0}},
       270},
      // I = (5000, 0) lies 1500 beyond the main line's end: one piece, from its start.
      {"ending 1500 short of I",
       {{0, 0}, {3500, 0}},
       {{5000, 500}, {5000, 6000}},
       Line{{0, 0}, {4000, 0}},
       std::nullopt,
       180},
      {"starting 500 short of I",
       {{5500, 0}, {10000, 0}},
       {{5000, 500}, {5000, 6000}},
       std::nullopt,
       Line{{6000, 0}, {10000, 0}},
       0},
      {"starting 1500 short of I",
       {{6500, 0}, {10000, 0}},
       {{5000, 500}, {5000, 6000}},
       std::nullopt,
       Line{{6000, 0}, {10000, 0}},
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    const Tee tee = MustMeet(c.main, c.branch);
    const auto shape = BranchUpper(tee, c.main);
    ExpectNear(shape.main_start_piece, c.start_piece);
    ExpectNear(shape.main_end_piece, c.end_piece);
    ExpectNear(shape.marks[1], trimtest::MarkLine(tee.meeting, c.end_angle));
    ExpectNear(shape.marks[2], trimtest::MarkLine(tee.meeting, c.end_angle + 180));
    const auto main_upper = MainUpper(tee, c.main);
    ExpectNear(main_upper.arcs[1], {tee.meeting, 1000, c.end_angle + 30.0, c.end_angle + 150.0});
    ExpectNear(main_upper.marks[1], trimtest::MarkLine(tee.meeting, c.end_angle));
  }
  // The joint's main legs keep the line's course too: opposite the branch, straight on.
  const Line main{{0, 0}, {0, 5000}};
  const auto straight = Joint(MustMeet(main, {{0, 5000}, {4000, 5000}}), main, {-2000, 5000});
  ExpectNear(straight.branch, Line{{0, 5000}, {4000, 5000}});
  ExpectNear(straight.marks[1], trimtest::MarkLine({0, 5000}, 90));
}

TEST(TeeGeometry, JointFormFollowsTheThirdPoint) {
  struct Case {
    std::string id;
    Point pick;
    std::optional<Line> branch, bend;
    int main_angle;  // crossed by the second joint mark, its opposite by the third
  };
  const Case cases[] = {
      // Below the main line, sweep 180 from the branch: straight on to I.
      {"straight", {3000, -2000}, Line{{3000, 0}, {3000, 5000}}, std::nullopt, 0},
      // Up and left, sweep 45: bent into the start-side leg.
      {"bend left",
       {1000, 2000},
       Line{{3000, 5000}, {3000, 1000}},
       Line{{3000, 1000}, {2000, 0}},
       180},
      // Up and right, sweep 315: m is the start-side direction, the bend goes to the opposite side.
      {"bend right",
       {5000, 2000},
       Line{{3000, 5000}, {3000, 1000}},
       Line{{3000, 1000}, {4000, 0}},
       180},
      // Exactly along the branch: sweep 360, as "bend right".
      {"along the branch",
       {3000, 3000},
       Line{{3000, 5000}, {3000, 1000}},
       Line{{3000, 1000}, {4000, 0}},
       180},
      // Exactly at I: the direction of a zero vector is 180, sweep 90, toward the end side.
      {"at the meeting point",
       {3000, 0},
       Line{{3000, 5000}, {3000, 1000}},
       Line{{3000, 1000}, {4000, 0}},
       0},
      // Exactly 45 degrees below +x: the truncated π makes the direction 315.00000000000006,
      // a sweep just over 225: a bend, where the full π would give the straight form.
      {"on the 225 boundary",
       {4000, -1000},
       Line{{3000, 5000}, {3000, 1000}},
       Line{{3000, 1000}, {2000, 0}},
       0},
      // Exactly 45 degrees below -x: sweep just under 135, a bend; m is the end-side direction.
      {"on the 135 boundary",
       {2000, -1000},
       Line{{3000, 5000}, {3000, 1000}},
       Line{{3000, 1000}, {4000, 0}},
       0},
  };
  const Tee tee = MustMeet(kMain, kBranch);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    const auto shape = Joint(tee, kMain, c.pick);
    ExpectNear(shape.branch, c.branch);
    ExpectNear(shape.bend, c.bend);
    ExpectNear(shape.marks[0], trimtest::MarkLine({3000, 0}, 90));
    ExpectNear(shape.marks[1], trimtest::MarkLine({3000, 0}, c.main_angle));
    ExpectNear(shape.marks[2], trimtest::MarkLine({3000, 0}, c.main_angle + 180));
  }
}

}  // namespace
}  // namespace morvane
