#include "session_protocol.h"

#include <gtest/gtest.h>

namespace trimsession {
namespace {

// The search of a pick: the nearest line, circle or arc within reach, locked layers included;
// answers the entity found.
int ExpectSearch(JournalWalk& walk, double x, double y) {
  const Json& search = walk.NextEvent("QivSearchPrimitiveModePackage");
  EXPECT_EQ(search["mode"], 2);
  EXPECT_EQ(search["x"], x);
  EXPECT_EQ(search["y"], y);
  EXPECT_EQ(search["sel"], 3);
  EXPECT_EQ(search["locklayer"], 3);
  EXPECT_EQ(search["range"], 1);
  EXPECT_EQ(search["start"], 0);
  EXPECT_EQ(search["nPackage"], 0);
  return search["position"];
}

}  // namespace

void ExpectStart(JournalWalk& walk) {
  walk.NextCall("QivInitCommand");
  walk.NextEvent("QivGetQivVersion");
  EXPECT_EQ(walk.NextEvent("QivSetCommandDimension")["dimension"], -1);
  EXPECT_EQ(walk.NextEvent("QivGetLong")["id"], 1022);
  walk.NextEvent("QivGetStartPath");
  walk.NextEvent("QivGetActiveQivwinTitle");
}

void ExpectOptionDialog(JournalWalk& walk) {
  const Json& on = walk.NextEvent("QivSetLong");
  EXPECT_EQ(on["id"], 4101);
  EXPECT_EQ(on["lparam"], 1);
  EXPECT_EQ(walk.NextEvent("QivGetInteger")["id"], 1005);
  EXPECT_EQ(walk.Next("form", "BComDlg")["shown"], true);
  EXPECT_EQ(walk.Next("form", "BComDlg")["hidden"], true);
  const Json& off = walk.NextEvent("QivSetLong");
  EXPECT_EQ(off["id"], 4101);
  EXPECT_EQ(off["lparam"], 0);
}

void ExpectInputEnd(JournalWalk& walk, int sw, double x, double y) {
  const Json& end = walk.NextCall("QivGCINEnd")["args"];
  EXPECT_EQ(end["psw"], sw);
  if (sw == 1) {
    EXPECT_EQ(end["pgcx"], x);
    EXPECT_EQ(end["pgcy"], y);
  }
}

void ExpectPickStep(JournalWalk& walk, double x, double y) {
  ExpectInputEnd(walk, 1, x, y);
  const int found = ExpectSearch(walk, x, y);
  ASSERT_GE(found, 0) << "nothing found at " << x << ", " << y;
  const Json& read = walk.NextEvent("QivGetSetData");
  EXPECT_EQ(read["getset"], 0);
  EXPECT_EQ(read["no"], found);
  EXPECT_EQ(walk.NextEvent("QivAskLayerLock")["no"], read["layer"]);
}

void ExpectThirdPick(JournalWalk& walk, double x, double y) {
  ExpectInputEnd(walk, 1, x, y);
  if (ExpectSearch(walk, x, y) >= 0) walk.NextEvent("QivGetSetData");
  EXPECT_GT(walk.FindEvent("QivAskLayerLock"), walk.FindEvent("QivGCINStart"))
      << "the third pick asks a layer's lock";
  walk.NextEvent("QivGetCurrentTextAtr");
  walk.NextEvent("QivGetActiveAtr");
  walk.NextEvent("QivIncNumberUndo");
}

const Json& ExpectPrompt(JournalWalk& walk, const std::string& prompt) {
  const Json& start = walk.NextEvent("QivGCINStart");
  EXPECT_EQ(start["msg"], prompt);
  EXPECT_EQ(start["Cursor"], 2);
  return start;
}

void ExpectEnd(JournalWalk& walk) {
  const std::size_t exit = walk.FindEvent("QivExitCommand");
  EXPECT_LT(walk.FindEvent("QivGetKeepSel"), exit);
  EXPECT_GT(walk.FindEvent("QivGCINStart"), exit) << "a prompt after the command ended";
  walk.NextEvent("QivExitCommand");
}

void ExpectCancelKeyAndEnd(JournalWalk& walk, const std::vector<Json>& journal,
                           const std::string& first_prompt) {
  ExpectInputEnd(walk, 2);
  ExpectOptionDialog(walk);
  ExpectPrompt(walk, first_prompt);
  ExpectInputEnd(walk, 3);
  ExpectOptionDialog(walk);
  ExpectEnd(walk);
  walk.NextCall("destroy");
  walk.NextEvent("QivExitCommand");
  for (const Span span : ThirdPicks(journal)) EXPECT_TRUE(AttributesRestored(journal, span));
}

void ExpectRefusedTrimsChangeNothing(const Played& played, std::size_t trims, std::size_t entities,
                                     const std::string& first_prompt) {
  EXPECT_EQ(played.dump["undo_steps"], 0);
  ASSERT_EQ(played.dump["entities"].size(), entities);
  for (const auto& entity : played.dump["entities"]) EXPECT_EQ(entity["deleted"], false);
  const auto third_picks = ThirdPicks(played.journal);
  ASSERT_EQ(third_picks.size(), trims);
  for (const Span span : third_picks) {
    EXPECT_TRUE(UndoStepsBeforeChanges(played.journal, span, 0));
    EXPECT_TRUE(AttributesRestored(played.journal, span));
  }
  JournalWalk walk(played.journal);
  for (std::size_t attempt = 0; attempt < trims; ++attempt) {
    walk.Next("msgbox", "Trim Err !! ");
    ExpectPrompt(walk, first_prompt);
  }
}

}  // namespace trimsession
