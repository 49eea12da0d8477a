// The trim text command through its control. Checks: the command declares dimension 2 and stays
// at its one stage; a pick on a line makes the host calls of one placement, with the host's text
// and active attributes parked before and restored after it; the gap is the measured text plus
// the adjustment on each side, and the adjustment field shows the value used; an empty trim text
// brings the dialog back with a message; a pick on empty space, on a locked layer or on a line
// without length changes nothing and prompts again, and so does a point that is not finite.
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "code_page.h"
#include "message_box.h"
#include "quenzel_fixture.h"

namespace quenzel::testing {
namespace {

constexpr char16_t kPrompt[] = u"文字トリム記入ポイントを指定してください";

class Command : public QuenzelTest {
 protected:
  void SetUp() override {
    QuenzelTest::SetUp();
    // Line 23 has no length.
    lines = {
        {21, 0, 0, 10000, 0}, {22, 0, 5000, 10000, 5000, 4, true}, {23, 4000, 8000, 4000, 8000}};
  }

  // The events from the pick's search up to the restored attributes, with an erase as
  // "QivDrawObject".
  std::vector<std::string> PlacementEvents() const {
    std::vector<std::string> events;
    for (const auto& event : host.raised()) {
      if (events.empty() && event.name != "QivSearchPrimitiveModePackage") continue;
      // A new entity's creation date and redraw are the framework's.
      const std::string& name = event.name;
      if (name == "QivSetCreateDate") continue;
      if (name == "QivDrawObject" && std::get<std::int16_t>(event.Sent("Draw")) != 0) continue;
      events.push_back(name);
      if (name == "QivSetActiveAtr" && events.size() > 1 &&
          events[events.size() - 2] == "QivSetCurrentTextAtr")
        break;
    }
    return events;
  }

  double SentDouble(const char* event, const char* param) const {
    return std::get<double>(host.Last(event).Sent(param));
  }
};

TEST_F(Command, APickOnALineWritesTheTextIntoAGapAroundTheFoot) {
  StartPicking();
  EXPECT_EQ(std::get<std::int32_t>(host.Last("QivSetCommandDimension").Sent("dimension")), 2);
  host.Clear();
  Pick(4000, 300);

  const std::vector<std::string> expected{"QivSearchPrimitiveModePackage",
                                          "QivGetSetData",
                                          "QivAskLayerLock",
                                          "QivGetCurrentTextAtr",
                                          "QivGetActiveAtr",
                                          "QivSetCurrentTextAtr",
                                          "QivIncNumberUndo",
                                          "QivDrawObject",
                                          "QivSetDeleteDate",
                                          "QivGetSetData",
                                          "QivSetActiveAtr",
                                          "QivSetLine",
                                          "QivSetLine",
                                          "QivSetActiveAtr",
                                          "QivSetText",
                                          "QivSetCurrentTextAtr",
                                          "QivSetActiveAtr"};
  EXPECT_EQ(PlacementEvents(), expected);

  // "G" CR LF in the default font: two lines of 1250 each; h = 625 + 100.
  const auto& raised = host.raised();
  std::vector<const testhost::RaisedEvent*> pieces, text_attributes, active;
  for (const auto& event : raised) {
    if (event.name == "QivSetLine") pieces.push_back(&event);
    if (event.name == "QivSetCurrentTextAtr") text_attributes.push_back(&event);
    if (event.name == "QivSetActiveAtr") active.push_back(&event);
  }
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(std::get<double>(pieces[0]->Sent("x1")), 0);
  EXPECT_NEAR(std::get<double>(pieces[0]->Sent("x2")), 3275, 1e-9);
  EXPECT_NEAR(std::get<double>(pieces[1]->Sent("x1")), 4725, 1e-9);
  EXPECT_EQ(std::get<double>(pieces[1]->Sent("x2")), 10000);
  const auto& text = host.Last("QivSetText");
  EXPECT_EQ(std::get<std::u16string>(text.Sent("text")), u"G\r\n");
  EXPECT_EQ(std::get<double>(text.Sent("x0")), 4000);
  EXPECT_EQ(std::get<double>(text.Sent("y0")), 0);
  EXPECT_EQ(std::get<double>(text.Sent("kaiten")), 0);

  // During the placement: height 2000, width 0, the dialog's font, the host's slant kept; the
  // line's attributes, then line type 1 for the text.
  ASSERT_EQ(text_attributes.size(), 2u);
  EXPECT_EQ(std::get<double>(text_attributes[0]->Sent("ts_takasa")), 2000);
  EXPECT_EQ(std::get<double>(text_attributes[0]->Sent("ts_haba")), 0);
  EXPECT_EQ(std::get<double>(text_attributes[0]->Sent("ts_katamuki")), 15);
  EXPECT_EQ(std::get<std::u16string>(text_attributes[0]->Sent("ts_Fontname")), u"ＭＳ Ｐ明朝");
  ASSERT_EQ(active.size(), 3u);
  EXPECT_EQ(std::get<std::int32_t>(active[0]->Sent("layer")), 1);
  EXPECT_EQ(std::get<std::int32_t>(active[0]->Sent("ltype")), 2);
  EXPECT_EQ(std::get<std::int32_t>(active[1]->Sent("ltype")), 1);

  // Afterwards the host's own attributes are back.
  EXPECT_EQ(std::get<double>(text_attributes[1]->Sent("ts_takasa")), 250);
  EXPECT_EQ(std::get<double>(text_attributes[1]->Sent("ts_haba")), 200);
  EXPECT_EQ(std::get<std::u16string>(text_attributes[1]->Sent("ts_Fontname")), u"IPA");
  EXPECT_EQ(std::get<std::int32_t>(active[2]->Sent("layer")), 5);
  EXPECT_EQ(std::get<std::int32_t>(active[2]->Sent("color")), 4);
  EXPECT_EQ(std::get<std::int32_t>(active[2]->Sent("ltype")), 6);

  EXPECT_EQ(command->picks.InputStage, 0);
  EXPECT_EQ(LastPrompt(), kPrompt);
}

TEST_F(Command, TheGapIsTheMeasuredTextAndTheAdjustmentOnEachSide) {
  struct Case {
    std::u16string adjustment, font, text;
    double h;
    std::u16string shown;  // the adjustment field afterwards
  };
  const Case cases[] = {
      {u"100", u"ＭＳ Ｐ明朝", u"G", 725, u"100"},
      {u"250", u"ＭＳ Ｐ明朝", u"G", 825, u"200"},
      {u"-5", u"ＭＳ Ｐ明朝", u"G", 625, u"0"},
      {u"abc", u"ＭＳ Ｐ明朝", u"G", 625, u"0"},
      {u"12.5mm", u"ＭＳ Ｐ明朝", u"G", 637.5, u"12.5"},
      // The host's font and an empty name: 2000 a character.
      {u"100", u"QIV-CAD", u"GAS", 3100, u"100"},
      {u"0", u"", u"GAS", 3000, u"0"},
  };
  StartPicking();
  for (const auto& c : cases) {
    SCOPED_TRACE(platform::ToUtf8(c.adjustment + u" " + c.font + u" " + c.text));
    Spin(u"QivSpinEdit1").SetText(c.adjustment);
    Combo1().SetText(c.font);
    Text1().SetText(c.text);
    host.Clear();
    Pick(4000, 300);
    std::vector<double> gap_ends;
    for (const auto& event : host.raised())
      if (event.name == "QivSetLine") {
        if (gap_ends.empty())
          gap_ends.push_back(std::get<double>(event.Sent("x2")));
        else
          gap_ends.push_back(std::get<double>(event.Sent("x1")));
      }
    ASSERT_EQ(gap_ends.size(), 2u);
    EXPECT_NEAR(gap_ends[0], 4000 - c.h, 1e-9);
    EXPECT_NEAR(gap_ends[1], 4000 + c.h, 1e-9);
    EXPECT_EQ(Spin(u"QivSpinEdit1").Text(), c.shown);
  }
}

TEST_F(Command, AnEmptyTrimTextBringsTheDialogBack) {
  WriteFile(TextListFile(), "　G 全角空白で始まる行\r\n");
  StartPicking();
  // The entry starts with a full-width blank: its first word is empty.
  platform::PerformUserAction(Dialog(), platform::action::Choose{u"List2", 0});
  ASSERT_EQ(Text1().Text(), u"");
  const int dialogs = Shown(u"BComDlg");
  host.Clear();
  UserDoes(platform::action::Click{u"OK"});
  Pick(4000, 300);
  EXPECT_EQ(platform::MessageBoxesShown(),
            std::vector<std::u16string>{u"Err  トリム文字が空白です"});
  EXPECT_EQ(Shown(u"BComDlg"), dialogs + 1);
  EXPECT_EQ(host.Count("QivSearchPrimitiveModePackage"), 0);
  EXPECT_EQ(host.Count("QivIncNumberUndo"), 0);
  EXPECT_EQ(command->picks.InputStage, 0);
  EXPECT_EQ(LastPrompt(), kPrompt);
}

TEST_F(Command, APickOnEmptySpaceOrALockedLayerChangesNothing) {
  StartPicking();
  for (const auto& [x, y] : {std::pair{4000.0, 2500.0}, std::pair{4000.0, 5100.0},
                             std::pair{4000.0, 8000.0} /* a line without length */}) {
    SCOPED_TRACE(std::to_string(y));
    host.Clear();
    Pick(x, y);
    EXPECT_EQ(host.Count("QivGetCurrentTextAtr"), 0);
    EXPECT_EQ(host.Count("QivIncNumberUndo"), 0);
    EXPECT_EQ(host.Count("QivSetText"), 0);
    EXPECT_EQ(host.Count("QivGCINStart"), 1);
    EXPECT_EQ(LastPrompt(), kPrompt);
    EXPECT_EQ(command->picks.InputStage, 0);
  }
  EXPECT_TRUE(platform::MessageBoxesShown().empty());
}

TEST_F(Command, APointThatIsNotFiniteChangesNothing) {
  StartPicking();
  // A host whose search finds line 21 wherever it is asked.
  host.On("QivSearchPrimitiveModePackage",
          [](testhost::EventCall& call) { call.Set("position", std::int32_t{21}); });
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  for (const auto& [x, y] : {std::pair{kNaN, kNaN}, std::pair{-kInf, 0.0}}) {
    SCOPED_TRACE(std::to_string(x));
    host.Clear();
    Pick(x, y);
    EXPECT_EQ(host.Count("QivIncNumberUndo"), 0);
    EXPECT_EQ(host.Count("QivSetLine"), 0);
    EXPECT_EQ(host.Count("QivSetText"), 0);
    EXPECT_EQ(LastPrompt(), kPrompt);
  }
}

}  // namespace
}  // namespace quenzel::testing
