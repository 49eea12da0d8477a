// Quenzel end to end: qivhost loads the plug-in through its boundary and a session script plays
// the user. Checks: a whole session (dialog, picks, cancel, end) raises the events in the
// protocol's order and leaves the cut line and the label where the arithmetic puts them; a pick
// on a locked layer or on empty space changes nothing; an empty trim text shows its message and
// the dialog again; the host's text and active attributes are back after every placement.
// The labels use the font "QIV-CAD" (2000 per character), so no number depends on a font file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

// Entity 1: a horizontal pipe (0, 0)-(20000, 0) on PIPE, line type 2.
// Entity 2: a pipe at -45 degrees, (30000, 0)-(40000, -10000), on PIPE.
// Entity 3: a frame line (0, -20000)-(40000, -20000) on the locked layer FRAME.
constexpr const char* kDrawing = R"({"entities": [
  {"kind": "line", "layer": 1, "color": 4, "ltype": 2, "x1": 0, "y1": 0, "x2": 20000, "y2": 0},
  {"kind": "line", "layer": 1, "color": 4, "x1": 30000, "y1": 0, "x2": 40000, "y2": -10000},
  {"kind": "line", "layer": 2, "color": 8, "x1": 0, "y1": -20000, "x2": 40000, "y2": -20000}
], "layers": [{"no": 1, "name": "PIPE"}, {"no": 2, "name": "FRAME", "locked": true}]})";

constexpr const char* kPrompt = "文字トリム記入ポイントを指定してください";

// The dialog opens with the host's font and the label G; the first pick writes it.
constexpr const char* kOpening =
    "start\n"
    "dialog set Combo1 QIV-CAD\n"
    "dialog set Text1 G\n"
    "dialog ok\n";

class QuenzelSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("quenzel-session-" +
           std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::ofstream(dir / "pipes.json") << kDrawing;
  }
  void TearDown() override { fs::remove_all(dir); }

  static std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // Plays `script` on the drawing, with `options` for qivhost run; the test stops unless qivhost
  // succeeds.
  void Play(const std::string& script, const std::string& options = "") {
    std::ofstream(dir / "session.qivs", std::ios::binary) << script;
    const std::string command =
        std::string(QIVHOST_PATH) + " run " + QUENZEL_PLUGIN_PATH + " --drawing " +
        (dir / "pipes.json").string() + " --script " + (dir / "session.qivs").string() +
        " --journal " + (dir / "journal.jsonl").string() + " --dump " +
        (dir / "dump.json").string() + " --settings-dir " + (dir / "settings").string() + " " +
        options + " >" + (dir / "out.txt").string() + " 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_EQ(WEXITSTATUS(status), 0) << Slurp(dir / "out.txt");
    std::istringstream in(Slurp(dir / "journal.jsonl"));
    for (std::string line; std::getline(in, line);) journal.push_back(Json::parse(line));
    dump = Json::parse(Slurp(dir / "dump.json"));
  }

  // Steps through the journal: the next line at or after the cursor whose `key` is `value`.
  const Json& Next(const char* key, const std::string& value) {
    for (; at < journal.size(); ++at) {
      if (journal[at].contains(key) && journal[at][key] == value) return journal[at++];
    }
    throw std::runtime_error("no " + std::string(key) + " " + value +
                             " in the rest of the journal");
  }

  // The journal lines in [from, to) whose `key` is `value`.
  std::size_t Count(const char* key, const std::string& value, std::size_t from = 0,
                    std::size_t to = SIZE_MAX) const {
    std::size_t count = 0;
    for (std::size_t i = from; i < std::min(to, journal.size()); ++i)
      count += journal[i].contains(key) && journal[i][key] == value ? 1 : 0;
    return count;
  }

  fs::path dir;
  std::vector<Json> journal;
  std::size_t at = 0;
  Json dump;
};

void ExpectLine(const Json& entity, double x1, double y1, double x2, double y2) {
  EXPECT_EQ(entity["kind"], "line");
  EXPECT_NEAR(entity["x1"].get<double>(), x1, 1e-6) << entity;
  EXPECT_NEAR(entity["y1"].get<double>(), y1, 1e-6) << entity;
  EXPECT_NEAR(entity["x2"].get<double>(), x2, 1e-6) << entity;
  EXPECT_NEAR(entity["y2"].get<double>(), y2, 1e-6) << entity;
}

TEST_F(QuenzelSessionTest, AWholeSessionCutsTheLinesAndWritesTheLabels) {
  Play(std::string("param 1005 1\n") + kOpening +
       "pick 5000 100\n"                   // the horizontal pipe
       "cancel\n"                          // the dialog again, for the next label
       "dialog set Text1 \"G\\r\\nCW\"\n"  // two lines: G, and LF C W
       "dialog ok\n"
       "pick 35050 -4950\n"  // beside the sloped pipe, off it by (50, 50)
       "cancel\n"
       "dialog cancel\n"  // ends the command
       "destroy\n");

  Next("call", "QivInitCommand");
  EXPECT_EQ(Next("event", "QivSetCommandDimension")["args"]["dimension"], 2);
  EXPECT_EQ(Next("event", "QivGetInteger")["args"], Json({{"id", 1005}, {"iparam", 1}}));
  Next("form", "BComDlg");
  const Json& prompt = Next("event", "QivGCINStart")["args"];
  EXPECT_EQ(prompt["msg"], kPrompt);
  EXPECT_EQ(prompt["Cursor"], 2);
  EXPECT_EQ(prompt["Rubber"], 0);
  EXPECT_EQ(Next("call", "QivGCINEnd")["args"]["psw"], 1);
  const Json& search = Next("event", "QivSearchPrimitiveModePackage")["args"];
  EXPECT_EQ(search["mode"], 2);
  EXPECT_EQ(search["sel"], 3);
  EXPECT_EQ(search["locklayer"], 3);
  EXPECT_EQ(search["position"], 1);
  EXPECT_EQ(Next("event", "QivAskLayerLock")["args"]["result"], 0);
  Next("event", "QivGetCurrentTextAtr");
  Next("event", "QivGetActiveAtr");
  const Json& text_attributes = Next("event", "QivSetCurrentTextAtr")["args"];
  EXPECT_EQ(text_attributes["ts_takasa"], 2000.0);
  EXPECT_EQ(text_attributes["ts_haba"], 0.0);
  EXPECT_EQ(text_attributes["ts_kankaku"], 0.0);
  EXPECT_EQ(text_attributes["ts_Fontname"], "QIV-CAD");
  Next("event", "QivIncNumberUndo");
  EXPECT_EQ(Next("event", "QivDrawObject")["args"], Json({{"n", 1}, {"Draw", 0}}));
  EXPECT_EQ(Next("event", "QivSetDeleteDate")["args"]["n"], 1);
  Next("event", "QivGetSetData");
  EXPECT_EQ(Next("event", "QivSetActiveAtr")["args"]["ltype"], 2);
  Next("event", "QivSetLine");
  Next("event", "QivSetLine");
  EXPECT_EQ(Next("event", "QivSetActiveAtr")["args"]["ltype"], 1);
  const Json& text = Next("event", "QivSetText")["args"];
  EXPECT_EQ(text["genten"], 5);
  EXPECT_EQ(text["h"], 0.0);
  Next("event", "QivSetCurrentTextAtr");
  Next("event", "QivSetActiveAtr");
  EXPECT_EQ(Next("event", "QivGCINStart")["args"]["msg"], kPrompt);
  EXPECT_EQ(Next("call", "QivGCINEnd")["args"]["psw"], 2);
  Next("form", "BComDlg");
  EXPECT_EQ(Next("call", "QivGCINEnd")["args"]["psw"], 1);
  Next("event", "QivSetText");
  EXPECT_EQ(Next("call", "QivGCINEnd")["args"]["psw"], 2);
  Next("form", "BComDlg");
  Next("event", "QivExitCommand");
  Next("call", "destroy");

  EXPECT_EQ(dump["undo_steps"], 2);
  const Json& entities = dump["entities"];
  ASSERT_EQ(entities.size(), 9u);
  EXPECT_EQ(entities[0]["deleted"], true);
  EXPECT_EQ(entities[1]["deleted"], true);
  EXPECT_EQ(entities[2]["deleted"], false);

  // "G" in QIV-CAD is 2000 long: half gap h = 2000 / 2 + 100 = 1100 around the foot (5000, 0).
  // Both gap ends are equally far from the pick, so the gap is laid towards E1 = (0, 0).
  ExpectLine(entities[3], 0, 0, 3900, 0);
  ExpectLine(entities[4], 6100, 0, 20000, 0);
  for (const int piece : {3, 4}) {
    EXPECT_EQ(entities[piece]["layer"], 1);
    EXPECT_EQ(entities[piece]["color"], 4);
    EXPECT_EQ(entities[piece]["ltype"], 2);
  }
  EXPECT_EQ(entities[5]["kind"], "text");
  EXPECT_EQ(entities[5]["text"], "G");
  EXPECT_EQ(entities[5]["x"], 5000.0);
  EXPECT_EQ(entities[5]["y"], 0.0);
  EXPECT_EQ(entities[5]["angle"], 0.0);
  EXPECT_EQ(entities[5]["h"], 2000.0);
  EXPECT_EQ(entities[5]["font"], "QIV-CAD");
  EXPECT_EQ(entities[5]["ltype"], 1);
  EXPECT_EQ(entities[5]["layer"], 1);

  // "G" CR LF "CW": line 1 is G (2000), line 2 is LF C W (6000): h = 6000 / 2 + 100 = 3100.
  // The foot of (35050, -4950) on the line is (35000, -5000); the gap runs 3100 / sqrt(2) =
  // 2192.031... along each axis from it, and the piece from E1 = (30000, 0) ends at the near end.
  const double d = 3100 / std::sqrt(2.0);
  ExpectLine(entities[6], 30000, 0, 35000 - d, -5000 + d);
  ExpectLine(entities[7], 35000 + d, -5000 - d, 40000, -10000);
  EXPECT_EQ(entities[8]["text"], "G\r\nCW");
  EXPECT_NEAR(entities[8]["x"].get<double>(), 35000, 1e-6);
  EXPECT_NEAR(entities[8]["y"].get<double>(), -5000, 1e-6);
  EXPECT_NEAR(entities[8]["angle"].get<double>(), -45, 1e-9);
}

TEST_F(QuenzelSessionTest, ALockedOrEmptyPickChangesNothing) {
  Play(std::string(kOpening) +
       "pick 20000 -20000\n"  // the frame, on a locked layer
       "pick 25000 8000\n"    // empty space
       "destroy\n");
  Next("event", "QivGCINStart");
  for (const char* what : {"locked", "empty"}) {
    SCOPED_TRACE(what);
    Next("call", "QivGCINEnd");
    Next("event", "QivSearchPrimitiveModePackage");
    EXPECT_EQ(Next("event", "QivGCINStart")["args"]["msg"], kPrompt);
  }
  EXPECT_EQ(Count("event", "QivIncNumberUndo"), 0u);
  EXPECT_EQ(Count("event", "QivSetActiveAtr"), 0u);
  EXPECT_EQ(Count("msgbox", "Err  トリム文字が空白です"), 0u);
  EXPECT_EQ(dump["undo_steps"], 0);
  ASSERT_EQ(dump["entities"].size(), 3u);
  for (const auto& entity : dump["entities"]) EXPECT_EQ(entity["deleted"], false);
}

TEST_F(QuenzelSessionTest, AnEmptyTextShowsItsMessageAndTheDialogAgain) {
  Play(
      "start\n"
      "dialog set Combo1 QIV-CAD\n"
      "dialog set Text1 \"\"\n"
      "dialog ok\n"
      "pick 5000 0\n"  // refused: the dialog comes again
      "dialog set Text1 G\n"
      "dialog ok\n"
      "pick 5000 0\n"
      "destroy\n");
  Next("call", "QivGCINEnd");
  const std::size_t pick = at;
  Next("msgbox", "Err  トリム文字が空白です");
  EXPECT_EQ(Count("event", "QivSearchPrimitiveModePackage", pick, at), 0u)
      << "the message comes before the search";
  Next("form", "BComDlg");
  EXPECT_EQ(Next("event", "QivGCINStart")["args"]["msg"], kPrompt);
  EXPECT_EQ(Next("call", "QivGCINEnd")["args"]["pgcx"], 5000.0);
  EXPECT_EQ(Next("event", "QivSetText")["args"]["text"], "G");
  EXPECT_EQ(dump["undo_steps"], 1);
}

TEST_F(QuenzelSessionTest, TheHostsAttributesAreBackAfterEveryPlacement) {
  Play(std::string(kOpening) + "pick 5000 0\npick 35000 -5000\ndestroy\n");
  // What the host answered before the first placement is what it holds and answers before the
  // second one, and what the command set back after each.
  const Json text_before = Next("event", "QivGetCurrentTextAtr")["args"];
  const Json active_before = Next("event", "QivGetActiveAtr")["args"];
  EXPECT_EQ(active_before["layer"], 0);
  for (int placement = 1; placement <= 2; ++placement) {
    SCOPED_TRACE(placement);
    Next("event", "QivSetText");
    EXPECT_EQ(Next("event", "QivSetCurrentTextAtr")["args"], text_before);
    EXPECT_EQ(Next("event", "QivSetActiveAtr")["args"], active_before);
    if (placement == 1) {
      EXPECT_EQ(Next("event", "QivGetCurrentTextAtr")["args"], text_before);
      EXPECT_EQ(Next("event", "QivGetActiveAtr")["args"], active_before);
    }
  }
  EXPECT_EQ(dump["undo_steps"], 2);
}

TEST_F(QuenzelSessionTest, TheCommandLineSetsHostParametersAndAScriptChangesThem) {
  Play("start\ndialog ok\nparam 1005 7\ncancel\ndialog cancel\ndestroy\n",
       "--param 1005=1 --param 1022=5");
  EXPECT_EQ(Next("event", "QivGetLong")["args"], Json({{"id", 1022}, {"lparam", 5}}));
  EXPECT_EQ(Next("event", "QivGetInteger")["args"], Json({{"id", 1005}, {"iparam", 1}}));
  EXPECT_EQ(Next("event", "QivGetInteger")["args"], Json({{"id", 1005}, {"iparam", 7}}));
}

}  // namespace
