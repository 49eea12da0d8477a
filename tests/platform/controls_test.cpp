// The controls' own rules: list entries and the selection that follows them, the combo box's text
// following its chosen entry, the property errors, and the spin edit's number reading and writing.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include "controls.h"
#include "runtime_error.h"
#include "spin_edit.h"

namespace {

std::int32_t ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const platform::RuntimeError& error) {
    return error.number();
  }
  return 0;
}

TEST(ListControlTest, TheSelectionFollowsItsEntry) {
  platform::ListBox list(u"List2");
  for (const auto* item : {u"a", u"b", u"c"}) list.AddItem(item);
  list.SetListIndex(1);
  list.AddItem(u"first", 0);
  EXPECT_EQ(list.Text(), u"b");
  list.RemoveItem(0);
  EXPECT_EQ(list.Text(), u"b");
  list.RemoveItem(1);
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(list.Text(), u"");
  list.SetListIndex(1);
  list.Clear();
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.ListIndex(), -1);
}

TEST(ListControlTest, IndexesOutsideTheListFail) {
  platform::ListBox list(u"List1");
  list.AddItem(u"a");
  EXPECT_EQ(ErrorOf([&] { list.List(1); }), platform::error::kInvalidPropertyIndex);
  EXPECT_EQ(ErrorOf([&] { list.SetListIndex(1); }), platform::error::kInvalidPropertyValue);
  EXPECT_EQ(ErrorOf([&] { list.SetListIndex(-2); }), platform::error::kInvalidPropertyValue);
  EXPECT_EQ(ErrorOf([&] { list.AddItem(u"b", 2); }), platform::error::kInvalidArgument);
  EXPECT_EQ(ErrorOf([&] { list.RemoveItem(1); }), platform::error::kInvalidArgument);
  EXPECT_EQ(list.ListCount(), 1);
}

TEST(ComboBoxTest, ChoosingAnEntryFromCodeSetsTheTextAndRaisesNothing) {
  platform::ComboBox combo(u"Combo1");
  combo.SetText(u"ＭＳ Ｐ明朝");
  for (const auto* item : {u"ＭＳ Ｐゴシック", u"ＭＳ Ｐ明朝", u"QIV-CAD"}) combo.AddItem(item);
  int clicks = 0;
  combo.SetClickHandler([&] { ++clicks; });
  combo.SetListIndex(2);
  EXPECT_EQ(combo.Text(), u"QIV-CAD");
  combo.SetListIndex(-1);
  EXPECT_EQ(combo.Text(), u"QIV-CAD");
  EXPECT_EQ(clicks, 0);
}

TEST(CheckBoxTest, TakesZeroOneOrTwo) {
  platform::CheckBox box(u"Check4");
  box.SetValue(2);
  EXPECT_EQ(box.Value(), 2);
  EXPECT_EQ(ErrorOf([&] { box.SetValue(3); }), platform::error::kInvalidPropertyValue);
  EXPECT_EQ(ErrorOf([&] { box.SetValue(-1); }), platform::error::kInvalidPropertyValue);
  EXPECT_EQ(box.Value(), 2);
}

TEST(SpinEditTest, CodeWritesTextAndValueIndependently) {
  platform::SpinEdit spin(u"QivSpinEdit5");
  spin.SetText(u"");
  spin.SetValue(0);
  EXPECT_EQ(spin.Text(), u"");
  spin.SetText(u"250");
  EXPECT_EQ(spin.Value(), 0);
  spin.SetDesign({1, 2, 0, 2, 2, 2});
  EXPECT_EQ(spin.Design().datatype, 1);
  EXPECT_EQ(spin.Design().btntyperefe, 2);
}

struct DecimalCase {
  std::u16string text;
  std::optional<double> number;
};

void PrintTo(const DecimalCase& c, std::ostream* os) {
  *os << c.number.value_or(-1);
}

class ParseDecimalTest : public testing::TestWithParam<DecimalCase> {};

TEST_P(ParseDecimalTest, ReadsWholeDecimalNumbersOnly) {
  EXPECT_EQ(platform::ParseDecimal(GetParam().text), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseDecimalTest,
                         testing::Values(DecimalCase{u"5", 5}, DecimalCase{u"-3", -3},
                                         DecimalCase{u"+2.5", 2.5}, DecimalCase{u".5", 0.5},
                                         DecimalCase{u"1e3", 1000}, DecimalCase{u"", {}},
                                         DecimalCase{u"-", {}}, DecimalCase{u"+-1", {}},
                                         DecimalCase{u"abc", {}}, DecimalCase{u"12abc", {}},
                                         DecimalCase{u" 5", {}}, DecimalCase{u"inf", {}},
                                         DecimalCase{u"nan", {}}, DecimalCase{u"５", {}}));

TEST(ShortestDecimalTest, WritesTheShortestFormThatReadsBack) {
  EXPECT_EQ(platform::ShortestDecimal(5), u"5");
  EXPECT_EQ(platform::ShortestDecimal(2.5), u"2.5");
  EXPECT_EQ(platform::ShortestDecimal(-0.125), u"-0.125");
  EXPECT_EQ(platform::ShortestDecimal(200), u"200");
  EXPECT_EQ(platform::ShortestDecimal(0.1), u"0.1");
}

TEST(ShortestDecimalTest, WritesNoExponentAndReadsBackExactly) {
  struct Case {
    double value;
    std::u16string text;
  };
  const Case cases[] = {
      {100000, u"100000"},
      {2000000, u"2000000"},
      {-2.5e6, u"-2500000"},
      {-0.0, u"0"},
      {1e21, u"1000000000000000000000"},
      {1.5e-7, u"0.00000015"},
      {123456.789, u"123456.789"},
      {std::numeric_limits<double>::max(), u""},         // 309 digits
      {std::numeric_limits<double>::denorm_min(), u""},  // 324 places after the point
  };
  for (const auto& c : cases) {
    const std::u16string text = platform::ShortestDecimal(c.value);
    if (!c.text.empty()) {
      EXPECT_EQ(text, c.text);
    }
    EXPECT_EQ(text.find_first_of(u"eE"), std::u16string::npos) << c.value;
    EXPECT_EQ(platform::ParseDecimal(text), c.value) << c.value;
  }
}

}  // namespace
