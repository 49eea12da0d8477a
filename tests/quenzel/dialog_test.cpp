// The trim text command's option dialog. Checks: a dialog without settings or text list shows the
// initial values, with OK not answering Enter; the text list holds the lines of "TextList.TXT" as
// written and a chosen entry gives its first word; "GET" lists the screen's fonts once, without
// the vertical ones, and a chosen font becomes the trim text's; the thirteen settings values read
// back what was written; a short settings file stops at its first missing number and leaves the
// text list unread.
#include <string>
#include <vector>

#include "code_page.h"
#include "message_box.h"
#include "quenzel_dialog.h"
#include "quenzel_fixture.h"
#include "text_measure.h"

namespace quenzel::testing {
namespace {

using platform::action::Choose;
using platform::action::Click;

class OptionDialog : public QuenzelTest {};

// A control's caption, or its text for the kinds that hold one.
std::u16string CaptionOrText(platform::Control& control) {
  switch (control.Kind()) {
    case platform::ControlKind::kLabel:
      return static_cast<platform::Label&>(control).Caption();
    case platform::ControlKind::kCheckBox:
      return static_cast<platform::CheckBox&>(control).Caption();
    case platform::ControlKind::kButton:
      return static_cast<platform::Button&>(control).Caption();
    case platform::ControlKind::kTextBox:
      return static_cast<platform::TextBox&>(control).Text();
    case platform::ControlKind::kComboBox:
      return static_cast<platform::ComboBox&>(control).Text();
    case platform::ControlKind::kSpinEdit:
      return static_cast<platform::SpinEdit&>(control).Text();
    case platform::ControlKind::kListBox:
      return u"";
  }
  return u"";
}

TEST_F(OptionDialog, WithoutFilesItShowsItsInitialValues) {
  // Enter does not close the dialog: the user's OK afterwards does.
  UserDoes(platform::action::PressKey{platform::action::Key::kEnter});
  StartPicking();
  auto& form = Dialog();
  EXPECT_EQ(form.Caption(), u"Quenzel");
  EXPECT_EQ(form.ScaleWidth(), 4395);
  EXPECT_EQ(form.ScaleHeight(), 4470);

  struct Row {
    const char16_t* name;
    const char16_t* caption;
    const char16_t* tooltip;
    platform::Place place;
  };
  const Row rows[] = {
      {u"Label5", u"高さ", u"", {2400, 240, 375, 255}},
      {u"QivSpinEdit3", u"250", u"", {3120, 240, 1215, 255}},
      {u"Label4", u"幅", u"", {2400, 600, 255, 255}},
      {u"QivSpinEdit4", u"200", u"", {2880, 600, 1455, 255}},
      {u"Label6", u"間隔", u"", {2400, 960, 495, 255}},
      {u"QivSpinEdit5", u"", u"", {2880, 960, 1455, 255}},
      {u"Check1", u"出力サイズ計算", u"トリムサイズを出力サイズ計算", {2400, 1320, 1815, 180}},
      {u"Command1", u"GET", u"フォント読み込み", {4080, 1560, 255, 615}},
      {u"List1", u"", u"文字フォントリスト", {2400, 1680, 1695, 600}},
      {u"Combo1", u"ＭＳ Ｐ明朝", u"文字フォント", {2400, 2400, 1935, 300}},
      {u"Label1", u"トリムサイズ調整", u"", {2520, 2880, 1335, 255}},
      {u"QivSpinEdit1", u"100", u"トリムサイズ調整範囲 0～200", {2520, 3120, 1215, 255}},
      {u"Check4", u"非表示実行", u"ダイアログ非表示で実行", {2520, 3480, 1215, 255}},
      {u"Check5", u"即終了", u"キャンセルで即終了", {2520, 3720, 855, 255}},
      {u"Help", u"ﾍﾙﾌﾟ", u"説明文を見る", {3720, 3720, 615, 315}},
      {u"OK", u"OK", u"実行", {2400, 4080, 975, 315}},
      {u"Cancel", u"ｷｬﾝｾﾙ", u"終了", {3480, 4080, 855, 315}},
      {u"List2", u"", u"トリム文字リスト", {120, 120, 2175, 3480}},
      {u"Text1", u"G\r\n", u"トリム文字", {120, 3720, 2175, 615}},
  };
  EXPECT_EQ(form.Controls().size(), std::size(rows));
  for (const auto& row : rows) {
    SCOPED_TRACE(platform::ToUtf8(row.name));
    auto& found = form.ControlNamed(row.name);
    EXPECT_EQ(CaptionOrText(found), row.caption);
    EXPECT_EQ(found.ToolTipText(), row.tooltip);
    EXPECT_EQ(found.Left(), row.place.left);
    EXPECT_EQ(found.Top(), row.place.top);
    EXPECT_EQ(found.Width(), row.place.width);
    EXPECT_EQ(found.Height(), row.place.height);
  }

  EXPECT_FALSE(form.Get<platform::Button>(u"OK").IsDefault());
  EXPECT_TRUE(form.Get<platform::Button>(u"Cancel").IsCancel());
  EXPECT_TRUE(Text1().MultiLine());
  EXPECT_EQ(Text1().Scroll(), platform::ScrollBars::kVertical);
  EXPECT_EQ(List(u"List2").Font(),
            (platform::FontSpec{u"ＭＳ ゴシック", 9, platform::kShiftJisCharset}));
  EXPECT_EQ(Entries(Combo1()),
            (std::vector<std::u16string>{u"ＭＳ Ｐゴシック", u"ＭＳ Ｐ明朝", u"QIV-CAD",
                                         u"ＭＳ ゴシック", u"ＭＳ 明朝"}));
  EXPECT_TRUE(Entries(List(u"List1")).empty());
  EXPECT_TRUE(Entries(List(u"List2")).empty());
  for (const char16_t* check : {u"Check1", u"Check4", u"Check5"})
    EXPECT_EQ(form.Get<platform::CheckBox>(check).Value(), 0);

  const auto design = [this](const char16_t* name) { return Spin(name).Design(); };
  EXPECT_EQ(design(u"QivSpinEdit1").datatype, 1);
  EXPECT_EQ(design(u"QivSpinEdit1").btntypezero, 0);
  EXPECT_EQ(design(u"QivSpinEdit1").btntypecomp, 2);
  EXPECT_EQ(design(u"QivSpinEdit3").btntypezero, 2);
  EXPECT_EQ(design(u"QivSpinEdit4").btntypezero, 0);
  EXPECT_EQ(design(u"QivSpinEdit5").btntyperefe, 2);
  EXPECT_EQ(Spin(u"QivSpinEdit5").Font().name, u"ＭＳ Ｐゴシック");
}

TEST_F(OptionDialog, TheTextListHoldsTheFileLinesAndGivesTheFirstWord) {
  WriteFile(TextListFile(),
            "G  ガス管\r\n  W  給水管\r\n　X 全角空白で始まる\r\n\r\nHW　給湯管\rCHR\r\n");
  StartPicking();
  const std::vector<std::u16string> entries{u"G  ガス管", u"  W  給水管", u"　X 全角空白で始まる",
                                            u"",          u"HW　給湯管",  u"CHR"};
  ASSERT_EQ(Entries(List(u"List2")), entries);
  const std::u16string words[] = {u"G", u"W", u"", u"", u"HW", u"CHR"};
  for (std::int32_t i = 0; i < static_cast<std::int32_t>(entries.size()); ++i) {
    Text1().SetText(u"before");
    platform::PerformUserAction(Dialog(), Choose{u"List2", i});
    EXPECT_EQ(Text1().Text(), words[i]) << "entry " << i;
  }
}

TEST_F(OptionDialog, GetListsTheScreenFontsOnceWithoutTheVerticalOnes) {
  platform::UseFixedAdvanceFonts(
      20, {u"IPAGothic", u"@IPAGothic", u"ＭＳ 明朝", u"@ＭＳ 明朝", u"DejaVu Sans"});
  StartPicking();
  const std::vector<std::u16string> fonts{u"IPAGothic", u"ＭＳ 明朝", u"DejaVu Sans"};
  for (int press = 1; press <= 2; ++press) {
    platform::PerformUserAction(Dialog(), Click{u"Command1"});
    EXPECT_EQ(Entries(List(u"List1")), fonts) << "press " << press;
  }
  platform::PerformUserAction(Dialog(), Choose{u"List1", 1});
  EXPECT_EQ(Combo1().Text(), u"ＭＳ 明朝");
}

TEST_F(OptionDialog, ThirteenSettingsValuesReadBackWhatWasWritten) {
  StartPicking();
  Dialog().Get<platform::CheckBox>(u"Check5").SetValue(1);
  Dialog().Get<platform::CheckBox>(u"Check1").SetValue(1);
  Spin(u"QivSpinEdit1").Type(u"150");
  Text1().SetText(u"G\r\n\"W\"");
  Spin(u"QivSpinEdit3").Type(u"300");
  Spin(u"QivSpinEdit4").Type(u"2.5");
  Spin(u"QivSpinEdit5").Type(u"10");
  Combo1().SetText(u"QIV-CAD");
  Cancel();  // at the picking stage with Check5 on: the settings are written, the command ends

  EXPECT_EQ(ReadFile(SettingsFile()),
            "\"0\"\r\n\"1\"\r\n\"150\"\r\n\"150\"\r\n\"1\"\r\n\"G\r\n\"\"W\"\"\"\r\n"
            "\"300\"\r\n\"300\"\r\n\"2.5\"\r\n\"2.5\"\r\n\"10\"\r\n\"10\"\r\n\"QIV-CAD\"\r\n");
  EXPECT_EQ(host.Count("QivExitCommand"), 1);
  EXPECT_FALSE(Dialog().IsLoaded());

  // The next run's dialog loads them.
  StartPicking();
  EXPECT_EQ(Dialog().Get<platform::CheckBox>(u"Check5").Value(), 1);
  EXPECT_EQ(Dialog().Get<platform::CheckBox>(u"Check1").Value(), 1);
  EXPECT_EQ(Spin(u"QivSpinEdit1").Text(), u"150");
  EXPECT_EQ(Text1().Text(), u"G\r\n\"W\"");
  EXPECT_EQ(Spin(u"QivSpinEdit3").Value(), 300);
  EXPECT_EQ(Spin(u"QivSpinEdit4").Text(), u"2.5");
  EXPECT_EQ(Spin(u"QivSpinEdit4").Value(), 2.5);
  EXPECT_EQ(Spin(u"QivSpinEdit5").Text(), u"10");
  EXPECT_EQ(Combo1().Text(), u"QIV-CAD");
}

TEST_F(OptionDialog, AFiveLineSettingsFileStopsAtLineEightAndLeavesTheTextListUnread) {
  WriteFile(SettingsFile(), "\"0\"\r\n\"1\"\r\n\"150\"\r\n\"150\"\r\n\"1\"\r\n");
  WriteFile(TextListFile(), "G  ガス管\r\n");
  StartPicking();
  EXPECT_EQ(Dialog().Get<platform::CheckBox>(u"Check5").Value(), 1);
  EXPECT_EQ(Spin(u"QivSpinEdit1").Text(), u"150");
  EXPECT_EQ(Dialog().Get<platform::CheckBox>(u"Check1").Value(), 1);
  EXPECT_EQ(Text1().Text(), u"");                 // line 6, empty
  EXPECT_EQ(Spin(u"QivSpinEdit3").Text(), u"");   // line 7, empty
  EXPECT_EQ(Spin(u"QivSpinEdit3").Value(), 250);  // line 8 is no number: loading stops
  EXPECT_EQ(Spin(u"QivSpinEdit4").Text(), u"200");
  EXPECT_EQ(Combo1().Text(), u"ＭＳ Ｐ明朝");
  EXPECT_TRUE(Entries(List(u"List2")).empty());
  EXPECT_TRUE(platform::MessageBoxesShown().empty());
}

}  // namespace
}  // namespace quenzel::testing
