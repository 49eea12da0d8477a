// Trims played through qivhost from a table of cases: the lines each case starts from, its
// clicks, and what the trim must leave in the drawing, with coordinates worked out by hand.
//
// Every case gets a copy of its lines of its own, copy k moved up by (k + 1) × kSpacing, and one
// session trims them all, one after the other, as a draughtsman goes on trimming until done.
//
// Being that far up also makes ties exact: the commands compute with a truncated π, so a point
// 1000 along a horizontal line lies 3e-12 off it; at y = 30000 and above that is less than half
// the spacing of doubles, and a point equally far from two such points by hand is equally far
// for the command too.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "qivhost_run.h"

namespace trimsession {

struct Point {
  double x = 0;
  double y = 0;
};

// The joint mark across direction t at a centre M runs from M + 2000·dir(t + 20°) to
// M + 2000·dir(t − 20°): across t = 0 from (M.x + kC, M.y + kS) to (M.x + kC, M.y − kS).
extern const double kC;  // 2000·cos 20°
extern const double kS;  // 2000·sin 20°

// Layers of the test drawings: 1 PIPE, 2 VENT and 3 FRAME, which is locked.
struct Attributes {
  int layer = 0;
  int color = 0;
  int ltype = 0;
};
inline constexpr Attributes kPipe{1, 4, 2};
inline constexpr Attributes kVent{2, 3, 0};
inline constexpr Attributes kFrame{3, 8, 0};

struct FixtureLine {
  Attributes attributes;
  Point start;
  Point end;
};

// The host's JSON drawing of `lines` on the test layers.
Json DrawingOf(const std::vector<FixtureLine>& lines);

// An entity a trim adds. Every case picks a kPipe line first, whose layer and colour all new
// entities take; new pipes also take its line type, the symbols line type 1.
struct Shape {
  std::string kind;            // "line", "arc" or "circle"
  std::vector<double> values;  // x1 y1 x2 y2 / x y r s e / x y r
  int ltype = 0;
};
Shape Pipe(Point from, Point to);
Shape Mark(Point from, Point to);
Shape Arc(Point centre, double r, double start, double end);
Shape Circle(Point centre, double r);

struct TrimCase {
  std::string name;
  std::vector<FixtureLine> lines;
  std::vector<Point> clicks;  // the three picks, and any that are refused on the way
  std::vector<int> deleted;   // the indexes into `lines` of the lines the trim deletes
  std::vector<Shape> added;   // in the order the trim adds them
};

inline constexpr double kSpacing = 30000;

// Plays every case with `plugin` in one session: the dialog answered with OK, the clicks of each
// case in turn, then cancel, and Cancel in the dialog. Checks each copy: its lines are deleted
// as the case says and otherwise unchanged, and it gained exactly the case's shapes, in order.
// Checks the journal: every trim opens one undo step before its first change and leaves the
// host's attributes as it found them.
void PlayAndCheck(const QivhostRun& run, const std::string& plugin,
                  const std::vector<TrimCase>& cases);

// Checks that the entities after the first `loaded` of `dump` are `shapes`, in order.
void ExpectAdded(const Json& dump, std::size_t loaded, const std::vector<Shape>& shapes);

}  // namespace trimsession
