#include "spin_edit.h"

#include <array>
#include <charconv>
#include <string>
#include <system_error>

namespace platform {

void SpinEdit::Type(std::u16string text) {
  if (const auto number = ParseDecimal(text)) value_ = *number;
  text_ = std::move(text);
}

void SpinEdit::SpinTo(double value) {
  value_ = value;
  text_ = ShortestDecimal(value);
}

std::u16string ShortestDecimal(double value) {
  if (value == 0) return u"0";  // negative zero too
  // Fixed notation needs up to 309 digits before the point, or 324 after it.
  std::array<char, 400> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
  return std::u16string(buffer.data(), result.ptr);
}

std::optional<double> ParseDecimal(std::u16string_view text) {
  std::string ascii;
  ascii.reserve(text.size());
  for (const char16_t unit : text) {
    if (unit >= 0x80) return std::nullopt;
    ascii.push_back(static_cast<char>(unit));
  }
  // from_chars takes no '+' but would take "inf" and "nan": read the sign here and want a digit
  // or a decimal point after it.
  std::size_t start = 0;
  const bool negative = !ascii.empty() && ascii.front() == '-';
  if (!ascii.empty() && (ascii.front() == '+' || negative)) start = 1;
  if (start == ascii.size()) return std::nullopt;
  const char first = ascii[start];
  if ((first < '0' || first > '9') && first != '.') return std::nullopt;
  double number = 0;
  const char* const end = ascii.data() + ascii.size();
  const auto result =
      std::from_chars(ascii.data() + start, end, number, std::chars_format::general);
  if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
  return negative ? -number : number;
}

}  // namespace platform
