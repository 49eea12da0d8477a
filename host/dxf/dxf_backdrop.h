// The backdrop of a DXF drawing: what pictures draw of model space besides the host's model.
#pragma once

#include <string_view>
#include <vector>

#include "drawing.h"
#include "dxf/dxf_document.h"

namespace host::dxf {

// Kinds whose records the backdrop draws (the model's own kinds aside).
bool IsBackdropKind(std::string_view type);

// Draws the given model space records (each with the records it owns) into drawing.backdrop:
// block references and dimensions with their blocks' contents (nested, transformed, with their
// attributes), polylines, ellipses, splines, solids, 3-D faces, leaders and hatch boundaries.
// A record with values that are not numbers is left out of the picture.
void BuildBackdrop(const Document& document, const std::vector<Span>& records, Drawing& drawing);

}  // namespace host::dxf
