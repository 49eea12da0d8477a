// The line trim's own picking between the line and the third point: the trim point, and the
// prompt settings that let the user snap it and then pull a rubber band from its foot.
#pragma once

#include <cstdint>

#include "picking_state.h"
#include "qiv_opt_cmd200.h"
#include "trim_geometry.h"

namespace haldrin {

// The line trim's picking state beside the skeleton's.
struct TrimPointState {
  skeleton::Point TrimPoint;  // the entered trim point
  skeleton::Point FootPoint;  // its foot on the picked line: where the rubber band starts
};

// The left click at stage 1, at `picks`' PickPoint: takes the point as the trim point when its
// foot on line 1 lies between the line's ends, sets TrimPoint and FootPoint and moves to stage 2.
// A point whose foot falls beyond either end (or a line without length) changes nothing, so the
// stage 1 prompt comes again. Answers whether the point was taken.
bool EnterTrimPoint(skeleton::PickingState& picks, TrimPointState& trim);

// The line trim's prompt settings for `stage`, made after the skeleton's own: at stage 1 snapping
// on and no rubber band, at stage 2 a rubber band from FootPoint. Stage 0 has none of its own.
void ApplyStageSettings(qiv::QivOptCmd200& control, std::int16_t stage, const TrimPointState& trim);

}  // namespace haldrin
