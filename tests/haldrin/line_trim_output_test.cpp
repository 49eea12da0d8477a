// The line trim's stage 1 and its host calls. Checks: a trim point is taken only when its foot
// lies on the picked line, and then moves the picking to stage 2 with the rubber band from the
// foot; every trim is one undo step that replaces the picked line by its pieces with the line's
// attributes and adds the symbol and marks with line type 1; any line under the third pick makes
// the upper-pipe form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "line_trim_output.h"
#include "trim_point.h"
#include "trim_test_support.h"

namespace haldrin {
namespace {

using skeleton::Line;
using skeleton::Point;
using trimtest::Call;
using trimtest::Delete;
using trimtest::Erase;
using trimtest::kLineAttributes;
using trimtest::kSymbolAttributes;
using trimtest::kUndo;
using trimtest::MarkCall;
using trimtest::Read;

constexpr std::int32_t kLine = 31;

class LineTrim : public trimtest::OutputTest {
 protected:
  void SetUp() override {
    OutputTest::SetUp();
    Pick(1, {{0, 0}, {6000, 0}}, kLine);
    picks.InputStage = 1;
  }

  bool Enter(Point p) {
    picks.PickPointX = p.x, picks.PickPointY = p.y;
    return EnterTrimPoint(picks, trim);
  }

  std::vector<Call> Run() {
    host.Clear();
    Output(control, module, picks, trim);
    return trimtest::DrawingCalls(host);
  }

  TrimPointState trim;
};

TEST_F(LineTrim, ATrimPointIsTakenWhenItsFootLiesOnTheLine) {
  for (const Point beyond : {Point{7000, 200}, Point{-1, 0}}) {
    EXPECT_FALSE(Enter(beyond));
    EXPECT_EQ(picks.InputStage, 1);
    EXPECT_EQ(trim.TrimPoint, Point{});
  }
  EXPECT_TRUE(Enter({2500, 300}));
  EXPECT_EQ(picks.InputStage, 2);
  EXPECT_EQ(trim.TrimPoint, (Point{2500, 300}));
  trimtest::ExpectNear(trim.FootPoint, {2500, 0});

  // A line without length has no foot to take.
  Pick(1, {{100, 100}, {100, 100}}, kLine);
  picks.InputStage = 1;
  EXPECT_FALSE(Enter({100, 100}));
  EXPECT_EQ(picks.InputStage, 1);
}

TEST_F(LineTrim, StageSettingsSnapTheTrimPointAndPullTheRubberBandFromItsFoot) {
  control.Snap = qiv::kFalse;
  control.Rubber = 5;
  ApplyStageSettings(control, 0, trim);
  EXPECT_EQ(control.Snap, qiv::kFalse);
  EXPECT_EQ(control.Rubber, 5);

  ApplyStageSettings(control, 1, trim);
  EXPECT_EQ(control.Snap, qiv::kTrue);
  EXPECT_EQ(control.Rubber, 0);

  trim.FootPoint = {2500, 0};
  ApplyStageSettings(control, 2, trim);
  EXPECT_EQ(control.x0, 2500);
  EXPECT_EQ(control.y0, 0);
  EXPECT_EQ(control.Rubber, 1);
}

// The picked line replaced, the pieces with its attributes, then the symbol with line type 1.
std::vector<Call> Trim(std::vector<Call> pieces, Call symbol, int first_mark) {
  std::vector<Call> calls{kUndo, Erase(kLine), Delete(kLine), Read(kLine), kLineAttributes};
  calls.insert(calls.end(), pieces.begin(), pieces.end());
  calls.push_back(kSymbolAttributes);
  calls.push_back(symbol);
  calls.push_back(MarkCall({2500, 0}, first_mark));
  calls.push_back(MarkCall({2500, 0}, first_mark + 180));
  return calls;
}

TEST_F(LineTrim, OneUndoStepReplacesTheLineByItsPiecesAndTheSymbol) {
  ASSERT_TRUE(Enter({2500, 300}));
  // On the line itself, start side.
  ThirdPick({1000, 0}, 1);
  trimtest::ExpectCalls(Run(), Trim({{"Line", {0, 0, 2500, 0}}, {"Line", {3500, 0, 6000, 0}}},
                                    {"Arc", {2500, 0, 1000, 225, 135}}, 180));
  // On another line, end side.
  ThirdPick({5000, 0}, 0);
  picks.FoundNo = 40;
  trimtest::ExpectCalls(Run(), Trim({{"Line", {0, 0, 1500, 0}}, {"Line", {2500, 0, 6000, 0}}},
                                    {"Arc", {2500, 0, 1000, 45, -45}}, 0));
  // Off every line.
  ThirdPick({2000, 3000}, 0);
  trimtest::ExpectCalls(Run(), Trim({{"Line", {0, 0, 1500, 0}}, {"Line", {3500, 0, 6000, 0}}},
                                    {"Circle", {2500, 0, 1000}}, 180));
}

}  // namespace
}  // namespace haldrin
