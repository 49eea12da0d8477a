#include "option_dialog.h"

#include "form_placement.h"
#include "runtime_error.h"
#include "user_command.h"
#include "vb_convert.h"

namespace skeleton {

DialogLayout TrimDialogLayout(double left, double button_left, double help_top, double client_width,
                              double client_height, std::u16string spin_text) {
  DialogLayout layout;
  layout.client_width = client_width;
  layout.client_height = client_height;
  layout.label1 = {u"円弧のサイズ(半径)", u"", {left, 120, 1695, 255}};
  layout.spin_edit1 = {std::move(spin_text), u"円弧のサイズ", {left, 360, 975, 255}};
  layout.check1 = {u"出力サイズ", u"トリムサイズを出力サイズ計算", {left, 720, 1215, 180}};
  layout.check4 = {u"非表示実行", u"ダイアログ非表示で実行", {left, 1200, 1215, 255}};
  layout.check5 = {u"即終了", u"キャンセルで即終了", {left, 1440, 855, 255}};
  layout.help = {u"ﾍﾙﾌﾟ", u"説明文を見る", {button_left, help_top, 1335, 315}};
  layout.cancel = {u"ｷｬﾝｾﾙ", u"終了", {button_left, help_top + 360, 1335, 315}};
  layout.ok = {u"OK", u"実行", {button_left, help_top + 720, 1335, 315}};
  layout.spin_edit1_design.btntypeequl = 2;
  layout.spin_edit1_design.btntypezero = 2;
  layout.spin_edit1_design.btntypesign = 2;
  layout.spin_edit1_design.btntypecomp = 2;
  layout.spin_edit1_design.btntyperefe = 2;
  return layout;
}

BComDlg::BComDlg(UserCommand& command, DialogLayout layout)
    : platform::Form(u"BComDlg"), command_(command), layout_(std::move(layout)) {}

void BComDlg::Design() {
  SetCaption(command_.deliverable().name);
  SetStyle({platform::BorderStyle::kFixedDialog, /*control_box=*/false, /*min_button=*/false,
            /*max_button=*/false, /*show_in_taskbar=*/false});
  SetClientSize(layout_.client_width, layout_.client_height);

  auto& label1 = Add<platform::Label>(u"Label1", layout_.label1.place);
  label1.SetCaption(layout_.label1.caption);

  auto& spin = Add<platform::SpinEdit>(u"QivSpinEdit1", layout_.spin_edit1.place);
  spin.Type(layout_.spin_edit1.caption);  // a numeric initial text sets the value too
  spin.SetToolTipText(layout_.spin_edit1.tooltip);
  spin.SetDesign(layout_.spin_edit1_design);
  spin.SetFont({u"ＭＳ Ｐゴシック", 9, platform::kShiftJisCharset});

  for (const auto& [name, item] :
       {std::pair{u"Check1", &layout_.check1}, std::pair{u"Check4", &layout_.check4},
        std::pair{u"Check5", &layout_.check5}}) {
    auto& check = Add<platform::CheckBox>(name, item->place);
    check.SetCaption(item->caption);
    check.SetToolTipText(item->tooltip);
  }

  auto& help = Add<platform::Button>(u"Help", layout_.help.place);
  help.SetCaption(layout_.help.caption);
  help.SetToolTipText(layout_.help.tooltip);
  help.SetClickHandler([this] { HelpClick(); });

  auto& cancel = Add<platform::Button>(u"Cancel", layout_.cancel.place);
  cancel.SetCaption(layout_.cancel.caption);
  cancel.SetToolTipText(layout_.cancel.tooltip);
  cancel.SetCancel(true);
  cancel.SetClickHandler([this] { CancelClick(); });

  auto& ok = Add<platform::Button>(u"OK", layout_.ok.place);
  ok.SetCaption(layout_.ok.caption);
  ok.SetToolTipText(layout_.ok.tooltip);
  ok.SetDefault(layout_.ok_is_default);
  ok.SetClickHandler([this] { OkClick(); });

  DesignOwnControls();
}

void BComDlg::OnLoad() {
  command_.DetermineBasePath();
  command_.LoadSettings();
  command_.SettingsLoaded = 1;
  double x = 0, y = 0;
  support::PlaceFormAtCursor(*this, x, y, 1);
  Move(x, y);
  bret = qiv::kFalse;
}

void BComDlg::OkClick() {
  command_.picks.InputStage = 0;
  bret = qiv::kTrue;
  Hide();
}

void BComDlg::CancelClick() {
  bret = qiv::kFalse;
  Hide();
}

void BComDlg::OnQueryUnload(bool& /*cancel*/) {
  CancelClick();
}

void BComDlg::OnUnload() {
  support::RemoveMouseHook(command_.hook);
}

void BComDlg::HelpClick() {
  command_.help_dialog().ShowModal();
}

qiv::VbBool BComDlg::MouseDown(std::int16_t sw) {
  try {
    if (sw == 0) OkClick();
    if (sw == 1) CancelClick();
    return qiv::kTrue;
  } catch (const platform::RuntimeError&) {
    return qiv::kFalse;
  }
}

std::vector<SettingItem> BComDlg::SettingItems() {
  return {CheckBoxSetting(*this, u"Check4"), CheckBoxSetting(*this, u"Check5"),
          SpinTextSetting(*this, u"QivSpinEdit1"), SpinValueSetting(*this, u"QivSpinEdit1"),
          CheckBoxSetting(*this, u"Check1")};
}

SettingItem CheckBoxSetting(platform::Form& form, std::u16string control) {
  return {[&form, control] {
            return qiv::ShortestDecimal(form.Get<platform::CheckBox>(control).Value());
          },
          [&form, control](const std::u16string& value) {
            form.Get<platform::CheckBox>(control).SetValue(qiv::ToInteger(value));
          }};
}

SettingItem SpinTextSetting(platform::Form& form, std::u16string control) {
  return {[&form, control] { return form.Get<platform::SpinEdit>(control).Text(); },
          [&form, control](const std::u16string& value) {
            form.Get<platform::SpinEdit>(control).SetText(value);
          }};
}

SettingItem SpinValueSetting(platform::Form& form, std::u16string control) {
  return {[&form, control] {
            return qiv::ShortestDecimal(form.Get<platform::SpinEdit>(control).Value());
          },
          [&form, control](const std::u16string& value) {
            form.Get<platform::SpinEdit>(control).SetValue(qiv::ToDouble(value));
          }};
}

SettingItem TextBoxSetting(platform::Form& form, std::u16string control) {
  return {[&form, control] { return form.Get<platform::TextBox>(control).Text(); },
          [&form, control](const std::u16string& value) {
            form.Get<platform::TextBox>(control).SetText(value);
          }};
}

SettingItem ComboTextSetting(platform::Form& form, std::u16string control) {
  return {[&form, control] { return form.Get<platform::ComboBox>(control).Text(); },
          [&form, control](const std::u16string& value) {
            form.Get<platform::ComboBox>(control).SetText(value);
          }};
}

}  // namespace skeleton
