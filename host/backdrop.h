// What a picture draws besides the drawing's entities: the contents of block references and
// dimensions, polylines, ellipses, splines, filled outlines and hatch boundaries, all already
// in world coordinates. Nothing here is searched, picked or saved: it only shows the drawing
// as its file has it.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "entity.h"

namespace host {

struct BackdropPath {
  std::vector<std::array<double, 2>> points;
  bool closed = false;
  std::int32_t layer = 0;
  std::int32_t color = 7;  // colour index
  std::int32_t ltype = 0;  // its layer's line type and weight
  std::int32_t width = 0;
};

struct Backdrop {
  std::vector<BackdropPath> paths;
  // Lines, arcs, circles, points and texts inside block references, as drawn kinds.
  std::vector<Entity> entities;

  bool empty() const { return paths.empty() && entities.empty(); }
};

}  // namespace host
