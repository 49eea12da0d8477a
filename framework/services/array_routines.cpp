#include "array_routines.h"

#include "generic_raise.h"

namespace qiv::services {
namespace {

template <EventId event>
std::vector<ArrayItem> ReadList(QivOptCmd200& control) {
  InitArrayBuffer(control);
  std::int32_t n = 0;
  Raise<event>(control, n);
  return GetArrayItems(control, n);
}

}  // namespace

std::int32_t SelectWindowEndPoint(QivOptCmd200& control, double x1, double y1, double x2, double y2,
                                  const std::vector<VbBool>& options) {
  InitArrayBuffer(control);
  for (const VbBool option : options) AddArrayItem(control, {option == kTrue ? 1.0 : 0.0});
  std::int32_t nSelect = 0;
  Raise<EventId::QivSelectWindowEndPoint>(control, x1, y1, x2, y2, nSelect);
  return nSelect;
}

std::int32_t ClipByPolytoWBZ(QivOptCmd200& control, const std::vector<Point2>& points,
                             VbBool inside) {
  InitArrayBuffer(control);
  AddArrayPoints(control, points);
  std::int32_t nPoint = static_cast<std::int32_t>(points.size()), result = 0;
  std::int16_t inside_flag = OneZero(inside);
  Raise<EventId::QivClipByPolytoWBZ>(control, nPoint, inside_flag, result);
  return result;
}

std::vector<ArrayItem> GetAllDocument(QivOptCmd200& control) {
  return ReadList<EventId::QivGetAllDocument>(control);
}

std::vector<ArrayItem> GetAllView(QivOptCmd200& control) {
  return ReadList<EventId::QivGetAllView>(control);
}

}  // namespace qiv::services
