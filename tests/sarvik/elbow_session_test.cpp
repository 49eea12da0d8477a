// Elbow trims played through qivhost, checked in the drawing it writes and in its journal.
// Checks: each form (joint, upper pipe on either line, riser mark and riser circle) leaves
// exactly its pipes, arc or circle and joint marks, with line 1's attributes and line type 1 for
// the symbols; two lines with equal coordinate sums are still two lines; a leg shorter than the
// symbol's radius leaves no piece running back past its end; lines that do not meet give
// "Trim Err !! " and change nothing; a locked line is ignored when picked as a line but counts as
// the third point; one undo takes back a whole trim; a whole session follows the host protocol;
// a run starts at the first pick whatever stage the last one ended at.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "example_sessions.h"
#include "journal_walk.h"
#include "qivhost_run.h"
#include "session_protocol.h"
#include "trim_cases.h"

namespace trimsession {
namespace {

const std::string kPrompts[3] = {"線１ を指定してください  L トリム", "線２　指定してください",
                                 "トリム方法　指定線＝上側配管にトリム　指定線外＝継ぎ手書き込み"};

// Line 1 along +x and line 2 along +y, meeting at (0, 100):
//
//   (0, 7100)
//      |  line 2
//      |
//   (0, 100) ---------- (6000, 100)   line 1
const FixtureLine kLine1{kPipe, {0, 100}, {6000, 100}};
const FixtureLine kLine2{kVent, {0, 100}, {0, 7100}};
constexpr Point kOnLine1{3000, 100};
constexpr Point kOnLine2{0, 4000};

TEST(ElbowSession, EachFormLeavesItsPipesArcsAndMarks) {
  const double c = kC, s = kS;
  const std::vector<TrimCase> cases = {
      {"joint: the third point off both lines",
       {kLine1, kLine2},
       {kOnLine1, kOnLine2, {3000, 3000}},
       {0, 1},
       {Pipe({0, 100}, {6000, 100}), Pipe({0, 100}, {0, 7100}), Mark({c, 100 + s}, {c, 100 - s}),
        Mark({-s, 100 + c}, {s, 100 + c})}},
      {"upper pipe: the third point on line 2",
       {kLine1, kLine2},
       {kOnLine1, kOnLine2, {0, 5000}},
       {0, 1},
       {Pipe({0, 100}, {0, 7100}), Pipe({6000, 100}, {1000, 100}), Arc({0, 100}, 1000, 135, 45),
        Mark({-s, 100 + c}, {s, 100 + c}), Mark({c, 100 + s}, {c, 100 - s})}},
      {"upper pipe: the third point on line 1",
       {kLine1, kLine2},
       {kOnLine1, kOnLine2, {4500, 100}},
       {0, 1},
       {Pipe({0, 100}, {6000, 100}), Pipe({0, 7100}, {0, 1100}), Arc({0, 100}, 1000, 45, -45),
        Mark({c, 100 + s}, {c, 100 - s}), Mark({-s, 100 + c}, {s, 100 + c})}},
      {"riser mark: line 1 twice, the third point on it near (6000, 100)",
       {kLine1, kLine2},
       {kOnLine1, {4000, 100}, {5500, 100}},
       {},
       {Arc({6000, 100}, 1000, 225, 135), Mark({6000 - c, 100 - s}, {6000 - c, 100 + s})}},
      {"riser circle: line 1 twice, the third point off it near (6000, 100)",
       {kLine1, kLine2},
       {kOnLine1, {4000, 100}, {5500, 600}},
       {0},
       {Pipe({0, 100}, {5000, 100}), Circle({6000, 100}, 1000),
        Mark({6000 - c, 100 - s}, {6000 - c, 100 + s})}},
      {"riser mark: a third point in the middle of the line takes its start",
       {kLine1, kLine2},
       {kOnLine1, {4000, 100}, {3000, 100}},
       {},
       {Arc({0, 100}, 1000, 45, -45), Mark({c, 100 + s}, {c, 100 - s})}},
      // (0, 0)-(5000, 0) and (0, 0)-(0, 5000) have the same coordinate sum.
      {"joint: a symmetric elbow with equal legs",
       {{kPipe, {0, 0}, {5000, 0}}, {kVent, {0, 0}, {0, 5000}}},
       {{2500, 0}, {0, 2500}, {2500, 2500}},
       {0, 1},
       {Pipe({0, 0}, {5000, 0}), Pipe({0, 0}, {0, 5000}), Mark({c, s}, {c, -s}),
        Mark({-s, c}, {s, c})}},
      {"upper pipe: a symmetric elbow with equal legs, the third point on line 2",
       {{kPipe, {0, 0}, {5000, 0}}, {kVent, {0, 0}, {0, 5000}}},
       {{2500, 0}, {0, 2500}, {0, 4000}},
       {0, 1},
       {Pipe({0, 0}, {0, 5000}), Pipe({5000, 0}, {1000, 0}), Arc({0, 0}, 1000, 135, 45),
        Mark({-s, c}, {s, c}), Mark({c, s}, {c, -s})}},
      // Line 2 ends 600 from the corner: its piece from there to 1000 would run back.
      {"upper pipe: the other leg shorter than the arc's radius",
       {{kPipe, {0, 0}, {6000, 0}}, {kVent, {0, 0}, {0, 600}}},
       {{3000, 0}, {0, 300}, {4000, 0}},
       {0, 1},
       {Pipe({0, 0}, {6000, 0}), Arc({0, 0}, 1000, 45, -45), Mark({c, s}, {c, -s}),
        Mark({-s, c}, {s, c})}},
      {"riser circle: a line shorter than the circle's radius",
       {{kPipe, {0, 0}, {600, 0}}},
       {{300, 0}, {300, 0}, {600, 400}},
       {0},
       {Circle({600, 0}, 1000), Mark({600 - c, -s}, {600 - c, s})}},
  };
  const QivhostRun run("elbow-forms");
  PlayAndCheck(run, "Sarvik", cases);
}

TEST(ElbowSession, LinesThatDoNotMeetAreRefusedAndNothingChanges) {
  const QivhostRun run("elbow-parallel");
  const Played played = run.Play("Sarvik", DrawingOf({kLine1, {kVent, {0, 3100}, {6000, 3100}}}),
                                 "start\ndialog ok\n"
                                 "pick 3000 100\npick 3000 3100\npick 3000 1500\n"  // joint
                                 "pick 3000 100\npick 3000 3100\npick 4000 3100\n"  // upper pipe
                                 "cancel\ndialog cancel\ndestroy\n");
  ASSERT_EQ(played.status, 0) << played.err;
  ExpectRefusedTrimsChangeNothing(played, 2, 2, kPrompts[0]);
}

TEST(ElbowSession, ALockedLineIsIgnoredWhenPickedAsALineButCountsAsTheThirdPoint) {
  const QivhostRun run("elbow-locked");
  const Played played =
      run.Play("Sarvik", DrawingOf({kLine1, kLine2, {kFrame, {-1000, -2000}, {7000, -2000}}}),
               "start\ndialog ok\n"
               "pick 3000 -2000\n"  // the frame's layer is locked: ignored
               "pick 3000 100\n"
               "pick 3000 -2000\n"  // ignored again
               "pick 0 4000\n"
               "lock VENT\n"
               "pick 0 5000\n"  // on line 2, now locked: line 2 is the upper pipe
               "cancel\ndialog cancel\ndestroy\n");
  ASSERT_EQ(played.status, 0) << played.err;
  const std::vector<std::string> expected = {kPrompts[0], kPrompts[0], kPrompts[1],
                                             kPrompts[1], kPrompts[2], kPrompts[0]};
  EXPECT_EQ(Prompts(played.journal), expected);
  const double c = kC, s = kS;
  ExpectAdded(
      played.dump, 3,
      {Pipe({0, 100}, {0, 7100}), Pipe({6000, 100}, {1000, 100}), Arc({0, 100}, 1000, 135, 45),
       Mark({-s, 100 + c}, {s, 100 + c}), Mark({c, 100 + s}, {c, 100 - s})});
}

TEST(ElbowSession, OneUndoTakesBackAWholeTrim) {
  const QivhostRun run("elbow-undo");
  // A second elbow like the first, 10000 higher up.
  const FixtureLine upper1{kPipe, {0, 10100}, {6000, 10100}};
  const FixtureLine upper2{kVent, {0, 10100}, {0, 17100}};
  const Played played = run.Play("Sarvik", DrawingOf({kLine1, kLine2, upper1, upper2}),
                                 "start\ndialog ok\n"
                                 "pick 3000 100\npick 0 4000\npick 3000 3000\n"
                                 "pick 3000 10100\npick 0 14000\npick 3000 13000\n"
                                 "undo\ncancel\ndialog cancel\ndestroy\n");
  ASSERT_EQ(played.status, 0) << played.err;
  EXPECT_EQ(played.dump["undo_steps"], 1);
  const auto& entities = played.dump["entities"];
  EXPECT_EQ(entities[0]["deleted"], true);
  EXPECT_EQ(entities[1]["deleted"], true);
  EXPECT_EQ(entities[2]["deleted"], false);
  EXPECT_EQ(entities[3]["deleted"], false);
  const double c = kC, s = kS;
  ExpectAdded(played.dump, 4,
              {Pipe({0, 100}, {6000, 100}), Pipe({0, 100}, {0, 7100}),
               Mark({c, 100 + s}, {c, 100 - s}), Mark({-s, 100 + c}, {s, 100 + c})});
}

TEST(ElbowSession, AWholeSessionFollowsTheHostProtocol) {
  const QivhostRun run("elbow-session");
  const Played played = run.Play("Sarvik", DrawingOf({kLine1, kLine2}),
                                 "start\n"
                                 "dialog ok\n"
                                 "pick 3000 100\n"
                                 "pick 0 4000\n"
                                 "pick 3000 3000\n"
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
  ExpectPickStep(walk, 3000, 100);
  ExpectPrompt(walk, kPrompts[1]);
  ExpectPickStep(walk, 0, 4000);
  ExpectPrompt(walk, kPrompts[2]);
  ExpectThirdPick(walk, 3000, 3000);
  ExpectPrompt(walk, kPrompts[0]);
  // A cancel at the first prompt, a key, and the dialog's Cancel ends the command.
  ExpectCancelKeyAndEnd(walk, played.journal, kPrompts[0]);

  std::ifstream settings(run.settings_dir() / "Sarvik.ini");
  int values = 0;
  for (std::string line; std::getline(settings, line);)
    values += !line.empty() && line.front() == '"';
  EXPECT_EQ(values, 5);
}

// A run ended at stage 2 by a key and Cancel, with the dialog to be skipped from then on: the
// next run asks for line 1, and its first click trims nothing.
TEST(ElbowSession, ARunStartsAfreshAfterOneThatEndedAtTheThirdPick) {
  const QivhostRun run("elbow-fresh-run");
  const Played played =
      run.Play("Sarvik", std::filesystem::path(PIPETRIM_EXAMPLES_DIR) / "sarvik" / "elbows.dxf",
               "start\ndialog ok\npick 4000 0\npick 0 4000\n"
               "key 65\ndialog set Check4 1\ndialog cancel\ndestroy\n"
               "start\npick 3000 3000\ncancel\ndialog cancel\ndestroy\n");
  ASSERT_EQ(played.status, 0) << played.err;
  EXPECT_EQ(played.dump["undo_steps"], 0);
  const std::vector<std::string> expected = {kPrompts[0], kPrompts[1], kPrompts[2], kPrompts[0],
                                             kPrompts[0]};
  EXPECT_EQ(Prompts(played.journal), expected);
}

TEST(ElbowSession, EveryExampleSessionMakesOneTrim) {
  const QivhostRun run("sarvik-examples");
  ExpectEveryExampleMakesOneTrim(run, std::filesystem::path(PIPETRIM_EXAMPLES_DIR) / "sarvik",
                                 "Sarvik");
}

}  // namespace
}  // namespace trimsession
