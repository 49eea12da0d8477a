// Plane geometry of the drawn kinds: extents, distance from a point, arc sweep.
//
// Angles are degrees counterclockwise from +x. An arc runs counterclockwise from its start to
// its end angle; the angles need not be normalised, and equal angles make a full circle.
#pragma once

#include <optional>

#include "entity.h"

namespace host {

struct Box {
  double min_x = 0;
  double min_y = 0;
  double max_x = 0;
  double max_y = 0;

  void Extend(const Box& other);
};

// The extents of a drawn kind, or nothing for a record the host does not draw. Arcs are
// given the box of their full circle and texts the box of their reference point: both are
// only used to narrow a search or a picture, never to decide a hit.
std::optional<Box> BoundsOf(const Entity& entity);

// The counterclockwise sweep of an arc from `start` to `end`, in (0, 360].
double ArcSweep(double start, double end);

// Euclidean distance from (x, y) to the entity: to a line's segment, a circle's or an arc's
// curve (an arc's end point when (x, y) lies outside its sweep), a point or a text's reference
// point. Nothing for a record the host does not draw.
std::optional<double> DistanceTo(const Entity& entity, double x, double y);

}  // namespace host
