// The trim text's output: cuts the picked line open around the foot of the picked point and
// writes the text into the gap, as one undo step.
#pragma once

#include <cstdint>
#include <string>

#include "module_state.h"
#include "qiv_opt_cmd200.h"
#include "trim_geometry.h"

namespace quenzel {

// What one placement writes: the text (CR LF pairs included) and half the gap's length, h.
struct TrimTextPlacement {
  std::u16string text;
  double half_gap = 0;
};

// Makes the host calls of one placement, in this order: the text part of CurRecord (set by
// MeasureTrimText) becomes the host's current text attributes; one undo step; the picked line
// `entity` is erased and deleted and its attributes become the active ones; the pieces that stay
// of `picked` are added; then, with line type 1, the text at the foot of `pick`, turned with the
// line. The host's active attributes are left as the text needed them.
void WriteTrimText(qiv::QivOptCmd200& control, qiv::ModuleState& module,
                   const skeleton::Line& picked, std::int32_t entity, skeleton::Point pick,
                   const TrimTextPlacement& placement);

}  // namespace quenzel
