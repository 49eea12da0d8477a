// The font of a form or control: face name, size in points and character set.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

inline constexpr std::int32_t kDefaultCharset = 1;
inline constexpr std::int32_t kShiftJisCharset = 128;

struct FontSpec {
  // The Japanese system's default dialog font.
  std::u16string name = u"ＭＳ Ｐゴシック";
  double size = 9;
  std::int32_t charset = kShiftJisCharset;

  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

}  // namespace platform
