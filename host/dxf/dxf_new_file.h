// The file a drawing that was not read from DXF is saved into: an empty R2000 drawing with
// the tables, blocks and objects that readers expect, and no layers (the drawing's own are
// added when it is saved).
#pragma once

#include <memory>

#include "dxf/dxf_document.h"

namespace host::dxf {

std::shared_ptr<const Document> NewFileDocument();

}  // namespace host::dxf
