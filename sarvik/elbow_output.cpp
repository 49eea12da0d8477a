#include "elbow_output.h"

#include <cstdint>
#include <optional>

#include "elbow_geometry.h"
#include "trim_output.h"

namespace sarvik {
namespace {

using skeleton::Draw;
using skeleton::EraseAndDelete;
using skeleton::PickedLine;
using skeleton::TakeAttributesOf;
using skeleton::UseSymbolLineType;

// Where lines 1 and 2 meet; when they do not, tells the user and starts the picking over.
std::optional<Point> CornerOrRefuse(skeleton::PickingState& picks) {
  const auto corner = skeleton::Intersection(PickedLine(picks, 1), PickedLine(picks, 2));
  if (!corner) {
    skeleton::RefuseTrim(picks.InputStage);
  }
  return corner;
}

void UpperTrimOutput(qiv::QivOptCmd200& control, qiv::ModuleState& module,
                     skeleton::PickingState& picks) {
  const auto& entity = picks.PickEntity;
  if (entity[1] == entity[2]) {
    skeleton::RiserMarkOutput(control, module, picks);
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
    skeleton::RiserCircleOutput(control, module, picks);
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
  if (skeleton::ThirdPickOnPickedLine(picks))
    UpperTrimOutput(control, module, picks);
  else
    JointOutput(control, module, picks);
}

}  // namespace sarvik
