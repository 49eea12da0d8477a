#include "trim_output.h"

#include "message_box.h"

namespace skeleton {

void Draw(qiv::QivOptCmd200& control, const Line& line) {
  control.AddLine(line.start.x, line.start.y, line.end.x, line.end.y);
}

void Draw(qiv::QivOptCmd200& control, const std::optional<Line>& line) {
  if (line) Draw(control, *line);
}

void Draw(qiv::QivOptCmd200& control, const Arc& arc) {
  control.AddArc(arc.centre.x, arc.centre.y, arc.r, arc.start, arc.end);
}

void Draw(qiv::QivOptCmd200& control, const Circle& circle) {
  control.AddCircle(circle.centre.x, circle.centre.y, circle.r);
}

void EraseAndDelete(qiv::QivOptCmd200& control, std::initializer_list<std::int32_t> entities) {
  for (const auto n : entities) control.DrawObject(n, qiv::kFalse);
  for (const auto n : entities) control.SetDeleteDate(n);
}

void TakeAttributesOf(qiv::QivOptCmd200& control, std::int32_t entity) {
  control.ReadRecord(entity);
  control.SetActiveAtr();
}

void UseSymbolLineType(qiv::QivOptCmd200& control, qiv::ModuleState& module) {
  module.CurRecord.ltype = 1;
  control.SetActiveAtr();
}

void RiserMarkOutput(qiv::QivOptCmd200& control, qiv::ModuleState& module,
                     const PickingState& picks) {
  const auto shape = RiserMark(PickPoint(picks), PickedLine(picks, 1));
  control.IncNumberUndo();
  TakeAttributesOf(control, picks.PickEntity[1]);
  UseSymbolLineType(control, module);
  Draw(control, shape.arc);
  Draw(control, shape.mark);
}

void RiserCircleOutput(qiv::QivOptCmd200& control, qiv::ModuleState& module,
                       const PickingState& picks) {
  const auto shape = RiserCircle(PickPoint(picks), PickedLine(picks, 1));
  const std::int32_t line = picks.PickEntity[1];
  control.IncNumberUndo();
  EraseAndDelete(control, {line});
  TakeAttributesOf(control, line);
  Draw(control, shape.piece);
  UseSymbolLineType(control, module);
  Draw(control, shape.circle);
  Draw(control, shape.mark);
}

void RefuseTrim(std::int16_t& input_stage) {
  input_stage = 0;
  platform::MessageBox(u"Trim Err !! ");
}

}  // namespace skeleton
