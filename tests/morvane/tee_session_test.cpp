// Tee trims played through qivhost, checked in the drawing it writes and in its journal.
// Checks: each form (branch upper, main upper, the bend towards either main leg, the straight
// tee, riser mark and riser circle) leaves exactly its pipes, arcs or circle and joint marks,
// with the main line's attributes and line type 1 for the symbols; the third point's direction
// chooses the form, a third point on another line or at the meeting point included; a branch
// with both ends equally far from the meeting point runs from its start; a pipe shorter than the
// symbol's radius, or a main line ending at the meeting point or short of it, leaves no piece
// running back past its end; parallel lines give "Trim Err !! "
// and change nothing; a locked line is ignored when picked as a line but counts as the third
// point; one undo takes back a whole trim; a whole session follows the host protocol.
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

const std::string kPrompts[3] = {" 主管線 を指定してください　　T トリム",
                                 " 岐管線 を指定してください",
                                 "トリム方法　指定線＝上側配管にトリム　指定線外＝継ぎ手書き込み"};

// The branch meets the main line at I = (4000, 0):
//
//              (4000, 6000)
//                   |  branch
//                   |
//   (0, 0) ------ I(4000, 0) ------ (8000, 0)   main
const FixtureLine kMain{kPipe, {0, 0}, {8000, 0}};
const FixtureLine kBranch{kVent, {4000, 0}, {4000, 6000}};
const FixtureLine kOther{kVent, {6000, 3000}, {8000, 3000}};
constexpr Point kOnMain{1500, 0};
constexpr Point kOnBranch{4000, 3000};

TEST(TeeSession, EachFormLeavesItsPipesArcsAndMarks) {
  const double c = kC, s = kS;
  // Joint marks around I across the branch (up), the end side (0) and the start side (180).
  const Shape across_branch = Mark({4000 - s, c}, {4000 + s, c});
  const Shape across_end = Mark({4000 + c, s}, {4000 + c, -s});
  const Shape across_start = Mark({4000 - c, -s}, {4000 - c, s});
  const Shape upper_arc = Arc({4000, 0}, 1000, 135, 45);
  const Shape arc_below = Arc({4000, 0}, 1000, 210, 330);
  const Shape arc_above = Arc({4000, 0}, 1000, 30, 150);
  const Shape branch_cut = Pipe({4000, 6000}, {4000, 1000});
  // The main line's end (8000, 0) with a riser mark.
  const Shape riser_mark = Mark({8000 - c, -s}, {8000 - c, s});

  const std::vector<TrimCase> cases = {
      {"branch upper: the third point on the branch",
       {kMain, kBranch},
       {kOnMain, kOnBranch, {4000, 4500}},
       {0, 1},
       {Pipe({4000, 0}, {4000, 6000}), Pipe({0, 0}, {3000, 0}), Pipe({5000, 0}, {8000, 0}),
        upper_arc, across_branch, across_end, across_start}},
      {"main upper: the third point on the main line",
       {kMain, kBranch},
       {kOnMain, kOnBranch, {6500, 0}},
       {1},
       {branch_cut, arc_below, arc_above, across_branch, across_end, across_start}},
      // Sweep from the branch (90) to the third point (135) is 45: bent into the nearer leg.
      {"bend towards the start side: the third point up and left",
       {kMain, kBranch},
       {kOnMain, kOnBranch, {2000, 2000}},
       {1},
       {branch_cut, Pipe({4000, 1000}, {3000, 0}), across_branch, across_start, across_end}},
      // Sweep 315: the leg is the start side's direction, the bend goes the other way.
      {"bend towards the end side: the third point up and right",
       {kMain, kBranch},
       {kOnMain, kOnBranch, {6000, 2000}},
       {1},
       {branch_cut, Pipe({4000, 1000}, {5000, 0}), across_branch, across_start, across_end}},
      {"bend: the third point straight on along the branch sweeps 360",
       {kMain, kBranch},
       {kOnMain, kOnBranch, {4000, 7500}},
       {1},
       {branch_cut, Pipe({4000, 1000}, {5000, 0}), across_branch, across_start, across_end}},
      {"bend: the third point on a line other than the two picked",
       {kMain, kBranch, kOther},
       {kOnMain, kOnBranch, {7000, 3000}},
       {1},
       {branch_cut, Pipe({4000, 1000}, {5000, 0}), across_branch, across_start, across_end}},
      // Sweep 180: the branch runs straight on to I.
      {"straight: the third point opposite the branch",
       {kMain, kBranch},
       {kOnMain, kOnBranch, {4000, -2000}},
       {1},
       {Pipe({4000, 0}, {4000, 6000}), across_branch, across_end, across_start}},
      // Neither line reaches I; the third point at I has the direction 180.
      {"bend: the third point exactly at the meeting point",
       {{kPipe, {0, 0}, {3000, 0}}, {kVent, {4000, 500}, {4000, 6000}}},
       {kOnMain, kOnBranch, {4000, 0}},
       {1},
       {branch_cut, Pipe({4000, 1000}, {3000, 0}), across_branch, across_start, across_end}},
      {"main upper: a branch with both ends 3000 from I runs from its start",
       {kMain, {kVent, {4000, -3000}, {4000, 3000}}},
       {kOnMain, {4000, 2000}, {6500, 0}},
       {1},
       {Pipe({4000, -3000}, {4000, -1000}), arc_below, arc_above,
        Mark({4000 + s, -c}, {4000 - s, -c}), across_end, across_start}},
      {"riser mark: the main line twice, the third point on it near its end",
       {kMain, kBranch},
       {kOnMain, {2500, 0}, {7500, 0}},
       {},
       {Arc({8000, 0}, 1000, 225, 135), riser_mark}},
      {"riser circle: the main line twice, the third point off it near its end",
       {kMain, kBranch},
       {kOnMain, {2500, 0}, {7500, 500}},
       {0},
       {Pipe({0, 0}, {7000, 0}), Circle({8000, 0}, 1000), riser_mark}},
      {"riser circle: the main line twice, the third point on another line",
       {kMain, kBranch, kOther},
       {kOnMain, {2500, 0}, {7000, 3000}},
       {0},
       {Pipe({0, 0}, {7000, 0}), Circle({8000, 0}, 1000), riser_mark}},
      // The branch ends 600 from I: its piece from there to 1000 would run back.
      {"main upper: a branch shorter than the arc's radius",
       {kMain, {kVent, {4000, 0}, {4000, 600}}},
       {kOnMain, {4000, 300}, {6500, 0}},
       {1},
       {arc_below, arc_above, across_branch, across_end, across_start}},
      // The main line starts 500 from I: no piece on its start side.
      {"branch upper: a main leg shorter than the arc's radius",
       {{kPipe, {3500, 0}, {8000, 0}}, kBranch},
       {{6000, 0}, kOnBranch, {4000, 4500}},
       {0, 1},
       {Pipe({4000, 0}, {4000, 6000}), Pipe({5000, 0}, {8000, 0}), upper_arc, across_branch,
        across_end, across_start}},
      // The main line ends at I = (0, 5000): it keeps its course up to R short of I, and the
      // marks cross it along its own direction.
      {"branch upper: the main line ending at the meeting point",
       {{kPipe, {0, 0}, {0, 5000}}, {kVent, {0, 5000}, {4000, 5000}}},
       {{0, 1000}, {3000, 5000}, {3000, 5000}},
       {0, 1},
       {Pipe({0, 5000}, {4000, 5000}), Pipe({0, 0}, {0, 4000}), Arc({0, 5000}, 1000, 45, -45),
        Mark({c, 5000 + s}, {c, 5000 - s}), Mark({-s, 5000 + c}, {s, 5000 + c}),
        Mark({s, 5000 - c}, {-s, 5000 - c})}},
      // I = (5000, 0) lies 1500 beyond the main line's end: one piece, from its start.
      {"branch upper: the meeting point beyond the main line's end",
       {{kPipe, {0, 0}, {3500, 0}}, {kVent, {5000, 500}, {5000, 6000}}},
       {{1000, 0}, {5000, 3000}, {5000, 4000}},
       {0, 1},
       {Pipe({5000, 0}, {5000, 6000}), Pipe({0, 0}, {4000, 0}), Arc({5000, 0}, 1000, 135, 45),
        Mark({5000 - s, c}, {5000 + s, c}), Mark({5000 - c, -s}, {5000 - c, s}),
        Mark({5000 + c, s}, {5000 + c, -s})}},
  };
  const QivhostRun run("tee-forms");
  PlayAndCheck(run, "Morvane", cases);
}

TEST(TeeSession, ParallelLinesAreRefusedAndNothingChanges) {
  const QivhostRun run("tee-parallel");
  const Played played = run.Play("Morvane", DrawingOf({kMain, {kVent, {0, 3000}, {8000, 3000}}}),
                                 "start\ndialog ok\n"
                                 "pick 1500 0\npick 4000 3000\npick 4000 1500\n"  // the tee
                                 "pick 1500 0\npick 4000 3000\npick 6000 3000\n"  // upper pipe
                                 "cancel\ndialog cancel\ndestroy\n");
  ASSERT_EQ(played.status, 0) << played.err;
  ExpectRefusedTrimsChangeNothing(played, 2, 2, kPrompts[0]);
}

TEST(TeeSession, ALockedLineIsIgnoredWhenPickedAsALineButCountsAsTheThirdPoint) {
  const QivhostRun run("tee-locked");
  const Played played =
      run.Play("Morvane", DrawingOf({kMain, kBranch, {kFrame, {-1000, -2000}, {9000, -2000}}}),
               "start\ndialog ok\n"
               "pick 3000 -2000\n"  // the frame's layer is locked: ignored
               "pick 1500 0\n"
               "pick 3000 -2000\n"  // ignored again
               "pick 4000 3000\n"
               "lock VENT\n"
               "pick 4000 4500\n"  // on the branch, now locked: the branch is the upper pipe
               "cancel\ndialog cancel\ndestroy\n");
  ASSERT_EQ(played.status, 0) << played.err;
  const std::vector<std::string> expected = {kPrompts[0], kPrompts[0], kPrompts[1],
                                             kPrompts[1], kPrompts[2], kPrompts[0]};
  EXPECT_EQ(Prompts(played.journal), expected);
  const double c = kC, s = kS;
  ExpectAdded(played.dump, 3,
              {Pipe({4000, 0}, {4000, 6000}), Pipe({0, 0}, {3000, 0}), Pipe({5000, 0}, {8000, 0}),
               Arc({4000, 0}, 1000, 135, 45), Mark({4000 - s, c}, {4000 + s, c}),
               Mark({4000 + c, s}, {4000 + c, -s}), Mark({4000 - c, -s}, {4000 - c, s})});
}

TEST(TeeSession, OneUndoTakesBackAWholeTrim) {
  const QivhostRun run("tee-undo");
  // A second tee like the first, 10000 higher up.
  const FixtureLine upper_main{kPipe, {0, 10000}, {8000, 10000}};
  const FixtureLine upper_branch{kVent, {4000, 10000}, {4000, 16000}};
  const Played played = run.Play("Morvane", DrawingOf({kMain, kBranch, upper_main, upper_branch}),
                                 "start\ndialog ok\n"
                                 "pick 1500 0\npick 4000 3000\npick 4000 -2000\n"
                                 "pick 1500 10000\npick 4000 13000\npick 4000 8000\n"
                                 "undo\ncancel\ndialog cancel\ndestroy\n");
  ASSERT_EQ(played.status, 0) << played.err;
  EXPECT_EQ(played.dump["undo_steps"], 1);
  const auto& entities = played.dump["entities"];
  EXPECT_EQ(entities[0]["deleted"], false);
  EXPECT_EQ(entities[1]["deleted"], true);
  EXPECT_EQ(entities[2]["deleted"], false);
  EXPECT_EQ(entities[3]["deleted"], false);
  const double c = kC, s = kS;
  ExpectAdded(played.dump, 4,
              {Pipe({4000, 0}, {4000, 6000}), Mark({4000 - s, c}, {4000 + s, c}),
               Mark({4000 + c, s}, {4000 + c, -s}), Mark({4000 - c, -s}, {4000 - c, s})});
}

TEST(TeeSession, AWholeSessionFollowsTheHostProtocol) {
  const QivhostRun run("tee-session");
  const Played played = run.Play("Morvane", DrawingOf({kMain, kBranch}),
                                 "start\n"
                                 "dialog ok\n"
                                 "pick 1500 0\n"
                                 "pick 4000 3000\n"
                                 "pick 4000 -2000\n"
                                 "cancel\n"
                                 "dialog ok\n"
                                 "key 27\n"
                                 "dialog cancel\n"
                                 "destroy\n");
  ASSERT_EQ(played.status, 0) << played.err;
  EXPECT_EQ(played.dump["undo_steps"], 1);

  JournalWalk walk(played.journal);
  ExpectStart(walk);
  ExpectOptionDialog(walk);
  EXPECT_EQ(ExpectPrompt(walk, kPrompts[0])["Rubber"], 0);
  ExpectPickStep(walk, 1500, 0);
  ExpectPrompt(walk, kPrompts[1]);
  ExpectPickStep(walk, 4000, 3000);
  ExpectPrompt(walk, kPrompts[2]);
  ExpectThirdPick(walk, 4000, -2000);
  ExpectPrompt(walk, kPrompts[0]);
  // A cancel at the first prompt, a key, and the dialog's Cancel ends the command.
  ExpectCancelKeyAndEnd(walk, played.journal, kPrompts[0]);
}

TEST(TeeSession, EveryExampleSessionMakesOneTrim) {
  const QivhostRun run("morvane-examples");
  ExpectEveryExampleMakesOneTrim(run, std::filesystem::path(PIPETRIM_EXAMPLES_DIR) / "morvane",
                                 "Morvane");
}

}  // namespace
}  // namespace trimsession
