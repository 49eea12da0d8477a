// The host's array buffer: a list of items of six Doubles each, through which routines hand the
// host lists of points or flags and read lists back. Items are numbered from 0.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "qiv_opt_cmd200.h"

namespace qiv::services {

using ArrayItem = std::array<double, 6>;

struct Point2 {
  double x = 0, y = 0;
};

// Empties the buffer (QivInitADouble).
void InitArrayBuffer(QivOptCmd200& control);
// Appends one item (QivAddADouble).
void AddArrayItem(QivOptCmd200& control, ArrayItem item);
// Appends one item per point: x and y, the other four Doubles 0.
void AddArrayPoints(QivOptCmd200& control, const std::vector<Point2>& points);
// The number of items in the buffer (QivGetnADouble).
std::int32_t ArrayItemCount(QivOptCmd200& control);
// Item `index` as the host answers it (QivGetADouble).
ArrayItem GetArrayItem(QivOptCmd200& control, std::int32_t index);
// Overwrites item `index` (QivSetADouble).
void SetArrayItem(QivOptCmd200& control, std::int32_t index, ArrayItem item);
// Items 0 to count - 1 as the host answers them; none for a count of 0 or less.
std::vector<ArrayItem> GetArrayItems(QivOptCmd200& control, std::int32_t count);

}  // namespace qiv::services
