// Point input and selection routines: the reset values, the 1/0 copies of the Boolean settings,
// and the switch between the two search events at the host version "2, 0, 2, 6".
#include <gtest/gtest.h>

#include "in_process_control.h"
#include "runtime_error.h"

namespace qiv {
namespace {

using testhost::Value;

class PointInput : public ::testing::Test, protected InProcessControl {};

TEST_F(PointInput, ResetGcinSettingsGivesTheStartValues) {
  control.bIgnoreShiftOrtho = kTrue;
  control.gcx = 5;
  control.DragColor = 3;
  host.Answer("QivGetCursorColor", {{"m_CursorColor", std::int32_t{12}}});
  control.ResetGCINSettings();
  EXPECT_EQ(host.Names(), (std::vector<std::string>{"QivInitGCINVal", "QivGetCursorColor"}));
  EXPECT_EQ(control.Cursor, 1);
  EXPECT_EQ(control.DragColor, -1);
  EXPECT_EQ(control.bAutoDrag, kTrue);
  EXPECT_EQ(control.bCTRLIgnoreStrictSnap, kFalse);
  EXPECT_EQ(control.bNoDoc, kTrue);
  EXPECT_EQ(control.CursorColor, 12);
  EXPECT_EQ(control.RubberColor, 12);
  EXPECT_EQ(control.msg, std::u16string(27, u' '));
  EXPECT_EQ(control.QivwinDocName, std::u16string(27, u' '));
  EXPECT_EQ(control.gcx, 0);
  EXPECT_EQ(control.bIgnoreShiftOrtho, kTrue);  // left alone
}

TEST_F(PointInput, GcinStartSendsOneForTrueOnly) {
  struct Case {
    VbBool snap;
    std::int16_t sent;
  };
  for (const auto& c : {Case{kTrue, 1}, Case{kFalse, 0}, Case{1, 0}}) {
    host.Clear();
    control.Snap = c.snap;
    control.bAutoDrag = c.snap;
    control.bNoDoc = c.snap;
    control.GCINStart();
    ASSERT_EQ(host.Names(), (std::vector<std::string>{"QivPreGCINStart", "QivGCINStart"}));
    EXPECT_EQ(std::get<std::int16_t>(host.Last("QivGCINStart").Sent("nSnap")), c.sent);
    EXPECT_EQ(std::get<std::int16_t>(host.Last("QivGCINStart").Sent("nAutoDrag")), c.sent);
    EXPECT_EQ(std::get<std::int16_t>(host.Last("QivPreGCINStart").Sent("nNoDoc")), c.sent);
  }
}

TEST_F(PointInput, SearchEventSwitchesAtTheThresholdVersion) {
  struct Case {
    std::u16string version;
    std::string event;
  };
  const Case cases[] = {{u"2,0,2,5", "QivSearchPrimitiveMode"},
                        {u"", "QivSearchPrimitiveMode"},
                        {u"2, 0, 2, 6", "QivSearchPrimitiveModePackage"},
                        {u"4,0,2,3", "QivSearchPrimitiveModePackage"}};
  for (const auto& c : cases) {
    host.Clear();
    module.HostVersion = c.version;
    host.Answer(c.event, {{"position", std::int32_t{17}}, {"x", 99.0}});
    std::int32_t mode = 2, start = 0;
    double x = 1.5, y = 2.5;
    EXPECT_EQ(control.SearchPrimitiveMode(mode, x, y, 3, 3, kTrue, start, kTrue), 17);
    ASSERT_EQ(host.Names(), std::vector<std::string>{c.event});
    const auto& raised = host.Last(c.event);
    EXPECT_EQ(std::get<std::int32_t>(raised.Sent("sel")), 3);
    EXPECT_EQ(std::get<std::int16_t>(raised.Sent("range")), 1);
    EXPECT_EQ(x, 99.0);  // the caller's variable took the host's write
  }
}

TEST_F(PointInput, SearchFailsOnAnUnreadableVersion) {
  module.HostVersion = u"4.0.2.3";
  std::int32_t mode = 2, start = 0;
  double x = 0, y = 0;
  try {
    control.SearchPrimitiveMode(mode, x, y, 3, 3, kTrue, start, kFalse);
    FAIL();
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(error.number(), 5);
  }
  EXPECT_TRUE(host.raised().empty());
}

TEST_F(PointInput, SelectStartClearsTheSelectionFirst) {
  host.Answer("QivGetHighLight", {{"m_HighLight", std::int16_t{1}}});
  host.Answer("QivGetKeepSel", {{"m_KeepSel", std::int16_t{1}}});
  control.SelectStart();
  EXPECT_EQ(host.Names(),
            (std::vector<std::string>{"QivGetHighLight", "QivAllSelect", "QivSelectStart"}));
  EXPECT_EQ(std::get<std::int16_t>(host.Last("QivAllSelect").Sent("OnOff")), 0);
  EXPECT_EQ(std::get<std::int16_t>(host.Last("QivAllSelect").Sent("Draw")), 1);
}

TEST_F(PointInput, HighlightIsOnOnlyForOne) {
  for (const auto& [answer, expected] :
       {std::pair<std::int16_t, VbBool>{1, kTrue}, {-1, kFalse}, {2, kFalse}, {0, kFalse}}) {
    host.Answer("QivGetHighLight", {{"m_HighLight", answer}});
    EXPECT_EQ(control.GetHighLight(), expected) << answer;
  }
}

TEST_F(PointInput, Gcin2RaisesTheWholeRoundInOneCall) {
  host.Answer("QivGetGCIN2Value", {{"gcx", 4.0}, {"sw", std::int32_t{1}}});
  control.GCIN2();
  EXPECT_EQ(host.Names(), (std::vector<std::string>{"QivGCIN2", "QivGetGCIN2Value",
                                                    "QivGetActiveQivwinTitle", "QivGetRestGCIN"}));
  EXPECT_EQ(control.gcx, 4.0);
  EXPECT_EQ(control.sw, 1);
}

}  // namespace
}  // namespace qiv
