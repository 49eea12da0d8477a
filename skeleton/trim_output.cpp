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

void RefuseTrim(std::int16_t& input_stage) {
  input_stage = 0;
  platform::MessageBox(u"Trim Err !! ");
}

}  // namespace skeleton
