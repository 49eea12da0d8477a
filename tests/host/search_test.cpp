// Search by point: the nearest live entity within the pick tolerance is found, nothing outside
// it; deleted entities, unwanted kinds and (when asked) locked layers are skipped; a point that
// is not finite finds nothing.
#include <gtest/gtest.h>

#include <limits>

#include "drawing.h"

namespace host {
namespace {

//            y
//   3 ...... |  (3) circle r 2 at (10, 0)
//            |
//  (1) ------+------ (1) line (-10,0)-(10,0)       (4) arc r 2 at (0, 10), 0..90 degrees
//            |
//           (2) line (0,-10)-(0,-1) on locked layer 1
class SearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    drawing.AddLayer(u"1").locked = true;
    line = drawing.Add(MakeLine(-10, 0, 10, 0));
    Entity locked = MakeLine(0, -10, 0, -1);
    locked.header.layer = 1;
    locked_line = drawing.Add(locked);
    circle = drawing.Add(MakeCircle(10, 0, 2));
    arc = drawing.Add(MakeArc(0, 10, 2, 0, 90));
    text = drawing.Add(MakeText(u"T", 20, 20, 1, 0, 1));
  }

  std::int32_t Find(double x, double y, std::int32_t kinds = 0, bool include_locked = true) {
    SearchQuery query;
    query.x = x;
    query.y = y;
    query.kinds = kinds;
    query.include_locked = include_locked;
    query.tolerance = 0.5;
    return drawing.Search(query);
  }

  Drawing drawing;
  std::int32_t line = 0, locked_line = 0, circle = 0, arc = 0, text = 0;
};

TEST_F(SearchTest, FindsTheNearestEntityWithinTheTolerance) {
  struct Case {
    const char* what;
    double x, y;
    std::int32_t expected;  // -1: nothing
  };
  const Case cases[] = {
      {"on the line", -5, 0, line},
      {"just within the tolerance", -5, 0.5, line},
      {"just outside", -5, 0.51, -1},
      {"beyond the line's end", -10.4, 0, line},
      {"past the end by more", -10.6, 0, -1},
      {"on the circle, nearer than the line end", 12, 0.1, circle},
      {"inside the circle, off its curve", 10, 1, -1},
      {"on the arc's sweep", 0, 12, arc},
      {"on the arc's missing part", 0, 8, -1},
      {"on the text's reference point", 20.2, 20, text},
      {"empty space", 50, 50, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(Find(c.x, c.y), c.expected) << c.what;
}

TEST_F(SearchTest, NearestWinsAndEqualDistancesTakeTheLowerNumber) {
  // (8.4, 0.1) is 0.1 from the line and about 0.4 from the circle's curve.
  EXPECT_EQ(Find(8.4, 0.1), line);
  const std::int32_t twin = drawing.Add(MakeLine(-10, 0, 10, 0));
  EXPECT_EQ(Find(0.5, 0), line);
  EXPECT_GT(twin, line);
}

TEST_F(SearchTest, SkipsDeletedEntitiesAndFindsThemAgainAfterUndo) {
  drawing.OpenUndoStep();
  drawing.SetDeleteDate(line, 1);
  EXPECT_EQ(Find(-5, 0), -1);
  drawing.Undo();
  EXPECT_EQ(Find(-5, 0), line);
}

TEST_F(SearchTest, KindsAndLockedLayersAreFilteredAsAsked) {
  EXPECT_EQ(Find(0, -5), locked_line);
  EXPECT_EQ(Find(0, -5, 0, /*include_locked=*/false), -1);
  EXPECT_EQ(Find(12, 0, /*kinds=*/1), -1);  // lines only: the circle is not a candidate
  EXPECT_EQ(Find(12, 0, /*kinds=*/2), circle);
  EXPECT_EQ(Find(20, 20, /*kinds=*/3), -1);  // the commands' sel 3 leaves texts out
}

TEST_F(SearchTest, UnlimitedSearchFindsTheNearestAnywhere) {
  SearchQuery query;
  query.x = 0;
  query.y = -100;
  query.limited = false;
  EXPECT_EQ(drawing.Search(query), locked_line);
  query.mode = 1;  // the lowest-numbered candidate
  EXPECT_EQ(drawing.Search(query), line);
}

TEST_F(SearchTest, EntitiesBelowTheStartNumberAreSkipped) {
  SearchQuery query;
  query.x = -5;
  query.y = 0;
  query.tolerance = 100;
  query.start = line + 1;
  EXPECT_EQ(drawing.Search(query), locked_line);
}

// A point with a NaN or infinite coordinate is near nothing, whether the search is limited to the
// tolerance or not, and in either mode.
TEST_F(SearchTest, APointThatIsNotFiniteFindsNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double x, y;
  };
  const Case points[] = {{nan, nan}, {nan, 0}, {-5, nan}, {inf, 0}, {0, -inf}};
  for (const auto& point : points) {
    for (const bool limited : {true, false}) {
      for (const std::int32_t mode : {1, 2}) {
        SearchQuery query;
        query.x = point.x;
        query.y = point.y;
        query.limited = limited;
        query.mode = mode;
        query.tolerance = 1e9;
        EXPECT_EQ(drawing.Search(query), -1)
            << point.x << ", " << point.y << " limited " << limited << " mode " << mode;
      }
    }
  }
}

}  // namespace
}  // namespace host
