// The command lifecycle and picking state machine. Invariants: every stage answers a pick, a
// cancel and a key as the state table says; the settings are written on cancel at stage 0, on a
// key and on dialog Cancel, never on an urgent exit; the host's attributes after an output equal
// those before it; the command ends only through EndCommand, with one QivExitCommand; a line
// without length and a point that is not finite find nothing; every run starts at stage 0.
#include "skeleton_fixture.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "runtime_error.h"

namespace skeleton::testing {
namespace {

using platform::action::Click;

constexpr char16_t kPrompt0[] = u"線１ を指定してください  L トリム";
constexpr char16_t kPrompt1[] = u"線２　指定してください";
constexpr char16_t kPrompt2[] = u"トリム方法　指定線＝上側配管にトリム　指定線外＝継ぎ手書き込み";

class Lifecycle : public SkeletonTest {
 protected:
  // Starts the command through the dialog's OK, with two free lines and a locked one.
  void StartPicking() {
    // Line 14 has no length.
    lines = {
        {11, 0, 0, 100, 0}, {12, 50, 50, 50, 100}, {13, 7, 7, 9, 9, 4, true}, {14, 20, 20, 20, 20}};
    UserClicks(u"OK");
    Init();
    ASSERT_EQ(stage(), 0);
    ASSERT_EQ(LastPrompt(), kPrompt0);
  }
  void ToStage(int target) {
    if (target >= 1) Pick(0, 0);
    if (target >= 2) Pick(50, 50);
    ASSERT_EQ(stage(), target);
  }
};

TEST_F(Lifecycle, StateTable) {
  enum Input { kFound, kLocked, kNothing, kCancel, kKey, kNoLength };
  struct Row {
    int from;
    Input input;
    int to;
    const char16_t* prompt;  // the prompt that follows; null when the dialog comes instead
    bool writes_settings, shows_dialog, outputs;
  };
  const Row rows[] = {
      {0, kFound, 1, kPrompt1, false, false, false},
      {0, kLocked, 0, kPrompt0, false, false, false},
      {0, kNothing, 0, kPrompt0, false, false, false},
      {0, kCancel, 0, kPrompt0, true, true, false},
      {0, kKey, 0, kPrompt0, true, true, false},
      {0, kNoLength, 0, kPrompt0, false, false, false},
      {1, kFound, 2, kPrompt2, false, false, false},
      {1, kLocked, 1, kPrompt1, false, false, false},
      {1, kNothing, 1, kPrompt1, false, false, false},
      {1, kCancel, 0, kPrompt0, false, false, false},
      {1, kKey, 0, kPrompt0, true, true, false},
      {1, kNoLength, 1, kPrompt1, false, false, false},
      {2, kFound, 0, kPrompt0, false, false, true},
      {2, kLocked, 0, kPrompt0, false, false, true},
      {2, kNothing, 0, kPrompt0, false, false, true},
      {2, kCancel, 1, kPrompt1, false, false, false},
      {2, kKey, 0, kPrompt0, true, true, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE("from stage " + std::to_string(row.from) + ", input " +
                 std::to_string(static_cast<int>(row.input)));
    TearDown();
    SetUp();
    StartPicking();
    ToStage(row.from);
    const int dialogs = Shown(u"BComDlg");
    std::filesystem::remove(SettingsFile());
    if (row.shows_dialog) UserClicks(u"OK");
    const double picks[][2] = {
        {row.from == 0 ? 0.0 : 50.0, row.from == 0 ? 0.0 : 50.0}, {7, 7}, {1000, 1000}};
    switch (row.input) {
      case kFound:
        Pick(picks[0][0], picks[0][1]);
        break;
      case kLocked:
        Pick(7, 7);
        break;
      case kNothing:
        Pick(1000, 1000);
        break;
      case kCancel:
        Cancel();
        break;
      case kKey:
        Key(27);
        break;
      case kNoLength:
        Pick(20, 20);
        break;
    }
    EXPECT_EQ(stage(), row.to);
    EXPECT_EQ(LastPrompt(), row.prompt);
    EXPECT_EQ(std::filesystem::exists(SettingsFile()), row.writes_settings);
    EXPECT_EQ(Shown(u"BComDlg") - dialogs, row.shows_dialog ? 1 : 0);
    EXPECT_EQ(command->outputs, row.outputs ? 1 : 0);
    EXPECT_EQ(host.Count("QivExitCommand"), 0);
  }
}

TEST_F(Lifecycle, PicksFillTheirSlots) {
  StartPicking();
  ToStage(2);
  Pick(7, 7);  // the third pick does not ask the lock
  EXPECT_EQ(command->picks.PickEntity[1], 11);
  EXPECT_EQ(command->picks.PickEntity[2], 12);
  EXPECT_EQ(command->picks.PickEntity[3], 13);
  EXPECT_EQ(command->picks.PickX2[1], 100);
  EXPECT_EQ(command->picks.PickY2[2], 100);
  EXPECT_EQ(command->picks.PickX2[3], 9);
}

TEST_F(Lifecycle, AThirdPickOnALineWithoutLengthFindsNothing) {
  StartPicking();
  ToStage(2);
  Pick(20, 20);
  EXPECT_EQ(command->outputs, 1);
  EXPECT_LT(command->picks.FoundNo, 0);
  EXPECT_EQ(command->picks.PickEntity[3], 0);
}

TEST_F(Lifecycle, APointThatIsNotFiniteFindsNothingAtAnyStage) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  const double points[][2] = {{kNaN, kNaN}, {kInf, 0}, {0, -kInf}, {kNaN, 0}};
  const char16_t* prompts[] = {kPrompt0, kPrompt1, kPrompt2};
  for (int from = 0; from <= 2; ++from) {
    for (const auto& point : points) {
      SCOPED_TRACE("stage " + std::to_string(from) + " at " + std::to_string(point[0]) + ", " +
                   std::to_string(point[1]));
      TearDown();
      SetUp();
      StartPicking();
      ToStage(from);
      // A host whose search finds line 11 wherever it is asked.
      host.On("QivSearchPrimitiveModePackage",
              [](testhost::EventCall& call) { call.Set("position", std::int32_t{11}); });
      const auto searches = host.Count("QivSearchPrimitiveModePackage");
      const auto prompted = host.Count("QivGCINStart");
      Pick(point[0], point[1]);
      EXPECT_EQ(stage(), from);
      EXPECT_EQ(host.Count("QivGCINStart"), prompted + 1);
      EXPECT_EQ(LastPrompt(), prompts[from]);
      EXPECT_EQ(host.Count("QivSearchPrimitiveModePackage"), searches);
      EXPECT_EQ(command->outputs, 0);
      EXPECT_TRUE(std::isfinite(command->picks.PickPointX));
      EXPECT_TRUE(std::isfinite(command->picks.PickPointY));
    }
  }
}

TEST_F(Lifecycle, ARunWithoutTheDialogStartsAfreshAtStageZero) {
  struct Case {
    std::string id;
    int stage;
    bool urgent_exit;  // otherwise a key, then Cancel in the dialog
  };
  const Case cases[] = {
      {"key and Cancel at stage 2", 2, false},
      {"key and Cancel at stage 1", 1, false},
      {"urgent exit at stage 2", 2, true},
      {"urgent exit at stage 1", 1, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    TearDown();
    SetUp();
    lines = {{11, 0, 0, 100, 0}, {12, 50, 50, 50, 100}};
    WriteSettings("\"1\"\r\n\"0\"\r\n\"5\"\r\n\"5\"\r\n\"0\"\r\n");  // Check4 on
    Init();
    ToStage(c.stage);
    if (c.urgent_exit) {
      control->QivUrgentExit();
    } else {
      UserClicks(u"Cancel");
      Key(65);
    }
    ASSERT_EQ(host.Count("QivExitCommand"), 1);

    Init();
    EXPECT_EQ(Shown(u"BComDlg"), c.urgent_exit ? 0 : 1);
    EXPECT_EQ(stage(), 0);
    EXPECT_EQ(LastPrompt(), kPrompt0);
    EXPECT_EQ(command->picks.PickEntity[1], 0);
    EXPECT_EQ(command->picks.PickEntity[2], 0);
    // The first click picks line 1 again.
    Pick(50, 50);
    EXPECT_EQ(stage(), 1);
    EXPECT_EQ(command->outputs, 0);
  }
}

TEST_F(Lifecycle, CancelAtStageTwoKeepsLineOne) {
  StartPicking();
  ToStage(2);
  Cancel();
  EXPECT_EQ(stage(), 1);
  EXPECT_EQ(command->picks.PickEntity[1], 11);
  Pick(50, 50);
  EXPECT_EQ(stage(), 2);
}

TEST_F(Lifecycle, OutputRunsBetweenParkedAttributes) {
  StartPicking();
  ToStage(2);
  host.Clear();
  Pick(1000, 1000);
  auto names = host.Names();
  names.erase(names.begin(),
              std::find(names.begin(), names.end(), "QivSearchPrimitiveModePackage"));
  const std::vector<std::string> expected{
      "QivSearchPrimitiveModePackage",      "QivGetCurrentTextAtr", "QivGetActiveAtr",
      "QivSetActiveAtr" /* the output's */, "QivSetCurrentTextAtr", "QivSetActiveAtr"};
  ASSERT_GE(names.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 6), expected);
  // The host gets back the attributes it had before the third pick.
  const auto& restored = host.Last("QivSetActiveAtr");
  EXPECT_EQ(std::get<std::int32_t>(restored.Sent("layer")), 5);
  EXPECT_EQ(std::get<std::int32_t>(restored.Sent("color")), 3);
  const auto& text = host.Last("QivSetCurrentTextAtr");
  EXPECT_EQ(std::get<double>(text.Sent("ts_takasa")), 250.0);
  EXPECT_EQ(std::get<std::u16string>(text.Sent("ts_Fontname")), u"IPA");
  EXPECT_EQ(stage(), 0);
}

TEST_F(Lifecycle, RunWithoutTheDialog) {
  WriteSettings("\"1\"\r\n\"0\"\r\n\"5\"\r\n\"5\"\r\n\"0\"\r\n");
  Init();
  EXPECT_EQ(Shown(u"BComDlg"), 0);
  EXPECT_EQ(LastPrompt(), kPrompt0);
  // Cancel at stage 0 brings the dialog; Cancel there writes the settings and ends.
  UserClicks(u"Cancel");
  Cancel();
  EXPECT_EQ(Shown(u"BComDlg"), 1);
  EXPECT_EQ(host.Count("QivExitCommand"), 1);
  EXPECT_EQ(module.OptCmd, nullptr);
}

TEST_F(Lifecycle, EndAtOnceOnCancel) {
  WriteSettings("\"0\"\r\n\"1\"\r\n\"5\"\r\n\"5\"\r\n\"0\"\r\n");
  StartPicking();
  ToStage(2);
  Cancel();
  Cancel();
  EXPECT_EQ(stage(), 0);
  EXPECT_EQ(host.Count("QivExitCommand"), 0);
  std::filesystem::remove(SettingsFile());
  Cancel();
  EXPECT_EQ(host.Count("QivExitCommand"), 1);
  EXPECT_TRUE(std::filesystem::exists(SettingsFile()));
  EXPECT_FALSE(command->dialog().IsLoaded());
}

TEST_F(Lifecycle, KeyThenOkRestartsAndKeyThenCancelEnds) {
  StartPicking();
  ToStage(2);
  UserClicks(u"OK");
  Key(65);
  EXPECT_EQ(stage(), 0);
  UserClicks(u"Cancel");
  std::filesystem::remove(SettingsFile());
  Key(27);
  EXPECT_TRUE(std::filesystem::exists(SettingsFile()));
  EXPECT_EQ(host.Count("QivExitCommand"), 1);
}

TEST_F(Lifecycle, UrgentExitEndsWithoutWriting) {
  StartPicking();
  ToStage(1);
  std::filesystem::remove(SettingsFile());
  control->QivUrgentExit();
  EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
  EXPECT_FALSE(command->dialog().IsLoaded());
  EXPECT_EQ(host.Count("QivExitCommand"), 1);
}

TEST_F(Lifecycle, NoDrawingOpen) {
  doc_title = u"";
  Init();
  EXPECT_EQ(MessageBoxes(), std::vector<std::u16string>{u"図面がｵｰﾌﾟﾝしてないと実行できません"});
  EXPECT_EQ(Shown(u"BComDlg"), 0);
  EXPECT_EQ(host.Count("QivExitCommand"), 1);
}

TEST_F(Lifecycle, DialogComesBackUntilADrawingIsOpen) {
  StartPicking();
  UserClicks(u"OK");  // OK without a drawing: the message, then the dialog again
  UserClicks(u"OK");
  int asked = 0;
  host.On("QivGetActiveQivwinTitle", [&](testhost::EventCall& call) {
    // The end of the key's input asks first; then the check after the first OK finds no drawing.
    call.Set("DocTitle", std::u16string(++asked == 2 ? u"" : u"plan.dxf"));
  });
  Key(13);
  EXPECT_EQ(MessageBoxes(), std::vector<std::u16string>{u"図面がｵｰﾌﾟﾝしてないと実行できません"});
  EXPECT_EQ(Shown(u"BComDlg"), 3);
  EXPECT_EQ(LastPrompt(), kPrompt0);
}

TEST_F(Lifecycle, RefusedDimensionAndShortStartPathEndTheCommand) {
  // A trim command passes -1: a refusal does not stop it.
  dimension_answer = 0;
  StartPicking();
  TearDown();
  SetUp();
  start_path = u"C:\\QIV";
  Init();
  EXPECT_EQ(host.Count("QivExitCommand"), 1);
  EXPECT_EQ(host.Count("QivGCINStart"), 0);
}

TEST_F(Lifecycle, FinishedHostSelection) {
  StartPicking();
  UserClicks(u"OK");
  std::int16_t sw = 0;
  std::int32_t selected = 3;
  control->QivSelectEnd(sw, selected);
  EXPECT_EQ(MessageBoxes(), std::vector<std::u16string>{u"選択処理実行中"});
  const auto& clear = host.Last("QivAllSelect");
  EXPECT_EQ(std::get<std::int16_t>(clear.Sent("OnOff")), 0);
  EXPECT_EQ(std::get<std::int16_t>(clear.Sent("Draw")), 1);
  EXPECT_EQ(host.Count("QivDrawSelectedData"), 1);  // highlighting is off
  EXPECT_EQ(Shown(u"BComDlg"), 2);
}

TEST_F(Lifecycle, DialogProtocolAroundTheModalShow) {
  host.Answer("QivGetInteger", {{"iparam", std::int16_t{0}}});
  UserClicks(u"OK");
  Init();
  const auto names = host.Names();
  const auto set_on = std::find(names.begin(), names.end(), "QivSetLong");
  ASSERT_NE(set_on, names.end());
  EXPECT_EQ(*(set_on + 1), "QivGetInteger");
  EXPECT_EQ(std::get<std::int32_t>(
                host.raised()[static_cast<std::size_t>(set_on - names.begin())].Sent("lparam")),
            1);
  EXPECT_EQ(std::get<std::int32_t>(host.Last("QivSetLong").Sent("lparam")), 0);
  EXPECT_EQ(command->hook.HookHandle, 0);  // removed after the show
}

TEST_F(Lifecycle, OutsideClicksActAsOkAndCancel) {
  host.Answer("QivGetInteger", {{"iparam", std::int16_t{0}}});
  lines = {{11, 0, 0, 100, 0}};
  user.push_back(platform::NonClientPress(platform::MouseButton::kLeft, {1500, 1000}));
  Init();
  EXPECT_EQ(LastPrompt(), kPrompt0);
  user.push_back(platform::NonClientPress(platform::MouseButton::kRight, {1500, 1000}));
  Key(27);
  EXPECT_EQ(host.Count("QivExitCommand"), 1);
}

TEST_F(Lifecycle, FailedSettingsWriteFailsTheCall) {
  StartPicking();
  ToStage(1);
  std::filesystem::remove_all(folder);  // the settings folder is gone
  const auto prompts = host.Count("QivGCINStart");
  try {
    Key(27);
    FAIL();
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(error.number(), 76);
  }
  EXPECT_EQ(stage(), 1);
  EXPECT_EQ(host.Count("QivGCINStart"), prompts);
}

}  // namespace
}  // namespace skeleton::testing
