// A command on the skeleton, driven in-process as the host drives it: a recording host answers
// the framework's events from a small drawing, a scripted user answers the dialogs, and the
// command's output routine only records that it ran.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "code_page.h"
#include "message_box.h"
#include "module_state.h"
#include "qiv_opt_cmd200.h"
#include "recording_host.h"
#include "user_agent.h"
#include "user_command.h"

namespace skeleton::testing {

// Sarvik's table, for a command whose output is a probe.
inline Deliverable ElbowDeliverable() {
  return {u"Sarvik",
          -1,
          {u"線１ を指定してください  L トリム", u"線２　指定してください",
           u"トリム方法　指定線＝上側配管にトリム　指定線外＝継ぎ手書き込み"},
          u"Sarvikﾍﾙﾌﾟ"};
}

class ProbeOutputCommand : public UserCommand {
 public:
  using UserCommand::UserCommand;
  int outputs = 0;
  // What the output changes: the active layer, as a real output sets its entities' attributes.
  std::int32_t output_layer = 99;

 protected:
  void Output() override {
    ++outputs;
    module().CurRecord.layer = output_layer;
    OptCmd().SetActiveAtr();
  }
  std::unique_ptr<BComDlg> MakeDialog() override {
    return std::make_unique<BComDlg>(*this, TrimDialogLayout(240, 1920, 720, 3345, 1830, u"5"));
  }
};

// One entity of the host's drawing: a line on a layer, found by a pick at its start point.
struct HostLine {
  std::int32_t no;
  double x1, y1, x2, y2;
  std::int32_t layer = 1;
  bool locked = false;
};

class SkeletonTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The host's answers.
  std::u16string version = u"4,0,2,3";
  std::u16string doc_title = u"plan.dxf";
  std::int32_t dimension_answer = 1;
  std::u16string start_path;  // folder + "QIVCAD.EXE" unless a test changes it
  std::vector<HostLine> lines;

  // What the user does with each modal form, in order.
  std::deque<platform::UserAction> user;
  void UserClicks(std::u16string name) { user.push_back(platform::action::Click{name}); }

  // Incoming calls.
  void Init() { control->QivInitCommand(); }
  void Pick(double x, double y) { GcinEnd(1, x, y, 0); }
  void Cancel() { GcinEnd(2, 0, 0, 0); }
  void Key(std::int32_t code) { GcinEnd(3, 0, 0, code); }
  void GcinEnd(std::int32_t sw, double x, double y, std::int32_t key);

  std::int16_t stage() const { return command->picks.InputStage; }
  std::u16string LastPrompt() const;
  int Shown(const std::u16string& form) const;
  std::vector<std::u16string> MessageBoxes() const { return platform::MessageBoxesShown(); }
  std::filesystem::path SettingsFile() const { return folder / "Sarvik.ini"; }
  void WriteSettings(const std::string& utf8_text);
  std::string ReadSettings() const;

  std::filesystem::path folder;
  qiv::ModuleState module;
  testhost::RecordingHost host;
  ProbeOutputCommand* command = nullptr;
  std::unique_ptr<qiv::QivOptCmd200> control;
};

}  // namespace skeleton::testing
