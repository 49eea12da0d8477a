#include "trim_size_adjustment.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>
#include <string_view>

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

// The value of an ASCII decimal number ("-12.5e3"), read the same way in every locale. A number
// beyond the Double range reads as an infinity of its sign, one too small for it as zero.
double DecimalValue(std::string_view number) {
  bool negative = false;
  if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
    negative = number.front() == '-';
    number.remove_prefix(1);
  }
  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large or too small: the decimal exponent of its first significant digit tells.
    const std::size_t e = number.find('e');
    const std::string_view mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
      std::string_view digits = number.substr(e + 1);
      const bool below = !digits.empty() && digits.front() == '-';
      if (!digits.empty() && (digits.front() == '+' || digits.front() == '-'))
        digits.remove_prefix(1);
      for (const char c : digits) exponent = std::min(exponent * 10 + (c - '0'), 100000LL);
      if (below) exponent = -exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    exponent += first < point ? static_cast<long long>(point - first)
                              : -static_cast<long long>(first - point);
    value = exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

}  // namespace

double LeadingNumber(std::u16string_view text) {
  // The characters of the number, in ASCII, with the blanks taken out.
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

  return DecimalValue(number);
}

double TrimSizeAdjustment(std::u16string_view text) {
  const double adj = LeadingNumber(text);
  if (adj < kMinAdjustment) return kMinAdjustment;
  if (adj > kMaxAdjustment) return kMaxAdjustment;
  // A negative zero reads as 0 and shows as 0.
  return adj == 0 ? 0 : adj;
}

}  // namespace quenzel
