#include "elbow_output.h"

#include <cstdint>
#include <initializer_list>
#include <optional>

#include "elbow_geometry.h"
#include "message_box.h"

namespace sarvik {
namespace {

using skeleton::Circle;
using skeleton::PickedLine;
using skeleton::PickPoint;

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

// Takes the picked entities off the screen, then deletes them.
void EraseAndDelete(qiv::QivOptCmd200& control, std::initializer_list<std::int32_t> entities) {
  for (const auto n : entities) control.DrawObject(n, qiv::kFalse);
  for (const auto n : entities) control.SetDeleteDate(n);
}

// New pipes take the attributes of the first picked line.
void TakeAttributesOf(qiv::QivOptCmd200& control, std::int32_t entity) {
  control.ReadRecord(entity);
  control.SetActiveAtr();
}

// Arcs, circles and joint marks are drawn with line type 1.
void UseSymbolLineType(qiv::QivOptCmd200& control, qiv::ModuleState& module) {
  module.CurRecord.ltype = 1;
  control.SetActiveAtr();
}

// Where lines 1 and 2 meet; when they do not, tells the user and starts the picking over.
std::optional<Point> CornerOrRefuse(skeleton::PickingState& picks) {
  const auto corner = skeleton::Intersection(PickedLine(picks, 1), PickedLine(picks, 2));
  if (!corner) {
    picks.InputStage = 0;
    platform::MessageBox(u"Trim Err !! ");
  }
  return corner;
}

void RiserMarkOutput(qiv::QivOptCmd200& control, qiv::ModuleState& module,
                     const skeleton::PickingState& picks) {
  const auto shape = skeleton::RiserMark(PickPoint(picks), PickedLine(picks, 1));
  control.IncNumberUndo();
  TakeAttributesOf(control, picks.PickEntity[1]);
  UseSymbolLineType(control, module);
  Draw(control, shape.arc);
  Draw(control, shape.mark);
}

void RiserCircleOutput(qiv::QivOptCmd200& control, qiv::ModuleState& module,
                       const skeleton::PickingState& picks) {
  const auto shape = skeleton::RiserCircle(PickPoint(picks), PickedLine(picks, 1));
  const std::int32_t line = picks.PickEntity[1];
  control.IncNumberUndo();
  EraseAndDelete(control, {line});
  TakeAttributesOf(control, line);
  Draw(control, shape.piece);
  UseSymbolLineType(control, module);
  Draw(control, shape.circle);
  Draw(control, shape.mark);
}

void UpperTrimOutput(qiv::QivOptCmd200& control, qiv::ModuleState& module,
                     skeleton::PickingState& picks) {
  const auto& entity = picks.PickEntity;
  if (entity[1] == entity[2]) {
    RiserMarkOutput(control, module, picks);
    return;
  }
  const auto corner = CornerOrRefuse(picks);
  if (!corner) return;
  const int other = entity[3] == entity[1] ? 2 : 1;
  const auto shape = UpperTrim(*corner, PickedLine(picks, 3), PickedLine(picks, other));
  control.IncNumberUndo();
  EraseAndDelete(control, {entity[1], entity[2]});
  TakeAttributesOf(control, entity[1]);
  Draw(control, shape.designated);
  Draw(control, shape.other);
  UseSymbolLineType(control, module);
  Draw(control, shape.arc);
  for (const auto& mark : shape.marks) Draw(control, mark);
}

void JointOutput(qiv::QivOptCmd200& control, qiv::ModuleState& module,
                 skeleton::PickingState& picks) {
  const auto& entity = picks.PickEntity;
  if (entity[1] == entity[2]) {
    RiserCircleOutput(control, module, picks);
    return;
  }
  const auto corner = CornerOrRefuse(picks);
  if (!corner) return;
  const auto shape = Joint(*corner, PickedLine(picks, 1), PickedLine(picks, 2));
  control.IncNumberUndo();
  EraseAndDelete(control, {entity[1], entity[2]});
  TakeAttributesOf(control, entity[1]);
  for (const auto& leg : shape.legs) Draw(control, leg);
  UseSymbolLineType(control, module);
  for (const auto& mark : shape.marks) Draw(control, mark);
}

}  // namespace

void Output(qiv::QivOptCmd200& control, qiv::ModuleState& module, skeleton::PickingState& picks) {
  const auto& entity = picks.PickEntity;
  const bool on_picked_line =
      picks.FoundNo >= 0 && (entity[3] == entity[1] || entity[3] == entity[2]);
  if (on_picked_line)
    UpperTrimOutput(control, module, picks);
  else
    JointOutput(control, module, picks);
}

}  // namespace sarvik
