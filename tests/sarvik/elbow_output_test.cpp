// The elbow trim's host calls. Checks: every trim is one undo step opened before the first change,
// the picked lines are erased and deleted before anything is added, new pipes take line 1's
// attributes and the marks line type 1; the third pick chooses the method by entity, so two
// different lines are never taken for one; lines that do not meet give "Trim Err !! " and no call.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "elbow_output.h"
#include "trim_test_support.h"

namespace sarvik {
namespace {

using skeleton::Line;
using trimtest::Call;
using trimtest::Delete;
using trimtest::Erase;
using trimtest::kLineAttributes;
using trimtest::kSymbolAttributes;
using trimtest::kUndo;
using trimtest::MarkCall;
using trimtest::Read;

constexpr std::int32_t kLine1 = 11;
constexpr std::int32_t kLine2 = 12;

class ElbowOutput : public trimtest::OutputTest {
 protected:
  std::vector<Call> Run() {
    host.Clear();
    Output(control, module, picks);
    return trimtest::DrawingCalls(host);
  }

  const Line horizontal_{{0, 100}, {6000, 100}};
  const Line vertical_{{0, 100}, {0, 7100}};
};

TEST_F(ElbowOutput, ThirdPointOffBothLinesWritesTheJoint) {
  Pick(1, horizontal_, kLine1);
  Pick(2, vertical_, kLine2);
  ThirdPick({3000, 3000}, 0);
  trimtest::ExpectCalls(Run(), {kUndo,
                                Erase(kLine1),
                                Erase(kLine2),
                                Delete(kLine1),
                                Delete(kLine2),
                                Read(kLine1),
                                kLineAttributes,
                                {"Line", {0, 100, 6000, 100}},
                                {"Line", {0, 100, 0, 7100}},
                                kSymbolAttributes,
                                MarkCall({0, 100}, 0),
                                MarkCall({0, 100}, 90)});
}

TEST_F(ElbowOutput, ThirdPointOnALineMakesItTheUpperPipe) {
  struct Case {
    std::string id;
    int on_line;
    std::vector<Call> added;  // after the undo step, the deletions and line 1's attributes
  };
  const Case cases[] = {
      {"on line 2",
       2,
       {{"Line", {0, 100, 0, 7100}},
        {"Line", {6000, 100, 1000, 100}},
        kSymbolAttributes,
        {"Arc", {0, 100, 1000, 135, 45}},
        MarkCall({0, 100}, 90),
        MarkCall({0, 100}, 0)}},
      {"on line 1",
       1,
       {{"Line", {0, 100, 6000, 100}},
        {"Line", {0, 7100, 0, 1100}},
        kSymbolAttributes,
        {"Arc", {0, 100, 1000, 45, -45}},
        MarkCall({0, 100}, 0),
        MarkCall({0, 100}, 90)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    Pick(1, horizontal_, kLine1);
    Pick(2, vertical_, kLine2);
    ThirdPick({0, 3000}, c.on_line);
    std::vector<Call> expected{kUndo,          Erase(kLine1), Erase(kLine2),  Delete(kLine1),
                               Delete(kLine2), Read(kLine1),  kLineAttributes};
    expected.insert(expected.end(), c.added.begin(), c.added.end());
    trimtest::ExpectCalls(Run(), expected);
  }
}

TEST_F(ElbowOutput, ALinePickedTwiceGetsMarksAtTheEndNearerTheThirdPoint) {
  // On the line: an arc and a mark; the line stays.
  Pick(1, horizontal_, kLine1);
  Pick(2, horizontal_, kLine1);
  ThirdPick({5800, 100}, 1);
  trimtest::ExpectCalls(Run(), {kUndo,
                                Read(kLine1),
                                kLineAttributes,
                                kSymbolAttributes,
                                {"Arc", {6000, 100, 1000, 225, 135}},
                                MarkCall({6000, 100}, 180)});

  // Off the line: a circle and a mark, and the line cut back to the circle.
  ThirdPick({5800, 600}, 0);
  trimtest::ExpectCalls(Run(), {kUndo,
                                Erase(kLine1),
                                Delete(kLine1),
                                Read(kLine1),
                                kLineAttributes,
                                {"Line", {0, 100, 5000, 100}},
                                kSymbolAttributes,
                                {"Circle", {6000, 100, 1000}},
                                MarkCall({6000, 100}, 180)});
}

TEST_F(ElbowOutput, DifferentLinesWithEqualCoordinateSumsAreAnElbow) {
  // Both lines' coordinates add up to 5000: still two lines, told apart by entity.
  Pick(1, {{0, 0}, {5000, 0}}, kLine1);
  Pick(2, {{0, 0}, {0, 5000}}, kLine2);
  ThirdPick({0, 3000}, 2);
  trimtest::ExpectCalls(Run(), {kUndo,
                                Erase(kLine1),
                                Erase(kLine2),
                                Delete(kLine1),
                                Delete(kLine2),
                                Read(kLine1),
                                kLineAttributes,
                                {"Line", {0, 0, 0, 5000}},
                                {"Line", {5000, 0, 1000, 0}},
                                kSymbolAttributes,
                                {"Arc", {0, 0, 1000, 135, 45}},
                                MarkCall({0, 0}, 90),
                                MarkCall({0, 0}, 0)});
}

TEST_F(ElbowOutput, ALegShorterThanRLeavesNoStub) {
  Pick(1, horizontal_, kLine1);
  Pick(2, {{0, 100}, {0, 700}}, kLine2);
  ThirdPick({3000, 100}, 1);
  trimtest::ExpectCalls(Run(), {kUndo,
                                Erase(kLine1),
                                Erase(kLine2),
                                Delete(kLine1),
                                Delete(kLine2),
                                Read(kLine1),
                                kLineAttributes,
                                {"Line", {0, 100, 6000, 100}},
                                kSymbolAttributes,
                                {"Arc", {0, 100, 1000, 45, -45}},
                                MarkCall({0, 100}, 0),
                                MarkCall({0, 100}, 90)});
}

TEST_F(ElbowOutput, ParallelLinesAreRefusedWithoutAnyChange) {
  for (const int third : {0, 2}) {
    SCOPED_TRACE(third == 0 ? "joint" : "upper pipe");
    platform::ClearMessageBoxRecord();
    Pick(1, horizontal_, kLine1);
    Pick(2, {{0, 500}, {6000, 500}}, kLine2);
    ThirdPick({3000, 500}, third);
    EXPECT_TRUE(Run().empty());
    EXPECT_EQ(platform::MessageBoxesShown(), std::vector<std::u16string>{u"Trim Err !! "});
    EXPECT_EQ(picks.InputStage, 0);
  }
}

}  // namespace
}  // namespace sarvik
