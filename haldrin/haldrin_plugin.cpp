// The line trim plug-in: the skeleton with Haldrin's table, dialog, trim point and output.
#include <memory>

#include "line_trim_output.h"
#include "plugin_descriptor.h"
#include "trim_point.h"
#include "user_command.h"

namespace haldrin {
namespace {

skeleton::Deliverable Table() {
  return {u"Haldrin",
          -1,
          {u"線 を指定してください　　Line トリム　", u"トリムポイント を指定してください",
           u"トリム方法　線指定（ポイントの左右）＝指定側を上側配管にトリム　指定線外＝立ち上げ配管"
           u"トリム"},
          u"Haldrinｵﾌﾟｼｮﾝｺﾏﾝﾄﾞ ﾍﾙﾌﾟ"};
}

class HaldrinCommand final : public skeleton::UserCommand {
 public:
  explicit HaldrinCommand(qiv::ModuleState& module)
      : UserCommand(module, Table(), skeleton::ThisPluginFolder()) {}

 protected:
  // Stage 1 takes the trim point instead of a second line; a point whose foot lies off the line
  // is refused and the stage 1 prompt comes again.
  void LeftClick() override {
    if (picks.InputStage != 1) {
      UserCommand::LeftClick();
      return;
    }
    EnterTrimPoint(picks, trim_);
    PromptInput();
  }
  void PromptExtras() override { ApplyStageSettings(OptCmd(), picks.InputStage, trim_); }
  void Output() override { haldrin::Output(OptCmd(), module(), picks, trim_); }
  std::unique_ptr<skeleton::BComDlg> MakeDialog() override {
    return std::make_unique<skeleton::BComDlg>(
        *this, skeleton::TrimDialogLayout(120, 1800, 600, 3195, 1740, u"50"));
  }

 private:
  TrimPointState trim_;
};

}  // namespace
}  // namespace haldrin

namespace qiv {

const PluginDescriptor& ThisPlugin() {
  static const PluginDescriptor descriptor{
      "Haldrin", "{3F6E2A10-8C4B-4D2E-9A71-5B0C1D2E5001}", "{3F6E2A10-8C4B-4D2E-9A71-5B0C1D2E5002}",
      "{3F6E2A10-8C4B-4D2E-9A71-5B0C1D2E5003}",
      [](ModuleState& module) -> std::unique_ptr<CommandRoutines> {
        return std::make_unique<haldrin::HaldrinCommand>(module);
      }};
  return descriptor;
}

}  // namespace qiv
