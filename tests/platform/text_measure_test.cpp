// Text measuring: the fixed advance backend counts bytes; the system fonts backend, through the
// shipped font name mapping, measures a full-width glyph at about 32 pixels and a half-width one at
// about 16 in the gothic fonts at 24 pt, and lists each installed family once.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "code_page.h"
#include "text_measure.h"
#include "user_agent.h"

namespace {

platform::FontSpec At24Points(std::u16string name) {
  platform::FontSpec font;
  font.name = std::move(name);
  font.size = 24;
  return font;
}

class TextMeasureTest : public testing::Test {
 protected:
  void TearDown() override { platform::ResetHeadlessPlatform(); }
};

TEST_F(TextMeasureTest, TheFixedAdvanceBackendCountsBytesAndListsTheGivenFonts) {
  platform::UseFixedAdvanceFonts(16, {u"ＭＳ Ｐゴシック", u"@ＭＳ ゴシック"});
  EXPECT_EQ(platform::TextExtentPixels(At24Points(u"QIV-CAD"), platform::ToCodePage932(u"Gガ")),
            48);
  EXPECT_EQ(platform::TextExtentPixels(At24Points(u"x"), ""), 0);
  EXPECT_EQ(platform::ScreenFonts(),
            (std::vector<std::u16string>{u"ＭＳ Ｐゴシック", u"@ＭＳ ゴシック"}));
}

struct GlyphCase {
  std::u16string font;
  std::u16string text;
  std::int32_t pixels;
};

void PrintTo(const GlyphCase& c, std::ostream* os) {
  *os << platform::ToUtf8(c.font) << " " << platform::ToUtf8(c.text);
}

class SystemFontsTest : public testing::TestWithParam<GlyphCase> {
 protected:
  void SetUp() override { platform::UseSystemFonts(); }
  void TearDown() override { platform::ResetHeadlessPlatform(); }
};

TEST_P(SystemFontsTest, MeasuresTheMappedFontAt32PixelsPerEm) {
  const auto& c = GetParam();
  const auto width =
      platform::TextExtentPixels(At24Points(c.font), platform::ToCodePage932(c.text));
  EXPECT_NEAR(width, c.pixels, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Glyphs, SystemFontsTest,
    testing::Values(GlyphCase{u"ＭＳ ゴシック", u"図", 32}, GlyphCase{u"ＭＳ ゴシック", u"G", 16},
                    GlyphCase{u"ＭＳ ゴシック", u"ｵ", 16}, GlyphCase{u"MS Gothic", u"図G", 48},
                    GlyphCase{u"ＭＳ 明朝", u"図", 32}, GlyphCase{u"ＭＳ Ｐゴシック", u"図面", 64},
                    GlyphCase{u"MS PMincho", u"図", 32},
                    GlyphCase{u"ＭＳ ゴシック", u"トリム　G", 4 * 32 + 16}));

// A monospace font tells the mapping apart from a fallback: the proportional gothic's "i" is
// narrower than its "W", the fixed-pitch gothic's are not.
TEST_F(TextMeasureTest, ProportionalAndFixedPitchNamesReachDifferentFonts) {
  platform::UseSystemFonts();
  const auto width = [](const char16_t* font, const char16_t* text) {
    return platform::TextExtentPixels(At24Points(font), platform::ToCodePage932(text));
  };
  EXPECT_EQ(width(u"ＭＳ ゴシック", u"i"), width(u"ＭＳ ゴシック", u"W"));
  EXPECT_LT(width(u"ＭＳ Ｐゴシック", u"i"), width(u"ＭＳ Ｐゴシック", u"W"));
}

TEST_F(TextMeasureTest, TheSystemFontListHoldsEachInstalledFamilyOnce) {
  platform::UseSystemFonts();
  const auto fonts = platform::ScreenFonts();
  const std::set<std::u16string> unique(fonts.begin(), fonts.end());
  EXPECT_EQ(unique.size(), fonts.size());
  for (const auto* family : {u"IPAGothic", u"IPAPGothic", u"IPAMincho", u"IPAPMincho"}) {
    EXPECT_EQ(unique.count(family), 1u) << platform::ToUtf8(family);
  }
}

}  // namespace
