#include "line_trim_output.h"

#include <cstdint>
#include <optional>

#include "line_trim_geometry.h"
#include "trim_output.h"

namespace haldrin {
namespace {

using skeleton::Draw;
using skeleton::UseSymbolLineType;

// Takes the picked line off the screen and deletes it; its attributes become the active ones.
void ReplacePickedLine(qiv::QivOptCmd200& control, std::int32_t line) {
  control.IncNumberUndo();
  control.DrawObject(line, qiv::kFalse);
  control.SetDeleteDate(line);
  control.ReadRecord(line);
  control.SetActiveAtr();
}

}  // namespace

void Output(qiv::QivOptCmd200& control, qiv::ModuleState& module,
            const skeleton::PickingState& picks, const TrimPointState& trim) {
  const Line line = skeleton::PickedLine(picks, 1);
  const Point pick = skeleton::PickPoint(picks);
  if (picks.FoundNo >= 0) {
    const auto shape = UpperTrim(trim.TrimPoint, line, pick);
    ReplacePickedLine(control, picks.PickEntity[1]);
    Draw(control, shape.start_piece);
    Draw(control, shape.end_piece);
    UseSymbolLineType(control, module);
    control.AddArc(shape.arc.centre.x, shape.arc.centre.y, shape.arc.r, shape.arc.start,
                   shape.arc.end);
    for (const auto& mark : shape.marks) Draw(control, mark);
  } else {
    const auto shape = RiserTrim(trim.TrimPoint, line, pick);
    ReplacePickedLine(control, picks.PickEntity[1]);
    Draw(control, shape.start_piece);
    Draw(control, shape.end_piece);
    UseSymbolLineType(control, module);
    control.AddCircle(shape.circle.centre.x, shape.circle.centre.y, shape.circle.r);
    for (const auto& mark : shape.marks) Draw(control, mark);
  }
}

}  // namespace haldrin
