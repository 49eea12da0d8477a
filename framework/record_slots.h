// Which record fields travel in which slots of the general entity exchange, by entity id.
//
// The same row serves reading and writing. Ids without a row carry the header only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "entity_record.h"

namespace qiv {

struct SlotRow {
  std::vector<double EntityRecord::*> doubles;          // d01, d02, ... in order
  std::vector<std::int32_t EntityRecord::*> longs;      // l01, l02, ...
  std::vector<std::u16string EntityRecord::*> strings;  // s01, s02, ...
};

inline constexpr int kLongSlots = 24;
inline constexpr int kDoubleSlots = 18;
inline constexpr int kStringSlots = 4;

// The slots of entity id `id`, or null when the id carries the header only.
const SlotRow* SlotRowOf(std::int32_t id);

}  // namespace qiv
