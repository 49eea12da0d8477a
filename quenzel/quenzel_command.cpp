#include "quenzel_command.h"

#include <utility>

#include "controls.h"
#include "message_box.h"
#include "quenzel_dialog.h"
#include "spin_edit.h"
#include "trim_size_adjustment.h"
#include "trim_text_measure.h"
#include "trim_text_output.h"
#include "vb_convert.h"

namespace quenzel {

skeleton::Deliverable QuenzelDeliverable() {
  return {u"Quenzel", 2, {u"文字トリム記入ポイントを指定してください", u"", u""}, u"Quenzelﾍﾙﾌﾟ"};
}

QuenzelCommand::QuenzelCommand(qiv::ModuleState& module, std::u16string plugin_folder)
    : UserCommand(module, QuenzelDeliverable(), std::move(plugin_folder)) {}

std::unique_ptr<skeleton::BComDlg> QuenzelCommand::MakeDialog() {
  return std::make_unique<QuenzelDialog>(*this);
}

void QuenzelCommand::LeftClick() {
  if (dialog().Get<platform::TextBox>(u"Text1").Text().empty()) {
    platform::MessageBox(u"Err  トリム文字が空白です");
    picks.InputStage = 0;
    RunOptionDialog();
    return;
  }
  // The pick step moves the stage to 1 when it takes the line; this command stays at stage 0.
  PickStep(1);
  if (picks.InputStage == 1) {
    picks.InputStage = 0;
    OutputWithParkedAttributes();
  }
  PromptInput();
}

void QuenzelCommand::PlaceTrimText() {
  auto& form = dialog();
  TrimTextPlacement placement{form.Get<platform::TextBox>(u"Text1").Text(), 0};
  const double length = MeasureTrimText(module().CurRecord, placement.text,
                                        form.Get<platform::ComboBox>(u"Combo1").Text());
  auto& adjustment = form.Get<platform::SpinEdit>(u"QivSpinEdit1");
  const double adj = TrimSizeAdjustment(adjustment.Text());
  adjustment.SetText(qiv::ShortestDecimal(adj));
  placement.half_gap = length * 0.5 + adj;
  WriteTrimText(OptCmd(), module(), skeleton::PickedLine(picks, 1), picks.PickEntity[1],
                skeleton::PickPoint(picks), placement);
}

}  // namespace quenzel
