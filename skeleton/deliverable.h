// The values in which the four commands' skeletons differ: one table per command.
#pragma once

#include <cstdint>
#include <string>

namespace skeleton {

struct Deliverable {
  // The command's name: the dialog's caption and the stem of its settings and help files.
  std::u16string name;
  // The argument of SetCommandDimension: -1 for the trim commands, 2 for the text command.
  std::int32_t dimension = -1;
  // The prompts of stages 0, 1 and 2 ("　" is U+3000, every other blank an ASCII space).
  std::u16string prompt[3];
  // The help window's caption.
  std::u16string help_caption;
};

}  // namespace skeleton
