#include "trim_point.h"

#include "line_trim_geometry.h"

namespace haldrin {

bool EnterTrimPoint(skeleton::PickingState& picks, TrimPointState& trim) {
  const Point entered = skeleton::PickPoint(picks);
  const Line line = skeleton::PickedLine(picks, 1);
  const auto foot = Foot(entered, line);
  if (!foot || !FootWithinLine(entered, line)) return false;
  trim.TrimPoint = entered;
  trim.FootPoint = *foot;
  picks.InputStage = 2;
  return true;
}

void ApplyStageSettings(qiv::QivOptCmd200& control, std::int16_t stage,
                        const TrimPointState& trim) {
  if (stage == 1) {
    control.Snap = qiv::kTrue;
    control.Rubber = 0;
  } else if (stage == 2) {
    control.x0 = trim.FootPoint.x;
    control.y0 = trim.FootPoint.y;
    control.Rubber = 1;
  }
}

}  // namespace haldrin
