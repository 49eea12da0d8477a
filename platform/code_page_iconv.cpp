// Code page conversion through iconv, standing in for the system's own conversion functions.
#include <iconv.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "code_page.h"

namespace platform {
namespace {

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

class Converter {
 public:
  Converter(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {
    if (descriptor_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(descriptor_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `input`; where the input holds something the target cannot take or that is not
  // valid, writes `replacement` and skips one unit of `unit_size` bytes of the input (a UTF-16
  // surrogate pair, two units, is one character and skips both).
  std::string Run(std::string_view input, std::size_t unit_size, std::string_view replacement) {
    std::string output;
    std::array<char, 1024> buffer;
    char* in = const_cast<char*>(input.data());
    std::size_t in_left = input.size();
    while (true) {
      char* out = buffer.data();
      std::size_t out_left = buffer.size();
      const std::size_t result =
          iconv(descriptor_, in_left > 0 ? &in : nullptr, &in_left, &out, &out_left);
      const int failure = result == static_cast<std::size_t>(-1) ? errno : 0;
      output.append(buffer.data(), static_cast<std::size_t>(out - buffer.data()));
      if (failure == E2BIG) continue;
      if (failure == EILSEQ || failure == EINVAL) {
        output.append(replacement);
        const std::size_t skip = std::min(in_left, SkipLength(in, in_left, unit_size));
        in += skip;
        in_left -= skip;
        continue;
      }
      if (failure != 0) throw std::runtime_error(std::string("iconv: ") + std::strerror(failure));
      break;
    }
    return output;
  }

 private:
  static std::size_t SkipLength(const char* in, std::size_t in_left, std::size_t unit_size) {
    if (unit_size != 2 || in_left < 4) return unit_size;
    char16_t unit;
    std::memcpy(&unit, in, sizeof unit);
    const bool high_surrogate = unit >= 0xD800 && unit <= 0xDBFF;
    char16_t next;
    std::memcpy(&next, in + 2, sizeof next);
    const bool pair = high_surrogate && next >= 0xDC00 && next <= 0xDFFF;
    return pair ? 4 : 2;
  }

  iconv_t descriptor_;
};

std::string_view Bytes(std::u16string_view text) {
  return {reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t)};
}

std::u16string Units(const std::string& bytes) {
  std::u16string text(bytes.size() / sizeof(char16_t), u'\0');
  std::memcpy(text.data(), bytes.data(), text.size() * sizeof(char16_t));
  return text;
}

const std::u16string_view kQuestionMark16 = u"?";

}  // namespace

std::string ToCodePage932(std::u16string_view text) {
  return Converter("CP932", kUtf16).Run(Bytes(text), 2, "?");
}

std::u16string FromCodePage932(std::string_view bytes) {
  return Units(Converter(kUtf16, "CP932").Run(bytes, 1, Bytes(kQuestionMark16)));
}

std::string ToUtf8(std::u16string_view text) {
  return Converter("UTF-8", kUtf16).Run(Bytes(text), 2, "?");
}

std::u16string FromUtf8(std::string_view bytes) {
  return Units(Converter(kUtf16, "UTF-8").Run(bytes, 1, Bytes(kQuestionMark16)));
}

}  // namespace platform
