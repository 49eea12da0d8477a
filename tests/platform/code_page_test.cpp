// Code page 932 and UTF-8 conversion: the commands' Japanese texts (full-width, half-width
// katakana, ideographic spaces) survive a round trip with the expected byte counts; what code page
// 932 cannot hold, or what is not valid, becomes "?".
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "code_page.h"

namespace {

struct RoundTripCase {
  std::u16string text;
  std::size_t bytes;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
  *os << platform::ToUtf8(c.text);
}

class CodePage932Test : public testing::TestWithParam<RoundTripCase> {};

TEST_P(CodePage932Test, RoundTripsWithOneByteForHalfWidthAndTwoForFullWidth) {
  const std::string bytes = platform::ToCodePage932(GetParam().text);
  EXPECT_EQ(bytes.size(), GetParam().bytes);
  EXPECT_EQ(platform::FromCodePage932(bytes), GetParam().text);
  EXPECT_EQ(platform::FromUtf8(platform::ToUtf8(GetParam().text)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CodePage932Test,
    testing::Values(
        // 3 full-width, 5 half-width katakana, 12 full-width
        RoundTripCase{u"図面がｵｰﾌﾟﾝしてないと実行できません", 3 * 2 + 5 + 12 * 2},
        RoundTripCase{u"線１ を指定してください  L トリム", 2 * 2 + 1 + 9 * 2 + 4 + 3 * 2},
        RoundTripCase{u"トリム方法　指定線＝上側配管にトリム　指定線外＝継ぎ手書き込み", 31 * 2},
        RoundTripCase{u"トリムサイズ調整範囲 0～200", 10 * 2 + 2 + 2 + 3},
        RoundTripCase{u"ドライブの準備ができていません．", 16 * 2},
        RoundTripCase{u"G\r\nＭＳ Ｐゴシック\r\n", 1 + 2 + 2 * 2 + 1 + 5 * 2 + 2},
        RoundTripCase{u"", 0}));

TEST(CodePage932Test, HalfWidthKatakanaAndTheIdeographicSpaceHaveTheirCodes) {
  EXPECT_EQ(platform::ToCodePage932(u"ｵ"), "\xB5");
  EXPECT_EQ(platform::ToCodePage932(u"　"), "\x81\x40");
  EXPECT_EQ(platform::ToCodePage932(u"\r\n"), "\r\n");
}

TEST(CodePage932Test, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
  // Hangul, and a character beyond the basic plane (one "?" for its two UTF-16 units).
  EXPECT_EQ(platform::ToCodePage932(u"a한b\U0001F600c"), "a?b?c");
  EXPECT_EQ(platform::ToCodePage932(u"\xD800x"), "?x") << "a lone surrogate";
}

TEST(CodePage932Test, InvalidBytesBecomeQuestionMarks) {
  EXPECT_EQ(platform::FromCodePage932("a\xA0z"), u"a?z");
  EXPECT_EQ(platform::FromCodePage932("ab\x81"), u"ab?") << "a lead byte at the end";
}

TEST(Utf8Test, InvalidBytesBecomeQuestionMarks) {
  EXPECT_EQ(platform::FromUtf8("a\xFFz"), u"a?z");
  EXPECT_EQ(platform::ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
}

}  // namespace
