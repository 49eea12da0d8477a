// The elbow trim's output: after the third pick, replaces the two picked lines through the host
// and adds the elbow's marks, as one undo step.
#pragma once

#include "module_state.h"
#include "picking_state.h"
#include "qiv_opt_cmd200.h"

namespace sarvik {

// Runs the trim chosen by the third pick. Reads lines 1 and 2 and, when `picks.FoundNo` (the third
// search's answer) is not negative, line 3 from `picks`, and the third point from its PickPoint.
// A third pick on line 1 or line 2 makes that line the upper pipe; anywhere else writes the joint.
// Lines whose picks found the same entity are one line, whose marks go to its end nearer the third
// point. When lines 1 and 2 do not meet, shows "Trim Err !! ", sets InputStage to 0 and changes
// nothing. The host's active attributes are left as the last new entity needed them.
void Output(qiv::QivOptCmd200& control, qiv::ModuleState& module, skeleton::PickingState& picks);

}  // namespace sarvik
