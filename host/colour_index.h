// The drawing colour index (1..255) as RGB, for pictures on a dark background.
#pragma once

#include <cstdint>

namespace host {

struct Rgb {
  double r = 1;
  double g = 1;
  double b = 1;
};

// Index 7 is white here, as on a dark screen; an index outside 1..255 draws white too.
Rgb ColourOfIndex(std::int32_t index);

}  // namespace host
