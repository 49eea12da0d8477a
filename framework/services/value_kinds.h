// How a single-value wrapper's value travels: the variable kind of the event argument and the
// conversions in each direction, Boolean rules included.
#pragma once

#include <cstdint>
#include <string>

#include "vb_bool.h"

namespace qiv::services::kinds {

// Kinds whose value travels unchanged.
template <typename T>
struct Unchanged {
  using Value = T;
  using Wire = T;
  static Value FromHost(const Wire& wire) { return wire; }
  static Wire ToHost(const Value& value) { return value; }
};

using Short = Unchanged<std::int16_t>;
using Long = Unchanged<std::int32_t>;
using Double = Unchanged<double>;
using String = Unchanged<std::u16string>;

// A Boolean in a 16-bit argument: true when the host answers 1; sent as 1 for true (-1), else 0.
struct Flag {
  using Value = VbBool;
  using Wire = std::int16_t;
  static Value FromHost(Wire wire) { return ToVbBool(wire == 1); }
  static Wire ToHost(Value value) { return OneZero(value); }
};

// A Boolean in a Long argument, with the same rule.
struct LongFlag {
  using Value = VbBool;
  using Wire = std::int32_t;
  static Value FromHost(Wire wire) { return ToVbBool(wire == 1); }
  static Wire ToHost(Value value) { return OneZero(value); }
};

// A Boolean in a Long argument that reads true for any non-zero answer.
struct LongNonZero {
  using Value = VbBool;
  using Wire = std::int32_t;
  static Value FromHost(Wire wire) { return ToVbBool(wire != 0); }
  static Wire ToHost(Value value) { return OneZero(value); }
};

// A Long result read as true when it is greater than 0.
struct Positive {
  using Value = VbBool;
  using Wire = std::int32_t;
  static Value FromHost(Wire wire) { return ToVbBool(wire > 0); }
};

}  // namespace qiv::services::kinds
