// Undo steps: undoing the last step erases what it created, revives what it deleted and puts
// back what it changed; earlier steps and the loaded drawing stay as they are.
#include <gtest/gtest.h>

#include "drawing.h"

namespace host {
namespace {

TEST(UndoTest, UndoesExactlyTheLastStep) {
  Drawing drawing;
  const std::int32_t loaded = drawing.AddLoaded(MakeLine(0, 0, 10, 0));
  const std::int32_t circle = drawing.AddLoaded(MakeCircle(5, 5, 1));
  drawing.FinishLoading();

  drawing.OpenUndoStep();  // step 1: a line added
  const std::int32_t first = drawing.Add(MakeLine(0, 1, 10, 1));
  drawing.SetCreateDate(first, 1);

  drawing.OpenUndoStep();  // step 2: the loaded line replaced, the circle enlarged
  drawing.SetDeleteDate(loaded, 1);
  const std::int32_t second = drawing.Add(MakeLine(0, 0, 5, 0));
  drawing.Change(circle, MakeCircle(5, 5, 3));

  ASSERT_TRUE(drawing.Undo());
  EXPECT_EQ(drawing.undo_steps(), 1);
  EXPECT_EQ(drawing.Find(second), nullptr);
  ASSERT_NE(drawing.Find(loaded), nullptr);
  EXPECT_TRUE(drawing.Find(loaded)->live());
  EXPECT_EQ(drawing.Find(circle)->d[slot::kRadius], 1);
  ASSERT_NE(drawing.Find(first), nullptr);
  EXPECT_TRUE(drawing.Find(first)->live());

  SearchQuery at_old_line;
  at_old_line.x = 8;
  at_old_line.tolerance = 0.1;
  EXPECT_EQ(drawing.Search(at_old_line), loaded);

  ASSERT_TRUE(drawing.Undo());
  EXPECT_EQ(drawing.Find(first), nullptr);
  EXPECT_FALSE(drawing.Undo());
  EXPECT_EQ(drawing.entities().size(), 4u) << "numbers are never reused";
}

TEST(UndoTest, DatesAreStampedWithTheCurrentStepOrCleared) {
  Drawing drawing;
  const std::int32_t line = drawing.AddLoaded(MakeLine(0, 0, 1, 0));
  drawing.FinishLoading();
  drawing.OpenUndoStep();
  drawing.SetDeleteDate(line, 1);
  EXPECT_FALSE(drawing.Find(line)->live());
  drawing.SetDeleteDate(line, 0);
  EXPECT_TRUE(drawing.Find(line)->live());
  EXPECT_FALSE(drawing.SetDeleteDate(99, 1));
}

}  // namespace
}  // namespace host
