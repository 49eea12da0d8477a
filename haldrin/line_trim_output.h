// The line trim's output: after the third pick, replaces the picked line by its two pieces and
// adds the symbol and joint marks at the trim point, as one undo step.
#pragma once

#include "module_state.h"
#include "picking_state.h"
#include "qiv_opt_cmd200.h"
#include "trim_point.h"

namespace haldrin {

// Splits line 1 of `picks` at the foot of `trim.TrimPoint`. When `picks.FoundNo` (the third
// search's answer) is not negative, the third point hit a line, any line: the side of the trim
// point it chose becomes the upper pipe, with a symbol arc. Otherwise both sides stop short of a
// symbol circle. The host's active attributes are left as the last new entity needed them.
void Output(qiv::QivOptCmd200& control, qiv::ModuleState& module,
            const skeleton::PickingState& picks, const TrimPointState& trim);

}  // namespace haldrin
