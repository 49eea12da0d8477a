// Measuring the trim text: its length in drawing units for the gap it is written into.
//
// The text is measured for a height of 2000 drawing units. A character of the host's own font
// ("QIV-CAD", or no font name) is 2000 wide; for any other font the platform's advance width of
// the character at 24 points (32 pixels to the em) is scaled by 2000 / 32. The text's lines are
// divided at each CR: a CR belongs to no line, so the LF of a CR LF pair is measured as the first
// character of the next line, and the text's length is that of its longest line.
#pragma once

#include <string>
#include <string_view>

#include "entity_record.h"

namespace quenzel {

// The height the text is measured for and written with.
inline constexpr double kTrimTextHeight = 2000;

// The number of CR characters in `text`, and the character count of its line `line` (from 1;
// 0 for a line the text does not have).
struct TrimLineCounts {
  int crs = 0;
  int line_chars = 0;
};
TrimLineCounts TrimLineInfo(std::u16string_view text, int line);

// Character `position` (from 1) of line `line` (from 1) of `text`; empty when there is none.
std::u16string TrimLineChar(std::u16string_view text, int line, int position);

// The width of the one-character string `s` in the font named `font`.
double MeasureChar(const std::u16string& font, std::u16string_view s);

// Sets the text part of `record` for writing the trim text in `font` (height 2000, width,
// spacing, vertical and scale flags 0; the other text attributes as they are) and answers the
// length L of `text`: the greatest of its lines' widths, 0 for an empty text.
double MeasureTrimText(qiv::EntityRecord& record, std::u16string_view text,
                       const std::u16string& font);

}  // namespace quenzel
