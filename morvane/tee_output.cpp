#include "tee_output.h"

#include <cstdint>
#include <optional>

#include "tee_geometry.h"
#include "trim_output.h"

namespace morvane {
namespace {

using skeleton::Draw;
using skeleton::EraseAndDelete;
using skeleton::PickedLine;
using skeleton::PickPoint;
using skeleton::TakeAttributesOf;
using skeleton::UseSymbolLineType;

// Where the branch meets the main line; when it does not, tells the user and starts the picking
// over.
std::optional<Tee> TeeOrRefuse(skeleton::PickingState& picks) {
  const auto tee = FindTee(PickedLine(picks, 1), PickedLine(picks, 2));
  if (!tee) {
    skeleton::RefuseTrim(picks.InputStage);
  }
  return tee;
}

void BranchUpperOutput(qiv::QivOptCmd200& control, qiv::ModuleState& module,
                       const skeleton::PickingState& picks, const Tee& tee) {
  const auto shape = BranchUpper(tee, PickedLine(picks, 1));
  const std::int32_t main = picks.PickEntity[1];
  control.IncNumberUndo();
  EraseAndDelete(control, {main, picks.PickEntity[2]});
  TakeAttributesOf(control, main);
  Draw(control, shape.branch);
  Draw(control, shape.main_start_piece);
  Draw(control, shape.main_end_piece);
  UseSymbolLineType(control, module);
  Draw(control, shape.arc);
  for (const auto& mark : shape.marks) Draw(control, mark);
}

void MainUpperOutput(qiv::QivOptCmd200& control, qiv::ModuleState& module,
                     const skeleton::PickingState& picks, const Tee& tee) {
  const auto shape = MainUpper(tee, PickedLine(picks, 1));
  control.IncNumberUndo();
  EraseAndDelete(control, {picks.PickEntity[2]});
  TakeAttributesOf(control, picks.PickEntity[1]);
  Draw(control, shape.branch);
  UseSymbolLineType(control, module);
  for (const auto& arc : shape.arcs) Draw(control, arc);
  for (const auto& mark : shape.marks) Draw(control, mark);
}

void UpperTrimOutput(qiv::QivOptCmd200& control, qiv::ModuleState& module,
                     skeleton::PickingState& picks) {
  const auto& entity = picks.PickEntity;
  if (entity[1] == entity[2]) {
    skeleton::RiserMarkOutput(control, module, picks);
    return;
  }
  const auto tee = TeeOrRefuse(picks);
  if (!tee) return;
  if (entity[3] == entity[2])
    BranchUpperOutput(control, module, picks, *tee);
  else
    MainUpperOutput(control, module, picks, *tee);
}

void JointOutput(qiv::QivOptCmd200& control, qiv::ModuleState& module,
                 skeleton::PickingState& picks) {
  if (picks.PickEntity[1] == picks.PickEntity[2]) {
    skeleton::RiserCircleOutput(control, module, picks);
    return;
  }
  const auto tee = TeeOrRefuse(picks);
  if (!tee) return;
  const auto shape = Joint(*tee, PickedLine(picks, 1), PickPoint(picks));
  control.IncNumberUndo();
  EraseAndDelete(control, {picks.PickEntity[2]});
  TakeAttributesOf(control, picks.PickEntity[1]);
  Draw(control, shape.branch);
  Draw(control, shape.bend);
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

}  // namespace morvane
