#include "creation.h"

#include "generic_raise.h"
#include "record_package.h"

namespace qiv::services {

std::int32_t AddPoint(QivOptCmd200& control, double x, double y) {
  double takasa = 0, atumi = 0;
  std::int32_t position = 0;
  Raise<EventId::QivSetPoint>(control, x, y, takasa, atumi, position);
  return control.CreationEpilogue(position);
}

std::int32_t AddNumText(QivOptCmd200& control, double value, std::int32_t ndec, double x0,
                        double y0, double h, double kaiten, std::int16_t genten) {
  std::int32_t genten_long = genten, position = 0;
  Raise<EventId::QivSetNumText>(control, value, ndec, x0, y0, h, kaiten, genten_long, position);
  return control.CreationEpilogue(position);
}

std::int32_t AddDimPoint(QivOptCmd200& control, double x, double y, std::int32_t dimno) {
  double takasa = 0, atumi = 0;
  std::int32_t position = 0;
  Raise<EventId::QivSetDimPoint>(control, x, y, takasa, atumi, dimno, position);
  return control.CreationEpilogue(position);
}

std::int32_t AddDimLine(QivOptCmd200& control, double x1, double y1, double x2, double y2,
                        std::int32_t dimno) {
  double takasa = 0, atumi = 0;
  std::int32_t position = 0;
  Raise<EventId::QivSetDimLine>(control, x1, y1, x2, y2, takasa, atumi, dimno, position);
  return control.CreationEpilogue(position);
}

std::int32_t AddDimCircle(QivOptCmd200& control, double x, double y, double r, std::int32_t dimno) {
  double takasa = 0, atumi = 0;
  std::int32_t position = 0;
  Raise<EventId::QivSetDimCircle>(control, x, y, r, takasa, atumi, dimno, position);
  return control.CreationEpilogue(position);
}

std::int32_t AddDimArc(QivOptCmd200& control, double x, double y, double r, double s, double e,
                       std::int32_t dimno) {
  double takasa = 0, atumi = 0;
  std::int32_t position = 0;
  Raise<EventId::QivSetDimArc>(control, x, y, r, s, e, takasa, atumi, dimno, position);
  return control.CreationEpilogue(position);
}

std::int32_t AddDimText(QivOptCmd200& control, const std::u16string& text, double x0, double y0,
                        double h, double kaiten, std::int16_t genten, std::int32_t dimno) {
  std::u16string text_arg = text;
  std::int32_t genten_long = genten, position = 0;
  Raise<EventId::QivSetDimText>(control, text_arg, x0, y0, h, kaiten, genten_long, dimno, position);
  return control.CreationEpilogue(position);
}

std::int32_t AddEllipse(QivOptCmd200& control, double x, double y, double xr, double yr,
                        double rotate) {
  double takasa = 0, atumi = 0;
  std::int32_t position = 0;
  Raise<EventId::QivSetEllipse>(control, x, y, xr, yr, rotate, takasa, atumi, position);
  return control.CreationEpilogue(position);
}

std::int32_t AddEArc(QivOptCmd200& control, double x, double y, double xr, double yr, double rotate,
                     double s, double e) {
  double takasa = 0, atumi = 0;
  std::int32_t position = 0;
  Raise<EventId::QivSetEArc>(control, x, y, xr, yr, rotate, s, e, takasa, atumi, position);
  return control.CreationEpilogue(position);
}

std::int32_t InsertSymbol(QivOptCmd200& control, const std::u16string& name, double x, double y,
                          double xscale, double yscale, double rotate) {
  std::u16string name_arg = name;
  std::int32_t position = 0;
  Raise<EventId::QivInsertSymbol>(control, name_arg, x, y, xscale, yscale, rotate, position);
  return control.CreationEpilogue(position);
}

std::int32_t InsertOverlay(QivOptCmd200& control, const std::u16string& filename, double x,
                           double y, double xscale, double yscale, double rotate) {
  std::u16string filename_arg = filename;
  std::int32_t position = 0;
  Raise<EventId::QivInsertOverlay>(control, filename_arg, x, y, xscale, yscale, rotate, position);
  return control.CreationEpilogue(position);
}

std::int32_t InsertImage(QivOptCmd200& control, const std::u16string& filename, double x1,
                         double y1, double x2, double y2, double rotate) {
  std::u16string filename_arg = filename;
  std::int32_t position = 0;
  Raise<EventId::QivInsertImage>(control, filename_arg, x1, y1, x2, y2, rotate, position);
  return control.CreationEpilogue(position);
}

std::int32_t InsertDim(QivOptCmd200& control, std::int32_t kind, double x1, double y1, double x2,
                       double y2, double x3, double y3, std::int32_t dimno) {
  std::int32_t position = 0;
  Raise<EventId::QivInsertDim>(control, kind, x1, y1, x2, y2, x3, y3, dimno, position);
  return control.CreationEpilogue(position);
}

std::int32_t InsertLeader(QivOptCmd200& control, const std::u16string& text,
                          const std::vector<Point2>& points) {
  InitArrayBuffer(control);
  AddArrayPoints(control, points);
  std::u16string text_arg = text;
  std::int32_t nPoint = static_cast<std::int32_t>(points.size()), position = 0;
  Raise<EventId::QivInsertLeader>(control, text_arg, nPoint, position);
  return control.CreationEpilogue(position);
}

std::int32_t InsertLeader(QivOptCmd200& control, const std::u16string& text, double x1, double y1,
                          double x2, double y2) {
  return InsertLeader(control, text, {{x1, y1}, {x2, y2}});
}

std::int32_t AddPackage(QivOptCmd200& control, ModuleState& module) {
  return control.CreationEpilogue(support::WritePackage(control, module));
}

}  // namespace qiv::services
