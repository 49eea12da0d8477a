// Creation wrappers: each raises its creation event (with `takasa` and `atumi` 0 where the event
// has them) and then the creation epilogue. Each returns the new entity's number as the host
// answers it, negative when the host refused.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "array_buffer.h"
#include "module_state.h"
#include "qiv_opt_cmd200.h"

namespace qiv::services {

std::int32_t AddPoint(QivOptCmd200& control, double x, double y);
// A text showing `value` with `ndec` decimals; `genten` is widened to a Long.
std::int32_t AddNumText(QivOptCmd200& control, double value, std::int32_t ndec, double x0,
                        double y0, double h, double kaiten, std::int16_t genten);
// Dimension entities of dimension `dimno`.
std::int32_t AddDimPoint(QivOptCmd200& control, double x, double y, std::int32_t dimno);
std::int32_t AddDimLine(QivOptCmd200& control, double x1, double y1, double x2, double y2,
                        std::int32_t dimno);
std::int32_t AddDimCircle(QivOptCmd200& control, double x, double y, double r, std::int32_t dimno);
std::int32_t AddDimArc(QivOptCmd200& control, double x, double y, double r, double s, double e,
                       std::int32_t dimno);
std::int32_t AddDimText(QivOptCmd200& control, const std::u16string& text, double x0, double y0,
                        double h, double kaiten, std::int16_t genten, std::int32_t dimno);
// Ellipses and elliptic arcs: centre, radii along and across `rotate`, angles `s` to `e`.
std::int32_t AddEllipse(QivOptCmd200& control, double x, double y, double xr, double yr,
                        double rotate);
std::int32_t AddEArc(QivOptCmd200& control, double x, double y, double xr, double yr, double rotate,
                     double s, double e);
std::int32_t InsertSymbol(QivOptCmd200& control, const std::u16string& name, double x, double y,
                          double xscale, double yscale, double rotate);
std::int32_t InsertOverlay(QivOptCmd200& control, const std::u16string& filename, double x,
                           double y, double xscale, double yscale, double rotate);
std::int32_t InsertImage(QivOptCmd200& control, const std::u16string& filename, double x1,
                         double y1, double x2, double y2, double rotate);
// A dimension of kind `kind` through up to three points.
std::int32_t InsertDim(QivOptCmd200& control, std::int32_t kind, double x1, double y1, double x2,
                       double y2, double x3, double y3, std::int32_t dimno);
// A leader through `points`, handed over in the array buffer, with its text.
std::int32_t InsertLeader(QivOptCmd200& control, const std::u16string& text,
                          const std::vector<Point2>& points);
// A leader of one segment, from (x1, y1) to (x2, y2).
std::int32_t InsertLeader(QivOptCmd200& control, const std::u16string& text, double x1, double y1,
                          double x2, double y2);
// The whole RecordArray as one compound entity (the support module's package writer); -1 with
// nothing added when the array holds a record that cannot be part of a package.
std::int32_t AddPackage(QivOptCmd200& control, ModuleState& module);

}  // namespace qiv::services
