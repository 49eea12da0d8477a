// Line trims played through qivhost, checked in the drawing it writes and in its journal.
// Checks: each form (upper pipe on the start side or the end side, riser) splits the line at the
// trim point and leaves exactly its pieces, arc or circle and joint marks, with the line's
// attributes and line type 1 for the symbols; the third point's side is chosen by the points
// 1000 along the line from the trim point, a tie counting as the start side; a line drawn from
// either end gives the same pieces; a side shorter than the symbol's radius, or beyond the end the
// trim point lies on, leaves no piece running back past its end; a line without length is not
// picked; a locked line is ignored when picked as the line but counts as the third point; a trim
// point whose foot lies beyond the line is refused; one undo takes back a whole trim; a whole
// session follows the host protocol, snapping the trim point and pulling a rubber band from its
// foot.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "example_sessions.h"
#include "journal_walk.h"
#include "qivhost_run.h"
#include "session_protocol.h"
#include "trim_cases.h"

namespace trimsession {
namespace {

const std::string kPrompts[3] = {
    "線 を指定してください　　Line トリム　", "トリムポイント を指定してください",
    "トリム方法　線指定（ポイントの左右）＝指定側を上側配管にトリム　指定線外＝立ち上げ配管トリム"};

// The line, and the trim point (3000, 200) whose foot T = (3000, 0) splits it:
//
//   (0, 0) -------- U1(2000, 0) -- T -- U2(4000, 0) -------- (6000, 0)
const FixtureLine kLine{kPipe, {0, 0}, {6000, 0}};
const FixtureLine kFrameLine{kFrame, {0, -1500}, {6000, -1500}};
constexpr Point kOnLine{1000, 0};
constexpr Point kTrimPoint{3000, 200};

// What an upper pipe on the start side leaves.
std::vector<Shape> StartSideUpper() {
  const double c = kC, s = kS;
  return {Pipe({0, 0}, {3000, 0}), Pipe({4000, 0}, {6000, 0}), Arc({3000, 0}, 1000, 225, 135),
          Mark({3000 - c, -s}, {3000 - c, s}), Mark({3000 + c, s}, {3000 + c, -s})};
}

TEST(LineTrimSession, EachFormLeavesItsPiecesArcsAndMarks) {
  const double c = kC, s = kS;
  // Joint marks across the end side (0) and across the start side (180) of T.
  const Shape across_end = Mark({3000 + c, s}, {3000 + c, -s});
  const Shape across_start = Mark({3000 - c, -s}, {3000 - c, s});
  const std::vector<Shape> end_side_upper = {Pipe({0, 0}, {2000, 0}), Pipe({3000, 0}, {6000, 0}),
                                             Arc({3000, 0}, 1000, 45, -45), across_end,
                                             across_start};

  const std::vector<TrimCase> cases = {
      {"upper pipe, start side: the third point on the line nearer U1",
       {kLine},
       {kOnLine, kTrimPoint, {1500, 0}},
       {0},
       StartSideUpper()},
      {"upper pipe, end side: the third point on the line nearer U2",
       {kLine},
       {kOnLine, kTrimPoint, {4500, 0}},
       {0},
       end_side_upper},
      {"riser: the third point off every line, nearer U2",
       {kLine},
       {kOnLine, kTrimPoint, {4500, 3000}},
       {0},
       {Pipe({0, 0}, {2000, 0}), Pipe({4000, 0}, {6000, 0}), Circle({3000, 0}, 1000), across_end,
        across_start}},
      {"riser: the third point equally near U1 and U2 counts as the start side",
       {kLine},
       {kOnLine, kTrimPoint, {3000, 3000}},
       {0},
       {Pipe({0, 0}, {2000, 0}), Pipe({4000, 0}, {6000, 0}), Circle({3000, 0}, 1000), across_start,
        across_end}},
      {"upper pipe, end side: the line drawn from its end gives the same pieces",
       {{kPipe, {6000, 0}, {0, 0}}},
       {kOnLine, kTrimPoint, {4500, 0}},
       {0},
       end_side_upper},
      {"upper pipe: the third point on another line, equally near U1 and U2",
       {kLine, {kVent, {0, -1500}, {6000, -1500}}},
       {kOnLine, kTrimPoint, {3000, -1500}},
       {0},
       StartSideUpper()},
      // T = (500, 0) lies 500 from the start: the start side keeps no piece.
      {"riser: a side shorter than the circle's radius",
       {kLine},
       {kOnLine, {500, 200}, {500, 3000}},
       {0},
       {Pipe({1500, 0}, {6000, 0}), Circle({500, 0}, 1000), Mark({500 - c, -s}, {500 - c, s}),
        Mark({500 + c, s}, {500 + c, -s})}},
      // The trim point snapped onto the pipe's upper end: the pipe keeps its course, the side
      // beyond the end gets no piece.
      {"riser: the trim point on the upright line's end",
       {{kPipe, {12000, -4000}, {12000, 4000}}},
       {{12000, 0}, {12000, 4000}, {12800, 6000}},
       {0},
       {Pipe({12000, -4000}, {12000, 3000}), Circle({12000, 4000}, 1000),
        Mark({12000 - s, 4000 + c}, {12000 + s, 4000 + c}),
        Mark({12000 + s, 4000 - c}, {12000 - s, 4000 - c})}},
      {"riser: the trim point on the line's start",
       {{kPipe, {0, 0}, {10000, 0}}},
       {{5000, 0}, {0, 0}, {2000, 800}},
       {0},
       {Pipe({1000, 0}, {10000, 0}), Circle({0, 0}, 1000), Mark({c, s}, {c, -s}),
        Mark({-c, -s}, {-c, s})}},
      // A line whose ends coincide is no pipe: the pick on it is refused.
      {"upper pipe: a line without length is not picked",
       {kLine, {kPipe, {3000, 1500}, {3000, 1500}}},
       {{3000, 1500}, kOnLine, kTrimPoint, {1500, 0}},
       {0},
       StartSideUpper()},
  };
  const QivhostRun run("line-trim-forms");
  PlayAndCheck(run, "Haldrin", cases);
}

TEST(LineTrimSession, PicksWithNothingToWorkOnAreRefusedButALockedThirdLineCounts) {
  const QivhostRun run("line-trim-refused");
  const Played played = run.Play("Haldrin", DrawingOf({kLine, kFrameLine}),
                                 "start\ndialog ok\n"
                                 "pick 3000 -1500\n"  // the frame's layer is locked: ignored
                                 "pick 1000 0\n"
                                 "pick 7000 200\n"  // its foot lies beyond the line: refused
                                 "pick 3000 200\n"
                                 "pick 2000 -1500\n"  // on the locked frame: an upper pipe
                                 "cancel\ndialog cancel\ndestroy\n");
  ASSERT_EQ(played.status, 0) << played.err;
  const std::vector<std::string> expected = {kPrompts[0], kPrompts[0], kPrompts[1],
                                             kPrompts[1], kPrompts[2], kPrompts[0]};
  EXPECT_EQ(Prompts(played.journal), expected);
  ExpectAdded(played.dump, 2, StartSideUpper());
}

TEST(LineTrimSession, OneUndoTakesBackAWholeTrim) {
  const QivhostRun run("line-trim-undo");
  const FixtureLine upper{kPipe, {0, 10000}, {6000, 10000}};
  const Played played = run.Play("Haldrin", DrawingOf({kLine, upper}),
                                 "start\ndialog ok\n"
                                 "pick 1000 0\npick 3000 200\npick 1500 0\n"
                                 "pick 1000 10000\npick 3000 10200\npick 3000 13000\n"
                                 "undo\ncancel\ndialog cancel\ndestroy\n");
  ASSERT_EQ(played.status, 0) << played.err;
  EXPECT_EQ(played.dump["undo_steps"], 1);
  EXPECT_EQ(played.dump["entities"][0]["deleted"], true);
  EXPECT_EQ(played.dump["entities"][1]["deleted"], false);
  ExpectAdded(played.dump, 2, StartSideUpper());
}

TEST(LineTrimSession, AWholeSessionFollowsTheHostProtocol) {
  const QivhostRun run("line-trim-session");
  const Played played = run.Play("Haldrin", DrawingOf({kLine}),
                                 "start\n"
                                 "dialog ok\n"
                                 "pick 1000 0\n"
                                 "pick 3000 200\n"
                                 "pick 4500 0\n"
                                 "cancel\n"
                                 "dialog ok\n"
                                 "key 13\n"
                                 "dialog cancel\n"
                                 "destroy\n");
  ASSERT_EQ(played.status, 0) << played.err;
  EXPECT_EQ(played.dump["undo_steps"], 1);

  JournalWalk walk(played.journal);
  ExpectStart(walk);
  ExpectOptionDialog(walk);
  EXPECT_EQ(ExpectPrompt(walk, kPrompts[0])["Rubber"], 0);
  ExpectPickStep(walk, 1000, 0);
  const Json& trim_prompt = ExpectPrompt(walk, kPrompts[1]);
  EXPECT_EQ(trim_prompt["nSnap"], 1);
  EXPECT_EQ(trim_prompt["Rubber"], 0);
  // The trim point is taken as clicked: nothing is searched.
  ExpectInputEnd(walk, 1, 3000, 200);
  EXPECT_GT(walk.FindEvent("QivSearchPrimitiveModePackage"), walk.FindEvent("QivGCINStart"));
  const Json& method_prompt = ExpectPrompt(walk, kPrompts[2]);
  EXPECT_EQ(method_prompt["nSnap"], 0);
  EXPECT_EQ(method_prompt["Rubber"], 1);
  EXPECT_EQ(method_prompt["x0"], 3000.0);
  EXPECT_EQ(method_prompt["y0"], 0.0);
  ExpectThirdPick(walk, 4500, 0);
  ExpectPrompt(walk, kPrompts[0]);
  // A cancel at the first prompt, a key, and the dialog's Cancel ends the command.
  ExpectCancelKeyAndEnd(walk, played.journal, kPrompts[0]);
}

TEST(LineTrimSession, EveryExampleSessionMakesOneTrim) {
  const QivhostRun run("haldrin-examples");
  ExpectEveryExampleMakesOneTrim(run, std::filesystem::path(PIPETRIM_EXAMPLES_DIR) / "haldrin",
                                 "Haldrin");
}

}  // namespace
}  // namespace trimsession
