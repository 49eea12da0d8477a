// The runtime's ordinary conversions between text and numbers, as the commands' code relies on:
// surrounding blanks ignored, fractions rounded half to even for whole numbers, a text that is not
// a number a type mismatch (13), a number out of range an overflow (6).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qiv {

// To Long (32-bit).
std::int32_t ToLong(std::u16string_view text);
// To Integer (16-bit).
std::int16_t ToInteger(std::u16string_view text);
// To Double.
double ToDouble(std::u16string_view text);
// The shortest decimal text that reads back as the same Double: 5 -> "5", 2.5 -> "2.5",
// 100000 -> "100000" (platform::ShortestDecimal).
std::u16string ShortestDecimal(double value);

}  // namespace qiv
