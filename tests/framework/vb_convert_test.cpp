// The runtime's conversions from text: blanks around the number and a sign are taken, a decimal
// point is the only separator whatever the locale, a number too small to hold reads as zero, and
// anything else is a type mismatch.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "runtime_error.h"
#include "vb_convert.h"

namespace {

TEST(VbConvert, TextToDouble) {
  struct Case {
    std::u16string text;
    std::optional<double> value;  // none: type mismatch
  };
  const Case cases[] = {
      {u" 2.5 ", 2.5}, {u"+5", 5},   {u"-0.125", -0.125}, {u"1e5", 100000},   {u".5", 0.5},
      {u"5.", 5},      {u"\n7", 7},  {u"1e-400", 0},      {u"-1e-400", -0.0}, {u"1e400", {}},
      {u"2,5", {}},    {u"inf", {}}, {u"0x10", {}},       {u"", {}},          {u"--5", {}},
      {u"+-5", {}},    {u"- 5", {}}, {u"5 5", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
    try {
      const double value = qiv::ToDouble(c.text);
      ASSERT_TRUE(c.value.has_value()) << "read as " << value;
      EXPECT_EQ(value, *c.value);
    } catch (const platform::RuntimeError& error) {
      EXPECT_FALSE(c.value.has_value());
      EXPECT_EQ(error.number(), platform::error::kTypeMismatch);
    }
  }
}

}  // namespace
