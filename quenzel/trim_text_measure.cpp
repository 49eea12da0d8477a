#include "trim_text_measure.h"

#include <algorithm>

#include "code_page.h"
#include "font_info.h"
#include "text_measure.h"

namespace quenzel {
namespace {

constexpr char16_t kCr = u'\r';
// The host's own font, whose characters are all one text height wide.
constexpr char16_t kHostFont[] = u"QIV-CAD";
// The size the other fonts are measured at, and the pixels to its em at 96 DPI.
constexpr double kMeasureSize = 24;
constexpr double kPixelsPerEm = 32;

}  // namespace

TrimLineCounts TrimLineInfo(std::u16string_view text, int line) {
  TrimLineCounts counts;
  int current = 1, chars = 0;
  for (const char16_t c : text) {
    if (c != kCr) {
      ++chars;
      continue;
    }
    if (current == line) counts.line_chars = chars;
    ++counts.crs;
    ++current;
    chars = 0;
  }
  if (current == line) counts.line_chars = chars;
  return counts;
}

std::u16string TrimLineChar(std::u16string_view text, int line, int position) {
  int current = 1, index = 0;
  for (const char16_t c : text) {
    if (c == kCr) {
      ++current;
      index = 0;
    } else if (current == line && ++index == position) {
      return std::u16string(1, c);
    }
  }
  return {};
}

double MeasureChar(const std::u16string& font, std::u16string_view s) {
  if (font.empty() || font == kHostFont) return kTrimTextHeight;
  const platform::FontSpec spec{font, kMeasureSize, platform::kShiftJisCharset};
  const auto pixels = platform::TextExtentPixels(spec, platform::ToCodePage932(s));
  return pixels / kPixelsPerEm * kTrimTextHeight;
}

double MeasureTrimText(qiv::EntityRecord& record, std::u16string_view text,
                       const std::u16string& font) {
  record.ts_takasa = kTrimTextHeight;
  record.ts_haba = 0;
  record.ts_kankaku = 0;
  record.ts_tateflag = 0;
  record.ts_scaleflag = 0;
  record.ts_Fontname = font;

  // One pass over the text with the lines of TrimLineInfo and TrimLineChar: each line's
  // characters measured one by one and summed in order, the widest line kept.
  double longest = 0;
  double width = 0;
  for (const char16_t c : text) {
    if (c == kCr) {
      longest = std::max(longest, width);
      width = 0;
    } else {
      width += MeasureChar(font, std::u16string_view(&c, 1));
    }
  }
  return std::max(longest, width);
}

}  // namespace quenzel
