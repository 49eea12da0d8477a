#include "array_buffer.h"

#include "generic_raise.h"

namespace qiv::services {

void InitArrayBuffer(QivOptCmd200& control) {
  Raise<EventId::QivInitADouble>(control);
}

void AddArrayItem(QivOptCmd200& control, ArrayItem item) {
  auto& d = item;
  Raise<EventId::QivAddADouble>(control, d[0], d[1], d[2], d[3], d[4], d[5]);
}

void AddArrayPoints(QivOptCmd200& control, const std::vector<Point2>& points) {
  for (const Point2& point : points) AddArrayItem(control, {point.x, point.y, 0, 0, 0, 0});
}

std::int32_t ArrayItemCount(QivOptCmd200& control) {
  std::int32_t n = 0;
  Raise<EventId::QivGetnADouble>(control, n);
  return n;
}

ArrayItem GetArrayItem(QivOptCmd200& control, std::int32_t index) {
  ArrayItem d{};
  Raise<EventId::QivGetADouble>(control, index, d[0], d[1], d[2], d[3], d[4], d[5]);
  return d;
}

void SetArrayItem(QivOptCmd200& control, std::int32_t index, ArrayItem item) {
  auto& d = item;
  Raise<EventId::QivSetADouble>(control, index, d[0], d[1], d[2], d[3], d[4], d[5]);
}

std::vector<ArrayItem> GetArrayItems(QivOptCmd200& control, std::int32_t count) {
  std::vector<ArrayItem> items;
  for (std::int32_t i = 0; i < count; ++i) items.push_back(GetArrayItem(control, i));
  return items;
}

}  // namespace qiv::services
