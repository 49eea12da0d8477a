// Routines that hand the host a list, or read one back, through the array buffer. Each starts by
// emptying the buffer.
#pragma once

#include <cstdint>
#include <vector>

#include "array_buffer.h"
#include "qiv_opt_cmd200.h"

namespace qiv::services {

// Selects by the window from (x1, y1) to (x2, y2); each option flag goes as one item whose first
// Double is 1.0 for true (-1) and 0.0 otherwise. Returns the number selected.
std::int32_t SelectWindowEndPoint(QivOptCmd200& control, double x1, double y1, double x2, double y2,
                                  const std::vector<VbBool>& options);

// Clips the drawing by the polygon through `points` into the work buffer, keeping what lies
// inside (or outside). Returns the host's result.
std::int32_t ClipByPolytoWBZ(QivOptCmd200& control, const std::vector<Point2>& points,
                             VbBool inside);

// The open documents and views, one item each, as the host lists them.
std::vector<ArrayItem> GetAllDocument(QivOptCmd200& control);
std::vector<ArrayItem> GetAllView(QivOptCmd200& control);

}  // namespace qiv::services
