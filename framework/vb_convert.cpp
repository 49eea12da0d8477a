#include "vb_convert.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "runtime_error.h"

namespace qiv {

using platform::RuntimeError;
namespace error = platform::error;

namespace {

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\u3000';
}

// The number a text holds; type mismatch when it holds anything else.
double ParseNumber(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (text.empty()) throw RuntimeError(error::kTypeMismatch);
  std::string ascii;
  for (const char16_t c : text) {
    // strtod would also take hexadecimal, infinity and nan, which are no numbers here.
    if (c > 0x7F || c == u'x' || c == u'X' || c == u'n' || c == u'N' || c == u'i' || c == u'I')
      throw RuntimeError(error::kTypeMismatch);
    ascii.push_back(static_cast<char>(c));
  }
  char* end = nullptr;
  const double value = std::strtod(ascii.c_str(), &end);
  if (end != ascii.c_str() + ascii.size() || !std::isfinite(value))
    throw RuntimeError(error::kTypeMismatch);
  return value;
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
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::u16string(buffer, result.ptr);
}

}  // namespace qiv
