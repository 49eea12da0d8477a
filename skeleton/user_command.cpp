#include "user_command.h"

#include <cmath>

#include "code_page.h"
#include "message_box.h"
#include "module_path.h"
#include "runtime_error.h"

namespace skeleton {

using qiv::kFalse;
using qiv::kTrue;

namespace {

constexpr char16_t kNoDrawingMessage[] = u"図面がｵｰﾌﾟﾝしてないと実行できません";

// A document title that is empty: the host answered with no drawing open.
bool NoDrawingOpen(qiv::QivOptCmd200& control) {
  std::u16string doc, view;
  control.GetActiveQivwinTitle(doc, view);
  return doc.empty();
}

}  // namespace

std::u16string ThisPluginFolder() {
  const std::u16string path =
      platform::FromUtf8(platform::ModulePathOf(reinterpret_cast<const void*>(&ThisPluginFolder)));
  const auto slash = path.find_last_of(u"/\\");
  return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash);
}

UserCommand::UserCommand(qiv::ModuleState& module, Deliverable deliverable,
                         std::u16string plugin_folder)
    : module_(module),
      deliverable_(std::move(deliverable)),
      plugin_folder_(std::move(plugin_folder)) {}

UserCommand::~UserCommand() {
  support::RemoveMouseHook(hook);
}

qiv::QivOptCmd200& UserCommand::OptCmd() {
  if (module_.OptCmd == nullptr)
    throw platform::RuntimeError(91, u"Object variable or With block variable not set");
  return *module_.OptCmd;
}

BComDlg& UserCommand::dialog() {
  if (!dialog_) dialog_ = MakeDialog();
  return *dialog_;
}

support::HelpDlg& UserCommand::help_dialog() {
  if (!help_dialog_)
    help_dialog_ = std::make_unique<support::HelpDlg>(
        deliverable_.help_caption, support::HelpFilePath(plugin_folder_, deliverable_.name));
  return *help_dialog_;
}

std::u16string UserCommand::SettingsPath() const {
  return BasePath + deliverable_.name + u".ini";
}

void UserCommand::DetermineBasePath() {
  BasePath = OptCmd().GetStartPath();
  if (BasePath.empty()) return;
  if (BasePath.size() < 10) throw platform::RuntimeError(platform::error::kInvalidArgument);
  BasePath.resize(BasePath.size() - 10);
}

void UserCommand::SaveSettings() {
  skeleton::SaveSettings(SettingsPath(), dialog().SettingItems());
}

void UserCommand::LoadSettings() {
  BComDlg& form = dialog();
  skeleton::LoadSettings(SettingsPath(), form.SettingItems(),
                         [&form] { form.AfterSettingsLoaded(); });
}

void UserCommand::StartCommand(qiv::QivOptCmd200& control) {
  module_.OptCmd = &control;
  // A run starts at stage 0 with nothing picked, however the last run ended: its lines may have
  // been edited or undone since.
  picks = PickingState{};
  try {
    if (!control.SetCommandDimension(deliverable_.dimension)) {
      EndCommand();
      return;
    }
    control.GetLong1022();
    if (SettingsLoaded == 0) {
      DetermineBasePath();
      LoadSettings();
      SettingsLoaded = 1;
    }
    if (NoDrawingOpen(control)) {
      platform::MessageBox(kNoDrawingMessage);
      EndCommand();
      return;
    }
    if (dialog().Get<platform::CheckBox>(u"Check4").Value() != 0) {
      PromptInput();
    } else {
      RunOptionDialog();
    }
  } catch (const platform::RuntimeError&) {
    EndCommand();
  }
}

qiv::VbBool UserCommand::ShowOptionDialog() {
  auto& control = OptCmd();
  control.SetLong4101(kTrue);
  if (control.GetInteger1005() == 0) support::InstallMouseHook(hook, dialog());
  if (SettingsLoaded == 0) {
    DetermineBasePath();
    LoadSettings();
    SettingsLoaded = 1;
  }
  dialog().ShowModal();
  support::RemoveMouseHook(hook);
  control.SetLong4101(kFalse);
  return dialog().bret;
}

void UserCommand::RunOptionDialog() {
  while (true) {
    if (!ShowOptionDialog()) {
      SaveSettings();
      EndCommand();
      return;
    }
    if (!NoDrawingOpen(OptCmd())) {
      PromptInput();
      return;
    }
    platform::MessageBox(kNoDrawingMessage);
  }
}

void UserCommand::PromptInput() {
  auto& control = OptCmd();
  control.Cursor = 2;
  control.Snap = kFalse;
  if (picks.InputStage == 0) {
    control.ResetGCINSettings();
    control.InitWBZ();
    control.Cursor = 2;
    control.Rubber = 0;
  }
  control.msg = deliverable_.prompt[picks.InputStage];
  PromptExtras();
  control.GCINStart();
}

void UserCommand::OnGCINEnd() {
  auto& control = OptCmd();
  if (control.sw == 1) {
    if (!std::isfinite(control.gcx) || !std::isfinite(control.gcy)) {
      // A point with a coordinate that is not a finite number finds nothing, and no output may
      // use it: the same prompt comes again, at every stage.
      PromptInput();
      return;
    }
    picks.PickPointX = control.gcx;
    picks.PickPointY = control.gcy;
    LeftClick();
  } else if (control.sw == 2) {
    switch (picks.InputStage) {
      case 0:
        SaveSettings();
        if (dialog().Get<platform::CheckBox>(u"Check5").Value() != 0) {
          EndCommand();
        } else {
          RunOptionDialog();
        }
        break;
      case 1:
        picks.InputStage = 0;
        PromptInput();
        break;
      default:
        picks.InputStage = 1;
        PromptInput();
        break;
    }
  } else {
    SaveSettings();
    RunOptionDialog();
  }
}

void UserCommand::LeftClick() {
  switch (picks.InputStage) {
    case 0:
      PickStep(1);
      PromptInput();
      break;
    case 1:
      PickStep(2);
      PromptInput();
      break;
    default:
      ThirdPick();
      break;
  }
}

void UserCommand::SearchAtPickPoint() {
  auto& control = OptCmd();
  std::int32_t mode = 2, start = 0;
  picks.FoundNo = control.SearchPrimitiveMode(mode, picks.PickPointX, picks.PickPointY, 3, 3, kTrue,
                                              start, kFalse);
  if (picks.FoundNo < 0) return;
  control.ReadRecord(picks.FoundNo);
  const auto& record = module_.CurRecord;
  if (record.x1 == record.x2 && record.y1 == record.y2) picks.FoundNo = -1;
}

void UserCommand::PickStep(int k) {
  auto& control = OptCmd();
  SearchAtPickPoint();
  if (picks.FoundNo < 0) return;
  const auto& record = module_.CurRecord;
  if (control.AskLayerLock(record.layer)) return;
  const auto slot = static_cast<std::size_t>(k);
  picks.PickX1[slot] = record.x1;
  picks.PickY1[slot] = record.y1;
  picks.PickX2[slot] = record.x2;
  picks.PickY2[slot] = record.y2;
  picks.PickEntity[slot] = picks.FoundNo;
  picks.InputStage = static_cast<std::int16_t>(k);
}

void UserCommand::ThirdPick() {
  SearchAtPickPoint();
  if (picks.FoundNo >= 0) {
    const auto& record = module_.CurRecord;
    picks.PickX1[3] = record.x1;
    picks.PickY1[3] = record.y1;
    picks.PickX2[3] = record.x2;
    picks.PickY2[3] = record.y2;
    picks.PickEntity[3] = picks.FoundNo;
  }
  OutputWithParkedAttributes();
  picks.InputStage = 0;
  PromptInput();
}

void UserCommand::OutputWithParkedAttributes() {
  auto& control = OptCmd();
  control.GetCurrentTextAtr();
  control.GetActiveAtr();
  module_.SavedRecord = module_.CurRecord;
  Output();
  module_.CurRecord = module_.SavedRecord;
  control.SetCurrentTextAtr();
  control.SetActiveAtr();
}

void UserCommand::OnSelectEnd(std::int16_t sw, std::int32_t nSelect) {
  if (nSelect > 0) {
    SelectionFinished();
  } else if (sw == 1) {
    OptCmd().SelectStart();
  } else {
    RunOptionDialog();
  }
}

void UserCommand::SelectionFinished() {
  auto& control = OptCmd();
  if (!control.GetHighLight()) control.DrawSelectedData(kTrue, kTrue);
  platform::MessageBox(u"選択処理実行中");
  control.AllSelect(kFalse, kTrue);
  RunOptionDialog();
}

void UserCommand::OnMouseEvent(std::int32_t&, std::int32_t&, std::int32_t&, std::int32_t&,
                               std::int32_t& cont) {
  cont = 0;
}

void UserCommand::OnMouseWheel(std::int32_t&, std::int16_t&, std::int32_t&, std::int32_t&,
                               std::int32_t& cont) {
  cont = 0;
}

void UserCommand::OnKeyEvent(std::int32_t&, std::int32_t&, std::int32_t&, std::int32_t&,
                             std::int32_t& cont) {
  cont = 0;
}

void UserCommand::EndCommand() {
  if (dialog_ && dialog_->IsLoaded()) dialog_->Unload();
  if (module_.OptCmd != nullptr) module_.OptCmd->ExitCommand();
  module_.OptCmd = nullptr;
}

}  // namespace skeleton
