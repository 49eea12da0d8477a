// Internal: the interface behind text_measure.h and its two backends.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "font_info.h"

namespace platform::detail {

class TextBackend {
 public:
  virtual ~TextBackend() = default;
  virtual std::int32_t ExtentPixels(const FontSpec& font, std::string_view bytes) = 0;
  virtual std::vector<std::u16string> Families() = 0;
};

// FreeType and fontconfig (text_backend_freetype.cpp).
std::unique_ptr<TextBackend> MakeSystemFontBackend();
// A fixed advance per byte and a set font list (text_backend_fixed.cpp).
std::unique_ptr<TextBackend> MakeFixedAdvanceBackend(std::int32_t pixels_per_byte,
                                                     std::vector<std::u16string> families);

}  // namespace platform::detail
