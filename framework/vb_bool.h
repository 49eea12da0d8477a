// The system's Booleans: true is -1 and false is 0, held in 16 bits.
#pragma once

#include <cstdint>

namespace qiv {

using VbBool = std::int16_t;
inline constexpr VbBool kTrue = -1;
inline constexpr VbBool kFalse = 0;

inline constexpr VbBool ToVbBool(bool value) {
  return value ? kTrue : kFalse;
}

// The 1/0 copy sent to the host: 1 exactly when the value is true (-1); 1 itself is sent as 0.
inline constexpr std::int16_t OneZero(VbBool value) {
  return value == kTrue ? 1 : 0;
}

}  // namespace qiv
