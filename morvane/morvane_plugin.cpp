// The tee trim plug-in: the skeleton with Morvane's table, dialog and output.
#include <memory>

#include "plugin_descriptor.h"
#include "tee_output.h"
#include "user_command.h"

namespace morvane {
namespace {

skeleton::Deliverable Table() {
  return {u"Morvane",
          -1,
          {u" 主管線 を指定してください　　T トリム", u" 岐管線 を指定してください",
           u"トリム方法　指定線＝上側配管にトリム　指定線外＝継ぎ手書き込み"},
          u"Morvaneﾍﾙﾌﾟ"};
}

class MorvaneCommand final : public skeleton::UserCommand {
 public:
  explicit MorvaneCommand(qiv::ModuleState& module)
      : UserCommand(module, Table(), skeleton::ThisPluginFolder()) {}

 protected:
  void Output() override { morvane::Output(OptCmd(), module(), picks); }
  std::unique_ptr<skeleton::BComDlg> MakeDialog() override {
    return std::make_unique<skeleton::BComDlg>(
        *this, skeleton::TrimDialogLayout(120, 1800, 600, 3195, 1710, u"5"));
  }
};

}  // namespace
}  // namespace morvane

namespace qiv {

const PluginDescriptor& ThisPlugin() {
  static const PluginDescriptor descriptor{
      "Morvane", "{3F6E2A10-8C4B-4D2E-9A71-5B0C1D2E4001}", "{3F6E2A10-8C4B-4D2E-9A71-5B0C1D2E4002}",
      "{3F6E2A10-8C4B-4D2E-9A71-5B0C1D2E4003}",
      [](ModuleState& module) -> std::unique_ptr<CommandRoutines> {
        return std::make_unique<morvane::MorvaneCommand>(module);
      }};
  return descriptor;
}

}  // namespace qiv
