// qivhost end to end, with the probe plug-in loaded through its C boundary: a script drives the
// command and the journal shows the calls and the events in order; undo takes back one step;
// a failed call is journaled and the session goes on; a bad script line, DXF or JSON drawing is
// refused with its file and line and nothing is written; plug-ins register by name.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>

#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

// Two pipes and a frame on a locked layer:
//   line 1 (0,0)-(6000,0) on PIPE; line 2 (-1000,-3000)-(7000,-3000) on FRAME (locked).
constexpr const char* kDrawing = R"({"entities": [
  {"kind": "line", "layer": 1, "color": 4, "x1": 0, "y1": 0, "x2": 6000, "y2": 0},
  {"kind": "line", "layer": 2, "color": 8, "x1": -1000, "y1": -3000, "x2": 7000, "y2": -3000}
], "layers": [{"no": 1, "name": "PIPE"}, {"no": 2, "name": "FRAME", "locked": true}]})";

struct Outcome {
  int status = 0;
  std::string out;
  std::string err;
};

class QivhostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir =
        fs::temp_directory_path() /
        ("qivhost-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    drawing = Write("pipes.json", kDrawing);
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string Write(const std::string& name, const std::string& content) {
    const std::string path = (dir / name).string();
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  static std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  Outcome Run(const std::string& args) {
    const std::string command = std::string(QIVHOST_PATH) + " --registry " +
                                (dir / "registry").string() + " " + args + " >" +
                                (dir / "out.txt").string() + " 2>" + (dir / "err.txt").string();
    const int status = std::system(command.c_str());
    return {WEXITSTATUS(status), Slurp(dir / "out.txt"), Slurp(dir / "err.txt")};
  }

  // Plays `script` with the probe on the test drawing, writing the journal and the dump.
  Outcome Play(const std::string& script, const std::string& extra = "") {
    const std::string script_path = Write("session.qivs", script);
    return Run("run " + std::string(PROBE_PATH) + " --drawing " + drawing + " --script " +
               script_path + " --journal " + (dir / "journal.jsonl").string() + " --dump " +
               (dir / "dump.json").string() + " --settings-dir " + (dir / "settings").string() +
               " " + extra);
  }

  std::vector<Json> Journal() {
    std::vector<Json> lines;
    std::istringstream in(Slurp(dir / "journal.jsonl"));
    for (std::string line; std::getline(in, line);) lines.push_back(Json::parse(line));
    return lines;
  }

  Json Dump() { return Json::parse(Slurp(dir / "dump.json")); }

  fs::path dir;
  std::string drawing;
};

// The position of the first line at or after `from` that has `key` equal to `value`.
std::size_t Next(const std::vector<Json>& lines, std::size_t from, const char* key,
                 const std::string& value) {
  for (std::size_t i = from; i < lines.size(); ++i) {
    if (lines[i].contains(key) && lines[i][key] == value) return i;
  }
  return lines.size();
}

TEST_F(QivhostTest, AScriptDrivesTheCommandAndTheJournalShowsEveryCallAndEvent) {
  const Outcome outcome = Play(
      "start\n"
      "pick 4500 0      # cuts line 1 back to x 4500\n"
      "pick 0 -3000     # the frame's layer is locked\n"
      "key 13\n"
      "urgent-exit\n"
      "start\n"
      "cancel\n"
      "destroy\n");
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  const auto lines = Journal();

  std::size_t at = 0;
  // The next line with `key` = `value`; the test stops when the journal has none.
  const auto expect_next = [&](const char* key, const std::string& value) {
    const std::size_t found = Next(lines, at, key, value);
    if (found >= lines.size())
      throw std::runtime_error("no " + std::string(key) + " " + value + " after line " +
                               std::to_string(at));
    at = found + 1;
    return found;
  };
  expect_next("call", "QivInitCommand");
  const std::size_t version = expect_next("event", "QivGetQivVersion");
  EXPECT_EQ(lines[version]["dispid"], 224);
  EXPECT_EQ(lines[version]["args"]["ver"], "4,0,2,3");
  expect_next("event", "QivGCINStart");
  const std::size_t pick = expect_next("call", "QivGCINEnd");
  EXPECT_EQ(lines[pick]["args"]["pgcx"], 4500.0);
  EXPECT_EQ(lines[pick]["args"]["psw"], 1);
  const std::size_t search = expect_next("event", "QivSearchPrimitiveModePackage");
  EXPECT_EQ(lines[search]["args"]["position"], 1);
  EXPECT_EQ(lines[expect_next("event", "QivAskLayerLock")]["args"]["result"], 0);
  expect_next("event", "QivIncNumberUndo");
  const std::size_t deleted = expect_next("event", "QivSetDeleteDate");
  EXPECT_EQ(lines[deleted]["args"]["n"], 1);
  const std::size_t line = expect_next("event", "QivSetLine");
  EXPECT_EQ(lines[line]["args"]["x2"], 4500.0);
  EXPECT_EQ(lines[line]["args"]["position"], 3);
  EXPECT_EQ(lines[expect_next("event", "QivAskLayerLock")]["args"]["result"], 1);
  expect_next("msgbox", "key 13");
  expect_next("call", "QivUrgentExit");
  expect_next("event", "QivExitCommand");
  expect_next("call", "QivInitCommand");
  const std::size_t cancel = expect_next("call", "QivGCINEnd");
  EXPECT_EQ(lines[cancel]["args"]["psw"], 2);
  expect_next("event", "QivGetKeepSel");
  expect_next("event", "QivExitCommand");
  expect_next("call", "destroy");

  const Json dump = Dump();
  EXPECT_EQ(dump["undo_steps"], 1);
  ASSERT_EQ(dump["entities"].size(), 3u);
  EXPECT_EQ(dump["entities"][0]["deleted"], true);
  EXPECT_EQ(dump["entities"][1]["deleted"], false);
  EXPECT_EQ(dump["entities"][2]["x2"], 4500.0);
}

TEST_F(QivhostTest, UndoTakesBackOneStep) {
  ASSERT_EQ(Play("start\npick 4000 0\npick 1000 0\nundo\ndestroy\n").status, 0);
  const Json dump = Dump();
  EXPECT_EQ(dump["undo_steps"], 1);
  // Step 1 cut line 1 to x 4000 (line 3); step 2 cut line 3 to x 1000 (line 4) and is undone:
  // line 4 is gone and line 3 is back.
  ASSERT_EQ(dump["entities"].size(), 3u);
  EXPECT_EQ(dump["entities"][0]["deleted"], true);
  EXPECT_EQ(dump["entities"][2]["no"], 3);
  EXPECT_EQ(dump["entities"][2]["deleted"], false);
  EXPECT_EQ(dump["entities"][2]["x2"], 4000.0);
}

TEST_F(QivhostTest, AnOldHostIsRefusedAndAFailedCallIsJournaled) {
  ASSERT_EQ(Play("host-version 4,0,2,2\nstart\nhost-version 4.0.2.3\nstart\ndestroy\n").status, 0);
  const auto lines = Journal();
  const std::size_t refused =
      Next(lines, 0, "msgbox", "このコマンドはQIV-CAD4 Ver 4,0,2,3以上で使用して下さい");
  ASSERT_LT(refused, lines.size());
  EXPECT_LT(Next(lines, refused, "event", "QivExitCommand"), lines.size());
  EXPECT_EQ(Next(lines, 0, "event", "QivGCINStart"), lines.size());

  // A version the framework cannot read fails the call; the session goes on to destroy.
  std::size_t failed = lines.size();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].contains("error")) failed = i;
  }
  ASSERT_LT(failed, lines.size());
  EXPECT_EQ(lines[failed]["call"], "QivInitCommand");
  EXPECT_GT(lines[failed]["error"]["number"], 0);
  EXPECT_FALSE(lines[failed]["error"]["text"].get<std::string>().empty());
  EXPECT_LT(Next(lines, failed, "call", "destroy"), lines.size());
}

TEST_F(QivhostTest, BadInputsAreRefusedWithFileAndLineAndNothingIsWritten) {
  struct Case {
    const char* what;
    std::string file;
    std::string content;
    bool is_script;
    std::string expected;
  };
  const Case cases[] = {
      {"script", "bad.qivs", "start\npick 1\n", true, "bad.qivs:2: usage: pick X Y"},
      {"dialog answer without a form", "lost.qivs", "start\ndialog ok\n", true,
       "lost.qivs:2: no form is shown"},
      {"dxf", "bad.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nx\n", false,
       "bad.dxf:8: group code 10 needs a number"},
      {"json", "bad.json", "{\"entities\": [\n{\"kind\": \"line\"}]}", false,
       "bad.json:2: entity 1: \"x1\" is missing"},
  };
  for (const auto& c : cases) {
    const std::string path = Write(c.file, c.content);
    const std::string script = c.is_script ? path : Write("ok.qivs", "start\ndestroy\n");
    const std::string input = c.is_script ? drawing : path;
    const Outcome outcome = Run(
        "run " + std::string(PROBE_PATH) + " --drawing " + input + " --script " + script +
        " --journal " + (dir / "journal.jsonl").string() + " --dxf " + (dir / "out.dxf").string() +
        " --png " + (dir / "out.png").string() + " --settings-dir " + (dir / "settings").string());
    EXPECT_NE(outcome.status, 0) << c.what;
    EXPECT_NE(outcome.err.find(c.expected), std::string::npos) << c.what << ": " << outcome.err;
    EXPECT_FALSE(fs::exists(dir / "journal.jsonl")) << c.what;
    EXPECT_FALSE(fs::exists(dir / "out.dxf")) << c.what;
    EXPECT_FALSE(fs::exists(dir / "out.png")) << c.what;
  }
}

TEST_F(QivhostTest, PluginsRegisterAndRunByName) {
  const Outcome registered = Run(std::string("register ") + PROBE_PATH);
  ASSERT_EQ(registered.status, 0) << registered.err;
  const Outcome listed = Run("list");
  EXPECT_NE(listed.out.find("Probe\t" + fs::canonical(PROBE_PATH).string()), std::string::npos)
      << listed.out;

  const std::string script = Write("s.qivs", "start\npick 3000 0\ndestroy\n");
  const Outcome ran =
      Run("run Probe --drawing " + drawing + " --script " + script + " --dxf " +
          (dir / "out.dxf").string() + " --settings-dir " + (dir / "settings").string());
  ASSERT_EQ(ran.status, 0) << ran.err;
  EXPECT_TRUE(fs::exists(dir / "out.dxf"));

  ASSERT_EQ(Run("unregister Probe").status, 0);
  EXPECT_EQ(Run("list").out, "");
  const Outcome gone = Run("run Nowhere --script " + script);
  EXPECT_NE(gone.status, 0);
  EXPECT_NE(gone.err.find("not registered"), std::string::npos) << gone.err;
}

}  // namespace
