// The elbow trim plug-in: the skeleton with Sarvik's table, dialog and output.
#include <memory>

#include "elbow_output.h"
#include "plugin_descriptor.h"
#include "user_command.h"

namespace sarvik {
namespace {

skeleton::Deliverable Table() {
  return {u"Sarvik",
          -1,
          {u"線１ を指定してください  L トリム", u"線２　指定してください",
           u"トリム方法　指定線＝上側配管にトリム　指定線外＝継ぎ手書き込み"},
          u"Sarvikﾍﾙﾌﾟ"};
}

class SarvikCommand final : public skeleton::UserCommand {
 public:
  explicit SarvikCommand(qiv::ModuleState& module)
      : UserCommand(module, Table(), skeleton::ThisPluginFolder()) {}

 protected:
  void Output() override { sarvik::Output(OptCmd(), module(), picks); }
  std::unique_ptr<skeleton::BComDlg> MakeDialog() override {
    return std::make_unique<skeleton::BComDlg>(
        *this, skeleton::TrimDialogLayout(240, 1920, 720, 3345, 1830, u"5"));
  }
};

}  // namespace
}  // namespace sarvik

namespace qiv {

const PluginDescriptor& ThisPlugin() {
  static const PluginDescriptor descriptor{
      "Sarvik", "{3F6E2A10-8C4B-4D2E-9A71-5B0C1D2E3001}", "{3F6E2A10-8C4B-4D2E-9A71-5B0C1D2E3002}",
      "{3F6E2A10-8C4B-4D2E-9A71-5B0C1D2E3003}",
      [](ModuleState& module) -> std::unique_ptr<CommandRoutines> {
        return std::make_unique<sarvik::SarvikCommand>(module);
      }};
  return descriptor;
}

}  // namespace qiv
