// The trim-line text command: at its one stage, a pick on a line cuts the line open around the
// foot of the picked point and writes the trim text into the gap, turned with the line. The
// command stays at that stage until the skeleton ends it.
#pragma once

#include <memory>
#include <string>

#include "user_command.h"

namespace quenzel {

// The command's table: dimension 2 and only the stage 0 prompt.
skeleton::Deliverable QuenzelDeliverable();

class QuenzelCommand final : public skeleton::UserCommand {
 public:
  // `plugin_folder`: where the help file and the text list lie.
  QuenzelCommand(qiv::ModuleState& module, std::u16string plugin_folder);

  // One placement on the line of pick 1 at the picked point, with the dialog's trim text, font
  // and adjustment. The adjustment is kept within 0 to 200 and written back, as its shortest
  // decimal form, into the adjustment field's text.
  void PlaceTrimText();

 protected:
  // An empty trim text brings the dialog back with a message. Otherwise a line found on an
  // unlocked layer gets the trim text, with the host's text and active attributes kept around
  // it; anything else changes nothing. The same prompt follows.
  void LeftClick() override;
  void Output() override { PlaceTrimText(); }
  std::unique_ptr<skeleton::BComDlg> MakeDialog() override;
};

}  // namespace quenzel
