// The trim text command's option dialog: besides the options every command has, the trim text
// (typed, or chosen from the text list), the font with the list of the screen's fonts, the trim
// size adjustment, and the text height, width and spacing that the settings file keeps.
//
// OK is not the default button, so Enter in the multi-line trim text starts a new line.
#pragma once

#include <string>
#include <vector>

#include "option_dialog.h"

namespace quenzel {

class QuenzelDialog : public skeleton::BComDlg {
 public:
  explicit QuenzelDialog(skeleton::UserCommand& command);

  // Check4, Check5, the adjustment's text and value, Check1, then the trim text, the text and
  // value of the height, the width and the spacing, and the font name.
  std::vector<skeleton::SettingItem> SettingItems() override;
  // The text list is read after the settings values.
  void AfterSettingsLoaded() override { LoadTextList(); }

  // Refills the text list from "TextList.TXT" next to the plug-in; without that file the list
  // keeps what it holds.
  void LoadTextList();
  // Refills the font list with the screen's fonts, leaving out the vertically set ones ("@...").
  void LoadFontList();

 protected:
  void DesignOwnControls() override;

 private:
  // A text list entry chosen: its first word becomes the trim text.
  void TextListClick();
  // A font chosen: its name becomes the trim text's font.
  void FontListClick();
};

// Where this dialog puts the controls every dialog has, and their texts.
skeleton::DialogLayout QuenzelDialogLayout();

}  // namespace quenzel
