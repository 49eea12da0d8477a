#include "quenzel_dialog.h"

#include "controls.h"
#include "spin_edit.h"
#include "text_file.h"
#include "text_measure.h"
#include "trim_text_list.h"
#include "user_command.h"

namespace quenzel {
namespace {

using platform::Place;

// The font of the spin edits and of the text list.
const platform::FontSpec kSpinEditFont{u"ＭＳ Ｐゴシック", 9, platform::kShiftJisCharset};
const platform::FontSpec kTextListFont{u"ＭＳ ゴシック", 9, platform::kShiftJisCharset};

// The fonts the font box offers from the start, and the one it shows.
constexpr char16_t kInitialFont[] = u"ＭＳ Ｐ明朝";
const char16_t* const kOfferedFonts[] = {u"ＭＳ Ｐゴシック", u"ＭＳ Ｐ明朝", u"QIV-CAD",
                                         u"ＭＳ ゴシック", u"ＭＳ 明朝"};

// The names of the screen's vertically set fonts begin with this character.
constexpr char16_t kVerticalFontMark = u'@';

}  // namespace

skeleton::DialogLayout QuenzelDialogLayout() {
  skeleton::DialogLayout layout;
  layout.client_width = 4395;
  layout.client_height = 4470;
  layout.label1 = {u"トリムサイズ調整", u"", {2520, 2880, 1335, 255}};
  layout.spin_edit1 = {u"100", u"トリムサイズ調整範囲 0～200", {2520, 3120, 1215, 255}};
  layout.check1 = {u"出力サイズ計算", u"トリムサイズを出力サイズ計算", {2400, 1320, 1815, 180}};
  layout.check4 = {u"非表示実行", u"ダイアログ非表示で実行", {2520, 3480, 1215, 255}};
  layout.check5 = {u"即終了", u"キャンセルで即終了", {2520, 3720, 855, 255}};
  layout.help = {u"ﾍﾙﾌﾟ", u"説明文を見る", {3720, 3720, 615, 315}};
  layout.cancel = {u"ｷｬﾝｾﾙ", u"終了", {3480, 4080, 855, 315}};
  layout.ok = {u"OK", u"実行", {2400, 4080, 975, 315}};
  layout.spin_edit1_design.datatype = 1;
  layout.spin_edit1_design.btntypeequl = 2;
  layout.spin_edit1_design.btntypesign = 2;
  layout.spin_edit1_design.btntypecomp = 2;
  layout.spin_edit1_design.btntyperefe = 2;
  layout.ok_is_default = false;
  return layout;
}

QuenzelDialog::QuenzelDialog(skeleton::UserCommand& command)
    : BComDlg(command, QuenzelDialogLayout()) {}

void QuenzelDialog::DesignOwnControls() {
  const auto label = [this](const char16_t* name, const char16_t* caption, const Place& place) {
    Add<platform::Label>(name, place).SetCaption(caption);
  };
  const auto spin_edit = [this](const char16_t* name, const char16_t* text, const Place& place,
                                const platform::SpinEdit::DesignSettings& design) {
    auto& spin = Add<platform::SpinEdit>(name, place);
    spin.Type(text);
    spin.SetDesign(design);
    spin.SetFont(kSpinEditFont);
  };

  label(u"Label5", u"高さ", {2400, 240, 375, 255});
  spin_edit(u"QivSpinEdit3", u"250", {3120, 240, 1215, 255},
            {.btntypeequl = 2, .btntypezero = 2, .btntyperefe = 2});
  label(u"Label4", u"幅", {2400, 600, 255, 255});
  spin_edit(u"QivSpinEdit4", u"200", {2880, 600, 1455, 255}, {.btntypeequl = 2, .btntyperefe = 2});
  label(u"Label6", u"間隔", {2400, 960, 495, 255});
  spin_edit(u"QivSpinEdit5", u"", {2880, 960, 1455, 255}, {.btntypeequl = 2, .btntyperefe = 2});

  auto& get = Add<platform::Button>(u"Command1", {4080, 1560, 255, 615});
  get.SetCaption(u"GET");
  get.SetToolTipText(u"フォント読み込み");
  get.SetClickHandler([this] { LoadFontList(); });

  auto& fonts = Add<platform::ListBox>(u"List1", {2400, 1680, 1695, 600});
  fonts.SetToolTipText(u"文字フォントリスト");
  fonts.SetClickHandler([this] { FontListClick(); });

  auto& font = Add<platform::ComboBox>(u"Combo1", {2400, 2400, 1935, 300});
  for (const char16_t* name : kOfferedFonts) font.AddItem(name);
  font.SetText(kInitialFont);
  font.SetToolTipText(u"文字フォント");

  auto& texts = Add<platform::ListBox>(u"List2", {120, 120, 2175, 3480});
  texts.SetFont(kTextListFont);
  texts.SetToolTipText(u"トリム文字リスト");
  texts.SetClickHandler([this] { TextListClick(); });

  auto& text = Add<platform::TextBox>(u"Text1", {120, 3720, 2175, 615});
  text.SetMultiLine(true);
  text.SetScrollBars(platform::ScrollBars::kVertical);
  text.SetText(u"G\r\n");
  text.SetToolTipText(u"トリム文字");
}

std::vector<skeleton::SettingItem> QuenzelDialog::SettingItems() {
  auto items = BComDlg::SettingItems();
  items.push_back(skeleton::TextBoxSetting(*this, u"Text1"));
  for (const char16_t* spin : {u"QivSpinEdit3", u"QivSpinEdit4", u"QivSpinEdit5"}) {
    items.push_back(skeleton::SpinTextSetting(*this, spin));
    items.push_back(skeleton::SpinValueSetting(*this, spin));
  }
  items.push_back(skeleton::ComboTextSetting(*this, u"Combo1"));
  return items;
}

void QuenzelDialog::LoadTextList() {
  const std::u16string path = TextListPath(command_.plugin_folder());
  if (!platform::FileExists(path)) return;
  auto& list = Get<platform::ListBox>(u"List2");
  list.Clear();
  for (auto& line : platform::ReadTextLines(path)) list.AddItem(std::move(line));
}

void QuenzelDialog::LoadFontList() {
  auto& list = Get<platform::ListBox>(u"List1");
  list.Clear();
  for (auto& name : platform::ScreenFonts())
    if (name.empty() || name.front() != kVerticalFontMark) list.AddItem(std::move(name));
}

void QuenzelDialog::TextListClick() {
  Get<platform::TextBox>(u"Text1").SetText(FirstWord(Get<platform::ListBox>(u"List2").Text()));
}

void QuenzelDialog::FontListClick() {
  Get<platform::ComboBox>(u"Combo1").SetText(Get<platform::ListBox>(u"List1").Text());
}

}  // namespace quenzel
