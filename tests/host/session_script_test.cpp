// Session scripts: every verb parses with its arguments, comments and quoting work, and a bad
// line is refused with the file and line.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "session_script.h"

namespace host {
namespace {

TEST(SessionScriptTest, ParsesEveryVerb) {
  const SessionScript script = ParseScript(
      "# a session\n"
      "start\n"
      "pick 1.5 -2e3   # a comment\n"
      "\n"
      "cancel\nkey 27\nselect 1 3\nurgent-exit\nrestart 2\ndestroy\nundo\n"
      "lock PIPE\nunlock 3\nhost-version 4,0,2,2\ncursor 100 200\nparam 1308 \"a b\"\n"
      "dialog ok\ndialog cancel\n"
      "dialog set Text1 \"G\\r\\n a#b \\\\ \\\"q\\\"\"\n"
      "dialog choose List2 4\ndialog click Check1\ndialog key esc\ndialog outside right\n"
      "help close\n",
      "s.qivs");
  const std::vector<Verb> verbs = {
      Verb::kStart,         Verb::kPick,         Verb::kCancel,      Verb::kKey,
      Verb::kSelect,        Verb::kUrgentExit,   Verb::kRestart,     Verb::kDestroy,
      Verb::kUndo,          Verb::kLock,         Verb::kUnlock,      Verb::kHostVersion,
      Verb::kCursor,        Verb::kParam,        Verb::kDialogOk,    Verb::kDialogCancel,
      Verb::kDialogSet,     Verb::kDialogChoose, Verb::kDialogClick, Verb::kDialogKey,
      Verb::kDialogOutside, Verb::kHelpClose};
  ASSERT_EQ(script.steps.size(), verbs.size());
  for (std::size_t i = 0; i < verbs.size(); ++i) EXPECT_EQ(script.steps[i].verb, verbs[i]) << i;
  const auto& pick = script.steps[1];
  EXPECT_EQ(pick.line, 3);
  EXPECT_EQ(pick.x, 1.5);
  EXPECT_EQ(pick.y, -2000);
  EXPECT_EQ(script.steps[4].number, 1);
  EXPECT_EQ(script.steps[4].count, 3);
  EXPECT_EQ(script.steps[11].name, u"4,0,2,2");
  EXPECT_EQ(script.steps[13].number, 1308);
  EXPECT_EQ(script.steps[13].value, u"a b");
  EXPECT_EQ(script.steps[16].name, u"Text1");
  EXPECT_EQ(script.steps[16].value, u"G\r\n a#b \\ \"q\"");
  EXPECT_EQ(script.steps[17].number, 4);
  EXPECT_EQ(script.steps[19].number, 1);
  EXPECT_EQ(script.steps[20].number, 1);
}

TEST(SessionScriptTest, BadLinesNameTheFileAndLine) {
  struct Case {
    const char* line;
    const char* expected;
  };
  const Case cases[] = {
      {"jump", "unknown action \"jump\""},
      {"pick 1", "usage: pick X Y"},
      {"pick 1 two", "Y must be a number"},
      {"key 1.5", "CODE must be a whole number"},
      {"dialog set Text1", "usage: dialog set CONTROL VALUE"},
      {"dialog press OK", "unknown dialog answer"},
      {"dialog key tab", "usage: dialog key enter|esc"},
      {"dialog set Text1 \"open", "a double quote is not closed"},
      {"dialog set Text1 a\\qb", "unknown escape \\q"},
      {"start now", "usage: start"},
      {"param 1022", "usage: param ID VALUE"},
      {"param x 1", "ID must be a whole number"},
      {"pick nan nan", "X must be a finite number, not \"nan\""},
      {"pick 0 -inf", "Y must be a finite number, not \"-inf\""},
      {"cursor infinity 0", "X must be a finite number"},
      {"select 40000 0", "SW must be a whole number from -32768 to 32767, not \"40000\""},
      {"select -32769 1", "SW must be a whole number from -32768 to 32767"},
  };
  for (const auto& c : cases) {
    try {
      ParseScript(std::string("start\n\n") + c.line + "\n", "s.qivs");
      ADD_FAILURE() << c.line << ": accepted";
    } catch (const ScriptError& error) {
      EXPECT_EQ(std::string(error.what()).rfind("s.qivs:3: ", 0), 0u) << error.what();
      EXPECT_NE(std::string(error.what()).find(c.expected), std::string::npos) << error.what();
    }
  }
}

// Scripts fuzzing found: each is refused at its bad line before anything runs.
TEST(SessionScriptTest, FuzzFindingsAreRefusedAtTheirLine) {
  struct Case {
    const char* file;
    const char* expected;
  };
  const Case cases[] = {
      {"min-quenzel-nan-pick.qivs", ":3: X must be a finite number"},
      {"min-select-sw-out-of-int16.qivs", ":3: SW must be a whole number from -32768 to 32767"},
  };
  for (const auto& c : cases) {
    const std::string path = std::string(HOST_TEST_DATA "/") + c.file;
    std::ifstream in(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(text.empty()) << path;
    try {
      ParseScript(text, path);
      ADD_FAILURE() << c.file << ": accepted";
    } catch (const ScriptError& error) {
      EXPECT_NE(std::string(error.what()).find(path + c.expected), std::string::npos)
          << error.what();
    }
  }
}

TEST(SessionScriptTest, TheParameterOptionIsTheParamStep) {
  const ScriptStep step = ParseParameterOption("1308=a=b");
  EXPECT_EQ(step.verb, Verb::kParam);
  EXPECT_EQ(step.number, 1308);
  EXPECT_EQ(step.value, u"a=b");
  EXPECT_EQ(ParseParameterOption("1022=").value, u"");
  for (const char* bad : {"1022", "=1", "x=1"}) {
    EXPECT_THROW(ParseParameterOption(bad), std::invalid_argument) << bad;
  }
}

}  // namespace
}  // namespace host
