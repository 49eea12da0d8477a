// The tee trim's geometry: what the meeting of a branch pipe with a main pipe becomes. Pure
// functions: points in, shapes out. A line picked as both main and branch gets the shared riser
// marks (trim_geometry.h).
#pragma once

#include <array>
#include <optional>

#include "trim_geometry.h"

namespace morvane {

using skeleton::Arc;
using skeleton::Line;
using skeleton::Point;

// Where the branch meets the main line.
struct Tee {
  Point meeting;        // I, on both lines taken as unbounded
  Point branch_end;     // B, the branch's far end from I
  double branch_angle;  // the direction from I to B
};
// Nothing when the two lines are parallel.
std::optional<Tee> FindTee(const Line& main, const Line& branch);

// The branch is the upper pipe: it runs on to I, the main line is broken R short of I on both
// sides, and an arc around I opens toward the branch. A main line that ends at I or short of it
// keeps one piece, on the side where it lies.
struct BranchUpperShape {
  Line branch;
  std::optional<Line> main_start_piece;  // from the main line's start; nothing when too short
  std::optional<Line> main_end_piece;    // to the main line's end; nothing when too short
  Arc arc;
  std::array<Line, 3> marks;  // across the branch, the main line's end side, its start side
};
BranchUpperShape BranchUpper(const Tee& tee, const Line& main);

// The main line is the upper pipe: it stays whole, the branch stops R short of I, and an arc on
// each side of the main line.
struct MainUpperShape {
  std::optional<Line> branch;  // nothing when the branch is too short to keep a piece
  std::array<Arc, 2> arcs;
  std::array<Line, 3> marks;  // as for BranchUpperShape
};
MainUpperShape MainUpper(const Tee& tee, const Line& main);

// The tee fitting, chosen by the third point `pick`: the branch runs straight on to I, or is cut
// back R short of I and bent into one leg of the main line. The main line stays.
struct JointShape {
  std::optional<Line> branch;  // straight: I to B; bent: B to the cut point, unless too short
  std::optional<Line> bend;    // bent: the cut point to the main leg; straight: nothing
  std::array<Line, 3> marks;   // across the branch, the main leg, the opposite main leg
};
JointShape Joint(const Tee& tee, const Line& main, Point pick);

}  // namespace morvane
