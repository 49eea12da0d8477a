// The tee trim's host calls. Checks: every trim is one undo step opened before the first change;
// only the lines the form replaces are erased and deleted, before anything is added; new pipes
// take the main line's attributes and the symbols line type 1; the third pick chooses the form by
// entity; lines that do not meet give "Trim Err !! " and no call.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tee_output.h"
#include "trim_test_support.h"

namespace morvane {
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

constexpr std::int32_t kMain = 21;
constexpr std::int32_t kBranch = 22;

// The main line along y = 0, the branch standing on it at x = 3000: they meet at I = (3000, 0),
// the branch's far end is (3000, 5000).
class TeeOutput : public trimtest::OutputTest {
 protected:
  void SetUp() override {
    OutputTest::SetUp();
    Pick(1, {{0, 0}, {8000, 0}}, kMain);
    Pick(2, {{3000, 500}, {3000, 5000}}, kBranch);
  }

  std::vector<Call> Run() {
    host.Clear();
    Output(control, module, picks);
    return trimtest::DrawingCalls(host);
  }

  // The calls after the main line's attributes were made active, with `erased` replaced first.
  static std::vector<Call> Trim(std::vector<std::int32_t> erased, std::vector<Call> added) {
    std::vector<Call> calls{kUndo};
    for (const auto n : erased) calls.push_back(Erase(n));
    for (const auto n : erased) calls.push_back(Delete(n));
    calls.push_back(Read(kMain));
    calls.push_back(kLineAttributes);
    calls.insert(calls.end(), added.begin(), added.end());
    return calls;
  }
};

const Call kBranchMark = MarkCall({3000, 0}, 90);

TEST_F(TeeOutput, ThirdPickOnTheBranchMakesItTheUpperPipe) {
  ThirdPick({3000, 3000}, 2);
  trimtest::ExpectCalls(Run(), Trim({kMain, kBranch}, {{"Line", {3000, 0, 3000, 5000}},
                                                       {"Line", {0, 0, 2000, 0}},
                                                       {"Line", {4000, 0, 8000, 0}},
                                                       kSymbolAttributes,
                                                       {"Arc", {3000, 0, 1000, 135, 45}},
                                                       kBranchMark,
                                                       MarkCall({3000, 0}, 0),
                                                       MarkCall({3000, 0}, 180)}));
}

TEST_F(TeeOutput, ThirdPickOnTheMainLineMakesItTheUpperPipe) {
  ThirdPick({6000, 0}, 1);
  trimtest::ExpectCalls(Run(), Trim({kBranch}, {{"Line", {3000, 5000, 3000, 1000}},
                                                kSymbolAttributes,
                                                {"Arc", {3000, 0, 1000, 210, 330}},
                                                {"Arc", {3000, 0, 1000, 30, 150}},
                                                kBranchMark,
                                                MarkCall({3000, 0}, 0),
                                                MarkCall({3000, 0}, 180)}));
}

// The straight tee fitting: the branch runs on to I.
const std::vector<Call> kStraightFitting{{"Line", {3000, 0, 3000, 5000}},
                                         kSymbolAttributes,
                                         kBranchMark,
                                         MarkCall({3000, 0}, 0),
                                         MarkCall({3000, 0}, 180)};

TEST_F(TeeOutput, ThirdPickElsewhereWritesTheTeeFitting) {
  struct Case {
    std::string id;
    skeleton::Point pick;
    std::vector<Call> added;
  };
  const Case cases[] = {
      {"straight", {3000, -2000}, kStraightFitting},
      {"bent into the start-side leg",
       {1000, 2000},
       {{"Line", {3000, 5000, 3000, 1000}},
        {"Line", {3000, 1000, 2000, 0}},
        kSymbolAttributes,
        kBranchMark,
        MarkCall({3000, 0}, 180),
        MarkCall({3000, 0}, 0)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    ThirdPick(c.pick, 0);
    trimtest::ExpectCalls(Run(), Trim({kBranch}, c.added));
  }
}

TEST_F(TeeOutput, AThirdPickOnAnotherLineWritesTheTeeFitting) {
  ThirdPick({3000, -2000}, 0);
  Pick(3, {{-100, -2000}, {9000, -2000}}, 23);
  picks.FoundNo = 23;
  trimtest::ExpectCalls(Run(), Trim({kBranch}, kStraightFitting));
}

TEST_F(TeeOutput, ALinePickedAsMainAndBranchGetsMarksAtTheEndNearerTheThirdPick) {
  Pick(2, {{0, 0}, {8000, 0}}, kMain);
  ThirdPick({7800, 0}, 1);
  trimtest::ExpectCalls(Run(), {kUndo,
                                Read(kMain),
                                kLineAttributes,
                                kSymbolAttributes,
                                {"Arc", {8000, 0, 1000, 225, 135}},
                                MarkCall({8000, 0}, 180)});
  ThirdPick({7800, 500}, 0);
  trimtest::ExpectCalls(Run(), {kUndo,
                                Erase(kMain),
                                Delete(kMain),
                                Read(kMain),
                                kLineAttributes,
                                {"Line", {0, 0, 7000, 0}},
                                kSymbolAttributes,
                                {"Circle", {8000, 0, 1000}},
                                MarkCall({8000, 0}, 180)});
}

TEST_F(TeeOutput, DifferentLinesWithEqualCoordinateSumsAreATee) {
  // Both lines' coordinates add up to 6000: still main and branch, told apart by entity.
  Pick(1, {{0, 0}, {6000, 0}}, kMain);
  Pick(2, {{2000, 0}, {2000, 2000}}, kBranch);
  ThirdPick({2000, 1500}, 2);
  trimtest::ExpectCalls(Run(), Trim({kMain, kBranch}, {{"Line", {2000, 0, 2000, 2000}},
                                                       {"Line", {0, 0, 1000, 0}},
                                                       {"Line", {3000, 0, 6000, 0}},
                                                       kSymbolAttributes,
                                                       {"Arc", {2000, 0, 1000, 135, 45}},
                                                       MarkCall({2000, 0}, 90),
                                                       MarkCall({2000, 0}, 0),
                                                       MarkCall({2000, 0}, 180)}));
}

TEST_F(TeeOutput, ParallelLinesAreRefusedWithoutAnyChange) {
  Pick(2, {{0, 500}, {8000, 500}}, kBranch);
  for (const int third : {0, 1, 2}) {
    SCOPED_TRACE(third);
    platform::ClearMessageBoxRecord();
    ThirdPick({3000, 500}, third);
    EXPECT_TRUE(Run().empty());
    EXPECT_EQ(platform::MessageBoxesShown(), std::vector<std::u16string>{u"Trim Err !! "});
    EXPECT_EQ(picks.InputStage, 0);
  }
}

}  // namespace
}  // namespace morvane
