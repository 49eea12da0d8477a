// The host calls the three trim commands' output routines share: drawing the computed shapes,
// replacing the picked lines, and the attributes of the new entities.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>

#include "module_state.h"
#include "picking_state.h"
#include "qiv_opt_cmd200.h"
#include "trim_geometry.h"

namespace skeleton {

void Draw(qiv::QivOptCmd200& control, const Line& line);
// A piece that the geometry left out draws nothing.
void Draw(qiv::QivOptCmd200& control, const std::optional<Line>& line);
void Draw(qiv::QivOptCmd200& control, const Arc& arc);
void Draw(qiv::QivOptCmd200& control, const Circle& circle);

// Takes the picked entities off the screen, then deletes them.
void EraseAndDelete(qiv::QivOptCmd200& control, std::initializer_list<std::int32_t> entities);

// The new pipes take the attributes of a picked line.
void TakeAttributesOf(qiv::QivOptCmd200& control, std::int32_t entity);

// Arcs, circles and joint marks are drawn with line type 1.
void UseSymbolLineType(qiv::QivOptCmd200& control, qiv::ModuleState& module);

// The riser forms shared by the elbow and the tee: a line picked twice gets the riser mark at its
// end nearer the third point; a riser circle replaces the line by its piece and the circle.
void RiserMarkOutput(qiv::QivOptCmd200& control, qiv::ModuleState& module,
                     const PickingState& picks);
void RiserCircleOutput(qiv::QivOptCmd200& control, qiv::ModuleState& module,
                       const PickingState& picks);

// Tells the user that the picked lines do not meet ("Trim Err !! ") and starts the picking over.
void RefuseTrim(std::int16_t& input_stage);

}  // namespace skeleton
