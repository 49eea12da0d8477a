// The option dialog every command shows before it runs: the options it keeps in its settings file,
// OK, Cancel and Help. Commands with further controls derive from it.
#pragma once

#include <string>
#include <vector>

#include "controls.h"
#include "form.h"
#include "mouse_hook.h"
#include "settings_file.h"
#include "spin_edit.h"
#include "vb_bool.h"

namespace skeleton {

class UserCommand;

// A shared control's caption (or initial text), tooltip and place.
struct ControlLayout {
  std::u16string caption;
  std::u16string tooltip;
  platform::Place place;
};

// Where a command's dialog puts the controls every dialog has, and their texts.
struct DialogLayout {
  double client_width = 0, client_height = 0;
  ControlLayout label1, spin_edit1, check1, check4, check5, help, cancel, ok;
  platform::SpinEdit::DesignSettings spin_edit1_design;
  // The OK button answers the Enter key unless a multi-line text box needs it.
  bool ok_is_default = true;
};

// The layout of the three trim commands' dialogs: the left column at `left`, the buttons at
// `button_left` with the Help button's top at `help_top`, the spin edit's initial text.
DialogLayout TrimDialogLayout(double left, double button_left, double help_top, double client_width,
                              double client_height, std::u16string spin_text);

class BComDlg : public platform::Form, public support::MouseDownTarget {
 public:
  BComDlg(UserCommand& command, DialogLayout layout);

  // True when the dialog was last closed with OK.
  qiv::VbBool bret = qiv::kFalse;

  // The hook's entry: 0 acts as OK, 1 as Cancel; answers false when that failed.
  qiv::VbBool MouseDown(std::int16_t sw) override;

  // The values the settings file keeps, in line order.
  virtual std::vector<SettingItem> SettingItems();
  // What a command loads after the settings values; nothing here.
  virtual void AfterSettingsLoaded() {}

  void OkClick();
  void CancelClick();
  void HelpClick();

 protected:
  void Design() override;
  // Adds a command's own controls; nothing here.
  virtual void DesignOwnControls() {}
  void OnLoad() override;
  void OnQueryUnload(bool& cancel) override;
  void OnUnload() override;

  UserCommand& command_;

 private:
  DialogLayout layout_;
};

// Setting items for the usual kinds of value.
SettingItem CheckBoxSetting(platform::Form& form, std::u16string control);
SettingItem SpinTextSetting(platform::Form& form, std::u16string control);
SettingItem SpinValueSetting(platform::Form& form, std::u16string control);
SettingItem TextBoxSetting(platform::Form& form, std::u16string control);
SettingItem ComboTextSetting(platform::Form& form, std::u16string control);

}  // namespace skeleton
