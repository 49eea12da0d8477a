// The help window: shows the help text file that lies next to the plug-in, line by line, in a
// resizable window with a close button.
#pragma once

#include <string>

#include "controls.h"
#include "form.h"

namespace support {

class HelpDlg : public platform::Form {
 public:
  // `caption`: the window's caption; `help_path`: the full path of the help file, read in code
  // page 932 each time the window loads.
  HelpDlg(std::u16string caption, std::u16string help_path);

  const std::u16string& HelpPath() const { return help_path_; }

 protected:
  void Design() override;
  void OnLoad() override;
  void OnResize() override;

 private:
  std::u16string caption_;
  std::u16string help_path_;
};

// The help file's path: the plug-in's folder (with a separator added when it has none at its end)
// followed by the deliverable's name and "説明.TXT".
std::u16string HelpFilePath(const std::u16string& plugin_folder, const std::u16string& name);

// The text the help window shows for a file: every line followed by CR LF, or, when the file
// cannot be read, "ヘルプファイル [" + path + "] が見つかりません。".
std::u16string HelpText(const std::u16string& path);

}  // namespace support
