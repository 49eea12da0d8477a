#include "vb_convert.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

#include "runtime_error.h"
#include "spin_edit.h"

namespace qiv {

using platform::RuntimeError;
namespace error = platform::error;

namespace {

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\u3000';
}

bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The number a text holds; type mismatch when it holds anything else. Read the same way in any
// locale: a decimal point, never a decimal comma.
double ParseNumber(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (text.empty()) throw RuntimeError(error::kTypeMismatch);
  std::string ascii;
  for (const char16_t c : text) {
    // Hexadecimal, infinity and nan are no numbers here.
    if (c > 0x7F || c == u'x' || c == u'X' || c == u'n' || c == u'N' || c == u'i' || c == u'I')
      throw RuntimeError(error::kTypeMismatch);
    ascii.push_back(static_cast<char>(c));
  }
  // Leading white space and a sign as the C library's reading takes them; from_chars takes
  // neither.
  const char* first = ascii.data();
  const char* const last = ascii.data() + ascii.size();
  while (first != last && IsCSpace(*first)) ++first;
  const bool negative = first != last && *first == '-';
  if (first != last && (*first == '-' || *first == '+')) ++first;
  if (first == last || *first == '-' || *first == '+') throw RuntimeError(error::kTypeMismatch);
  double value = 0;
  const auto result = std::from_chars(first, last, value, std::chars_format::general);
  if (result.ptr != last) throw RuntimeError(error::kTypeMismatch);
  if (result.ec == std::errc::result_out_of_range) {
    // Too small to hold reads as zero; too large is no number.
    const auto exponent = std::string_view(first, last).find_first_of("eE");
    if (exponent == std::string_view::npos || first[exponent + 1] != '-')
      throw RuntimeError(error::kTypeMismatch);
    value = 0;
  } else if (result.ec != std::errc()) {
    throw RuntimeError(error::kTypeMismatch);
  }
  return negative ? -value : value;
}

template <typename Int>
Int ToWhole(std::u16string_view text) {
  const double rounded = std::nearbyint(ParseNumber(text));
  if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max())
    throw RuntimeError(error::kOverflow);
  return static_cast<Int>(rounded);
}

}  // namespace

std::int32_t ToLong(std::u16string_view text) {
  return ToWhole<std::int32_t>(text);
}
std::int16_t ToInteger(std::u16string_view text) {
  return ToWhole<std::int16_t>(text);
}
double ToDouble(std::u16string_view text) {
  return ParseNumber(text);
}

std::u16string ShortestDecimal(double value) {
  return platform::ShortestDecimal(value);
}

}  // namespace qiv
