// The tee trim's output: after the third pick, replaces the picked lines through the host and adds
// the tee's symbols and joint marks, as one undo step.
#pragma once

#include "module_state.h"
#include "picking_state.h"
#include "qiv_opt_cmd200.h"

namespace morvane {

// Runs the trim chosen by the third pick. Line 1 of `picks` is the main line, line 2 the branch;
// line 3 counts when `picks.FoundNo` (the third search's answer) is not negative; the third point
// is its PickPoint. A third pick on the branch makes the branch the upper pipe, one on the main
// line the main line; anywhere else writes the tee fitting. Main and branch picks that found the
// same entity are one line, whose marks go to its end nearer the third point. When the lines do
// not meet, shows "Trim Err !! ", sets InputStage to 0 and changes nothing. The host's active
// attributes are left as the last new entity needed them.
void Output(qiv::QivOptCmd200& control, qiv::ModuleState& module, skeleton::PickingState& picks);

}  // namespace morvane
