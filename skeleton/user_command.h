// The command skeleton all four commands share: the start checks, the option dialog, the picking
// stages with their prompts, cancel and key handling, the parking of the host's attributes around
// an output, and the end of the command.
//
// A command plugs in at two places: what a left click does at each stage (LeftClick; by default
// the pick steps and, at stage 2, the third pick), and the output routine the third pick runs.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "command_routines.h"
#include "deliverable.h"
#include "help_dialog.h"
#include "module_state.h"
#include "mouse_hook.h"
#include "option_dialog.h"
#include "picking_state.h"
#include "qiv_opt_cmd200.h"
#include "vb_bool.h"

namespace skeleton {

class UserCommand : public qiv::CommandRoutines {
 public:
  UserCommand(qiv::ModuleState& module, Deliverable deliverable, std::u16string plugin_folder);
  ~UserCommand() override;

  // The framework's calls.
  void StartCommand(qiv::QivOptCmd200& control) override;
  void EndCommand() override;
  void OnGCINEnd() override;
  void OnSelectEnd(std::int16_t sw, std::int32_t nSelect) override;
  void OnMouseEvent(std::int32_t& code, std::int32_t& nFlags, std::int32_t& pointX,
                    std::int32_t& pointY, std::int32_t& cont) override;
  void OnMouseWheel(std::int32_t& nFlags, std::int16_t& zDelta, std::int32_t& pointX,
                    std::int32_t& pointY, std::int32_t& cont) override;
  void OnKeyEvent(std::int32_t& code, std::int32_t& nChar, std::int32_t& nRepCnt,
                  std::int32_t& nFlags, std::int32_t& cont) override;
  void OnDrag() override {}
  void OnFromDrawing(std::int16_t& /*sw*/) override {}
  void OnRestart(std::int32_t& /*mode*/) override {}

  // The skeleton's routines.
  qiv::VbBool ShowOptionDialog();
  void RunOptionDialog();
  void PromptInput();
  void SelectionFinished();
  void SaveSettings();
  void LoadSettings();
  // BasePath := the host's start path less its last 10 characters (empty stays empty).
  void DetermineBasePath();
  // The search at PickPoint into FoundNo; what it finds is read into CurRecord. An entity whose
  // two ends coincide is no pipe line: it counts as nothing found.
  void SearchAtPickPoint();
  // The pick step for slot k: search at PickPoint; an entity on an unlocked layer fills slot k
  // and moves the stage to k.
  void PickStep(int k);
  // The third pick: slot 3 from the search (the lock is not asked), the host's attributes parked
  // in SavedRecord around Output(), then stage 0.
  void ThirdPick();
  // Runs the output routine between parking the host's current text and active attributes in
  // SavedRecord and restoring them, so the host has its own attributes back afterwards.
  void OutputWithParkedAttributes();

  // State kept for the life of the loaded plug-in.
  skeleton::PickingState picks;
  std::u16string BasePath;
  std::int16_t SettingsLoaded = 0;
  support::HookState hook;

  const Deliverable& deliverable() const { return deliverable_; }
  qiv::ModuleState& module() { return module_; }
  // The command's control; fails with "object variable not set" (91) outside a run.
  qiv::QivOptCmd200& OptCmd();
  BComDlg& dialog();
  support::HelpDlg& help_dialog();
  const std::u16string& plugin_folder() const { return plugin_folder_; }
  std::u16string SettingsPath() const;

 protected:
  // What a left click does at the current stage.
  virtual void LeftClick();
  // The output routine the third pick runs.
  virtual void Output() = 0;
  // Further point-input settings of a stage, applied after its prompt.
  virtual void PromptExtras() {}
  // The command's option dialog.
  virtual std::unique_ptr<BComDlg> MakeDialog() = 0;

 private:
  qiv::ModuleState& module_;
  Deliverable deliverable_;
  std::u16string plugin_folder_;
  std::unique_ptr<BComDlg> dialog_;
  std::unique_ptr<support::HelpDlg> help_dialog_;
};

// The folder of the plug-in file this code is linked into.
std::u16string ThisPluginFolder();

}  // namespace skeleton
