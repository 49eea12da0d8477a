// The trim text command driven in-process as the host drives it: a recording host answers the
// framework's events from a small drawing of lines, a scripted user answers the dialogs, and the
// plug-in's folder (help file, text list) and the host's folder (settings file) are temporary.
// Text is measured with a fixed advance of 20 pixels a byte, so a one-byte character of any font
// other than the host's is 1250 wide.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "controls.h"
#include "module_state.h"
#include "qiv_opt_cmd200.h"
#include "quenzel_command.h"
#include "recording_host.h"
#include "spin_edit.h"
#include "user_action.h"

namespace quenzel::testing {

// A line of the host's drawing: found by a pick within 400 of it.
struct HostLine {
  std::int32_t no;
  double x1, y1, x2, y2;
  std::int32_t layer = 1;
  bool locked = false;
};

class QuenzelTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::vector<HostLine> lines;
  // What the user does with each modal form, in order.
  std::deque<platform::UserAction> user;
  void UserDoes(platform::UserAction action) { user.push_back(std::move(action)); }

  // Incoming calls.
  void Init() { control->QivInitCommand(); }
  void Pick(double x, double y);
  void Cancel();

  // Starts the command and closes the dialog with OK, after the user's actions so far.
  void StartPicking();

  // The loaded dialog's controls.
  platform::Form& Dialog() { return command->dialog(); }
  platform::TextBox& Text1() { return Dialog().Get<platform::TextBox>(u"Text1"); }
  platform::SpinEdit& Spin(const char16_t* name) { return Dialog().Get<platform::SpinEdit>(name); }
  platform::ListBox& List(const char16_t* name) { return Dialog().Get<platform::ListBox>(name); }
  platform::ComboBox& Combo1() { return Dialog().Get<platform::ComboBox>(u"Combo1"); }
  static std::vector<std::u16string> Entries(const platform::ListControl& list);

  std::u16string LastPrompt() const;
  int Shown(const std::u16string& form) const;

  // Files in code page 932, written from UTF-8 text.
  std::filesystem::path SettingsFile() const { return folder / "Quenzel.ini"; }
  std::filesystem::path TextListFile() const { return plugin_folder / "TextList.TXT"; }
  static void WriteFile(const std::filesystem::path& path, const std::string& utf8_text);
  static std::string ReadFile(const std::filesystem::path& path);

  std::filesystem::path folder;
  std::filesystem::path plugin_folder;
  qiv::ModuleState module;
  testhost::RecordingHost host;
  QuenzelCommand* command = nullptr;
  std::unique_ptr<qiv::QivOptCmd200> control;
};

}  // namespace quenzel::testing
