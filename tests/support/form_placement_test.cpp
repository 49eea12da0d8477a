// Placing a form at the cursor: the nine placement codes and the clamps to the screen.
#include <gtest/gtest.h>

#include "controls.h"
#include "form_placement.h"
#include "user_agent.h"
#include "window_system.h"

namespace support {
namespace {

namespace win = platform::win;

class SizedForm : public platform::Form {
 public:
  SizedForm(double width, double height) : Form(u"Sized"), width_(width), height_(height) {}

 protected:
  void Design() override {
    SetWidth(width_);
    SetHeight(height_);
  }

 private:
  double width_, height_;
};

class FormPlacement : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::ResetHeadlessPlatform();
    win::SetFullScreenSize(1000, 800);  // 15000 x 12000 twips
  }
  void TearDown() override { platform::ResetHeadlessPlatform(); }
};

TEST_F(FormPlacement, CodesPlaceTheFormAroundTheCursor) {
  win::SetCursorPos({400, 300});  // 6000, 4500 twips
  SizedForm form(3000, 2000);
  struct Case {
    std::int16_t code;
    double x, y;
  };
  const Case cases[] = {{0, 6000, 4500}, {1, 4500, 4500}, {2, 3000, 4500},
                        {3, 6000, 3500}, {4, 4500, 3500}, {5, 3000, 3500},
                        {6, 6000, 2500}, {7, 4500, 2500}, {8, 3000, 2500}};
  for (const auto& c : cases) {
    double x = -1, y = -1;
    PlaceFormAtCursor(form, x, y, c.code);
    EXPECT_EQ(x, c.x) << c.code;
    EXPECT_EQ(y, c.y) << c.code;
  }
}

TEST_F(FormPlacement, ClampsKeepTheFormOnTheScreen) {
  struct Case {
    win::POINT cursor;
    double width, height;
    std::int16_t code;
    double x, y;
  };
  const Case cases[] = {
      // Centred on a cursor near the left edge: pushed to 0.
      {{6, 300}, 4395, 1000, 1, 0, 4500},
      // Near the bottom-right corner: right and bottom edges on the screen's edges.
      {{990, 790}, 3000, 2000, 0, 12000, 10000},
      // Wider and taller than the screen: the far edges on the screen's edges, so negative.
      {{10, 10}, 16000, 13000, 0, -1000, -1000},
  };
  for (const auto& c : cases) {
    win::SetCursorPos(c.cursor);
    SizedForm form(c.width, c.height);
    double x = 0, y = 0;
    PlaceFormAtCursor(form, x, y, c.code);
    EXPECT_EQ(x, c.x);
    EXPECT_EQ(y, c.y);
  }
}

TEST_F(FormPlacement, CursorPositionIsInTwips) {
  win::SetCursorPos({7, -2});
  double x = 0, y = 0;
  EXPECT_NE(GetCursorPosition(x, y), 0);
  EXPECT_EQ(x, 105);
  EXPECT_EQ(y, -30);
}

}  // namespace
}  // namespace support
