// Measuring the trim text and reading the dialog's entries. Checks: the text's lines divide at CR
// only, so the LF of a CR LF pair is measured in the next line; a text is as long as its longest
// line; the host's font and an empty font name measure 2000 a character, any other font its
// advance at 24 points scaled by 2000 / 32; the text attributes are set for writing; the
// adjustment is the text's leading number kept within 0 to 200; a text list entry gives its first
// word.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "code_page.h"
#include "text_measure.h"
#include "trim_size_adjustment.h"
#include "trim_text_list.h"
#include "trim_text_measure.h"
#include "user_agent.h"

namespace quenzel {
namespace {

std::string Utf8(std::u16string_view text) {
  return platform::ToUtf8(text);
}

TEST(TrimTextLines, DivideAtCrWithTheLfStartingTheNextLine) {
  struct Case {
    std::u16string text;
    int crs;
    std::vector<std::u16string> lines;  // the characters of each line
  };
  const Case cases[] = {
      {u"", 0, {u""}},
      {u"GAS", 0, {u"GAS"}},
      {u"G\r\n", 1, {u"G", u"\n"}},
      {u"AB\r\nC", 1, {u"AB", u"\nC"}},
      {u"A\rB\r\r", 3, {u"A", u"B", u"", u""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8(c.text));
    EXPECT_EQ(TrimLineInfo(c.text, 1).crs, c.crs);
    for (std::size_t k = 1; k <= c.lines.size(); ++k) {
      const auto& line = c.lines[k - 1];
      const int n = static_cast<int>(line.size());
      EXPECT_EQ(TrimLineInfo(c.text, static_cast<int>(k)).line_chars, n) << "line " << k;
      for (int j = 1; j <= n; ++j)
        EXPECT_EQ(TrimLineChar(c.text, static_cast<int>(k), j), line.substr(j - 1, 1));
      EXPECT_EQ(TrimLineChar(c.text, static_cast<int>(k), n + 1), u"");
    }
    const int past = static_cast<int>(c.lines.size()) + 1;
    EXPECT_EQ(TrimLineInfo(c.text, past).line_chars, 0);
    EXPECT_EQ(TrimLineChar(c.text, past, 1), u"");
  }
}

class TrimTextMeasure : public ::testing::Test {
 protected:
  // 20 pixels a byte at any size: one byte 1250 wide, a double-byte character 2500.
  void SetUp() override { platform::UseFixedAdvanceFonts(20, {}); }
  void TearDown() override { platform::ResetHeadlessPlatform(); }
};

TEST_F(TrimTextMeasure, CharacterWidths) {
  struct Case {
    std::u16string font, s;
    double width;
  };
  const Case cases[] = {
      {u"QIV-CAD", u"G", 2000},
      {u"QIV-CAD", u"あ", 2000},
      {u"", u"G", 2000},
      {u"ＭＳ Ｐ明朝", u"G", 1250},
      {u"ＭＳ Ｐ明朝", u"あ", 2500},
      {u"qiv-cad", u"G", 1250},  // the host's font name is matched exactly
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8(c.font) + " " + Utf8(c.s));
    EXPECT_DOUBLE_EQ(MeasureChar(c.font, c.s), c.width);
  }
}

TEST_F(TrimTextMeasure, TextLengthIsItsLongestLineWithTheLfCounted) {
  struct Case {
    std::u16string font, text;
    double length;
  };
  const Case cases[] = {
      {u"QIV-CAD", u"GAS", 6000},
      {u"", u"GAS", 6000},
      {u"QIV-CAD", u"G\r\n", 2000},
      // Line 2 is LF, C, D: three characters against line 1's two.
      {u"QIV-CAD", u"AB\r\nCD", 6000},
      {u"ＭＳ Ｐ明朝", u"AB\r\nCD", 3750},
      {u"ＭＳ Ｐ明朝", u"ガス\r\nG", 5000},
      {u"ＭＳ Ｐ明朝", u"", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8(c.font) + " " + Utf8(c.text));
    qiv::EntityRecord record;
    EXPECT_DOUBLE_EQ(MeasureTrimText(record, c.text, c.font), c.length);
  }
}

// Measuring takes time in proportion to the text's length: 64k characters take milliseconds (a
// measure that looked each character up from the line's start took seconds).
// A long line is measured whole (its speed is measured in bench/, not here).
TEST_F(TrimTextMeasure, LongTextsMeasureTheirLongestLine) {
  struct Case {
    std::u16string font;
    double per_char;
  };
  const Case cases[] = {{u"QIV-CAD", 2000}, {u"ＭＳ Ｐ明朝", 1250}};
  const std::u16string text = u"short\r\n" + std::u16string(65536, u'G') + u"\r\nend";
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8(c.font));
    qiv::EntityRecord record;
    const double length = MeasureTrimText(record, text, c.font);
    // The LF of the CR LF pair is the long line's first character.
    EXPECT_DOUBLE_EQ(length, 65537 * c.per_char);
  }
}

TEST_F(TrimTextMeasure, SetsTheTextAttributesForWritingAndKeepsTheOthers) {
  qiv::EntityRecord record;
  record.ts_takasa = 250, record.ts_haba = 200, record.ts_kankaku = 30;
  record.ts_tateflag = 1, record.ts_scaleflag = 1, record.ts_Fontname = u"IPA";
  record.ts_katamuki = 15, record.ts_bold = 1, record.layer = 4;
  MeasureTrimText(record, u"G", u"ＭＳ 明朝");
  EXPECT_EQ(record.ts_takasa, 2000);
  EXPECT_EQ(record.ts_haba, 0);
  EXPECT_EQ(record.ts_kankaku, 0);
  EXPECT_EQ(record.ts_tateflag, 0);
  EXPECT_EQ(record.ts_scaleflag, 0);
  EXPECT_EQ(record.ts_Fontname, u"ＭＳ 明朝");
  EXPECT_EQ(record.ts_katamuki, 15);
  EXPECT_EQ(record.ts_bold, 1);
  EXPECT_EQ(record.layer, 4);
}

TEST(TrimSizeAdjustment, LeadingNumberKeptWithinZeroTo200) {
  struct Case {
    std::u16string text;
    double adj;
  };
  const Case cases[] = {
      {u"100", 100},    {u"250", 200},  {u"-5", 0},
      {u"abc", 0},      {u"", 0},       {u"12.5mm", 12.5},
      {u" 1 5", 15},    {u"+30", 30},   {u".5", 0.5},
      {u"-0", 0},       {u"2E1", 20},   {u"1d2", 100},
      {u"7e", 7},       {u"7e+", 7},    {u"1.2.3", 1.2},
      {u"1e999", 200},  {u"-1e999", 0}, {u"1e-999", 0},
      {u"0.5e-400", 0}, {u"５", 0},  // a full-width digit is no number
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8(c.text));
    const double adj = TrimSizeAdjustment(c.text);
    EXPECT_EQ(adj, c.adj);
    EXPECT_FALSE(std::signbit(adj));
  }
}

TEST(TrimTextList, FirstWord) {
  struct Case {
    std::u16string entry, word;
  };
  const Case cases[] = {
      {u"G  ガス管", u"G"},   {u"  G  ガス管", u"G"}, {u"　G ガス管", u""},
      {u"HW　給湯管", u"HW"}, {u"CHR", u"CHR"},       {u"", u""},
      {u"   ", u""},          {u"\tG x", u"\tG"},  // only blanks are blanks
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8(c.entry));
    EXPECT_EQ(FirstWord(c.entry), c.word);
  }
}

TEST(TrimTextList, PathInThePluginFolder) {
  EXPECT_EQ(TextListPath(u"/opt/qiv"), u"/opt/qiv/TextList.TXT");
  EXPECT_EQ(TextListPath(u"/opt/qiv/"), u"/opt/qiv/TextList.TXT");
  EXPECT_EQ(TextListPath(u"C:\\QIV\\"), u"C:\\QIV\\TextList.TXT");
}

}  // namespace
}  // namespace quenzel
