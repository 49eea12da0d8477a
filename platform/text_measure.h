// Text measuring and the screen's font list.
//
// Stands in for the graphics device's text extent of an ANSI string and for the screen's list of
// fonts. Two backends, chosen at run time:
// - system fonts (the default): FreeType and fontconfig. A font name is matched through
//   fontconfig with the configuration file shipped beside the platform library, which maps the
//   Japanese dialog font names ("ＭＳ Ｐゴシック", "MS PGothic", ...) to the installed IPA fonts;
//   the extent is the sum of the glyphs' hinted advances at the font's size at 96 DPI (24 pt = 32
//   pixels per em). The font list is fontconfig's families, each once, in fontconfig's order.
// - fixed advance: every byte of the string advances a set number of pixels at any size (so a
//   double-byte character is twice as wide as a single-byte one), and the font list is a set
//   list; for tests and hosts that must not depend on the installed fonts.
// Not provided: kerning, font linking (a character the font lacks measures as its missing-glyph
// box), bold and italic, heights.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "font_info.h"
#include "platform_export.h"

namespace platform {

// Width in pixels of the code page 932 string `bytes` in `font` (name and size; the character
// set is not used) at 96 DPI.
PLATFORM_API std::int32_t TextExtentPixels(const FontSpec& font, std::string_view bytes);

// The font families the screen offers, in the system's order.
PLATFORM_API std::vector<std::u16string> ScreenFonts();

// Chooses the system fonts backend (the default).
PLATFORM_API void UseSystemFonts();
// Chooses the fixed advance backend.
PLATFORM_API void UseFixedAdvanceFonts(std::int32_t pixels_per_byte,
                                       std::vector<std::u16string> families);

}  // namespace platform
