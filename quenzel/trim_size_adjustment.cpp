#include "trim_size_adjustment.h"

#include <cstdlib>
#include <string>

namespace quenzel {
namespace {

constexpr double kMinAdjustment = 0;
constexpr double kMaxAdjustment = 200;

bool IsPassedOver(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n';
}
bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

}  // namespace

double LeadingNumber(std::u16string_view text) {
  // The characters of the number, in ASCII for strtod, with the blanks taken out.
  std::string number;
  std::size_t pos = 0;
  const auto next = [&]() -> char16_t {
    while (pos < text.size() && IsPassedOver(text[pos])) ++pos;
    return pos < text.size() ? text[pos] : u'\0';
  };
  const auto take = [&](char16_t c) {
    number.push_back(static_cast<char>(c));
    ++pos;
  };

  if (next() == u'+' || next() == u'-') take(next());
  bool digits = false, point = false;
  for (char16_t c = next(); IsDigit(c) || (c == u'.' && !point); c = next()) {
    point = point || c == u'.';
    digits = digits || IsDigit(c);
    take(c);
  }
  if (!digits) return 0;

  // An exponent counts only with at least one digit after its letter and sign.
  const std::size_t mantissa_end = number.size();
  if (const char16_t e = next(); e == u'E' || e == u'e' || e == u'D' || e == u'd') {
    ++pos;
    number.push_back('e');
    if (next() == u'+' || next() == u'-') take(next());
    bool exponent_digits = false;
    for (char16_t c = next(); IsDigit(c); c = next()) {
      exponent_digits = true;
      take(c);
    }
    if (!exponent_digits) number.resize(mantissa_end);
  }

  // A number beyond the Double range reads as an infinity of its sign.
  return std::strtod(number.c_str(), nullptr);
}

double TrimSizeAdjustment(std::u16string_view text) {
  const double adj = LeadingNumber(text);
  if (adj < kMinAdjustment) return kMinAdjustment;
  if (adj > kMaxAdjustment) return kMaxAdjustment;
  // A negative zero reads as 0 and shows as 0.
  return adj == 0 ? 0 : adj;
}

}  // namespace quenzel
