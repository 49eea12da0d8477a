// A probe command for tests of the framework and of hosts. It reports every routine the control
// calls in it through a message box, and does one small, visible edit per pick: the picked line
// is cut back to the picked point, as one undo step.
#include <memory>
#include <string>

#include "message_box.h"
#include "plugin_descriptor.h"
#include "qiv_opt_cmd200.h"
#include "runtime_error.h"

namespace {

std::u16string Number(long long value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

class ProbeCommand final : public qiv::CommandRoutines {
 public:
  explicit ProbeCommand(qiv::ModuleState& module) : module_(module) {}

  void StartCommand(qiv::QivOptCmd200& control) override {
    module_.OptCmd = &control;
    platform::MessageBox(u"probe: StartCommand");
    Prompt();
  }

  void EndCommand() override {
    if (module_.OptCmd == nullptr) return;
    module_.OptCmd->ExitCommand();
    module_.OptCmd = nullptr;
  }

  void OnGCINEnd() override {
    auto& control = *module_.OptCmd;
    // A string result "throw N" fails the call with run-time error N, as a faulty command would.
    if (control.str.rfind(u"throw ", 0) == 0) {
      const std::u16string digits = control.str.substr(6);
      throw platform::RuntimeError(std::stoi(std::string(digits.begin(), digits.end())));
    }
    if (control.sw == 1) {
      CutBackPickedLine(control);
      Prompt();
    } else if (control.sw == 2) {
      EndCommand();
    } else {
      platform::MessageBox(u"key " + Number(control.key));
      Prompt();
    }
  }

  void OnSelectEnd(std::int16_t sw, std::int32_t nSelect) override {
    platform::MessageBox(u"probe: OnSelectEnd " + Number(sw) + u" " + Number(nSelect));
  }
  void OnMouseEvent(std::int32_t& code, std::int32_t&, std::int32_t&, std::int32_t&,
                    std::int32_t& cont) override {
    cont = 100 + code;
  }
  void OnMouseWheel(std::int32_t&, std::int16_t&, std::int32_t&, std::int32_t&,
                    std::int32_t& cont) override {
    cont = 7;
  }
  void OnKeyEvent(std::int32_t& code, std::int32_t&, std::int32_t&, std::int32_t&,
                  std::int32_t& cont) override {
    cont = 200 + code;
  }
  void OnDrag() override { platform::MessageBox(u"probe: OnDrag"); }
  void OnFromDrawing(std::int16_t& sw) override {
    platform::MessageBox(u"probe: OnFromDrawing " + Number(sw));
    sw = 99;
  }
  void OnRestart(std::int32_t& mode) override {
    platform::MessageBox(u"probe: OnRestart " + Number(mode));
  }

 private:
  void Prompt() {
    auto& control = *module_.OptCmd;
    control.ResetGCINSettings();
    control.msg = u"Probe: pick a line";
    control.GCINStart();
  }

  void CutBackPickedLine(qiv::QivOptCmd200& control) {
    std::int32_t mode = 2, start = 0;
    double x = control.gcx, y = control.gcy;
    const std::int32_t found =
        control.SearchPrimitiveMode(mode, x, y, 3, 3, qiv::kTrue, start, qiv::kFalse);
    if (found < 0) return;
    control.ReadRecord(found);
    const auto& record = module_.CurRecord;
    if (control.AskLayerLock(record.layer)) return;
    const double x1 = record.x1, y1 = record.y1;
    control.IncNumberUndo();
    control.DrawObject(found, qiv::kFalse);
    control.SetDeleteDate(found);
    control.AddLine(x1, y1, control.gcx, control.gcy);
  }

  qiv::ModuleState& module_;
};

}  // namespace

namespace qiv {

const PluginDescriptor& ThisPlugin() {
  static const PluginDescriptor descriptor{
      "Probe", "{6C1D2E90-5B1A-4C57-9E0B-7A61F3D0C001}", "{6C1D2E90-5B1A-4C57-9E0B-7A61F3D0C002}",
      "{6C1D2E90-5B1A-4C57-9E0B-7A61F3D0C003}",
      [](ModuleState& module) -> std::unique_ptr<CommandRoutines> {
        return std::make_unique<ProbeCommand>(module);
      }};
  return descriptor;
}

}  // namespace qiv
