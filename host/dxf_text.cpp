#include "dxf_text.h"

#include <iconv.h>

#include <cstdint>
#include <vector>

#include "text_utf.h"

namespace host {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Code page 932 bytes as UTF-16; undecodable bytes become U+FFFD.
std::u16string FromCodePage932(std::string_view bytes) {
  iconv_t converter = iconv_open("UTF-16LE", "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return FromUtf8(bytes);
  std::u16string out;
  std::string input(bytes);
  char* in = input.data();
  std::size_t in_left = input.size();
  std::vector<char> buffer(input.size() * 2 + 8);
  while (in_left > 0) {
    char* out_ptr = buffer.data();
    std::size_t out_left = buffer.size();
    const std::size_t result = iconv(converter, &in, &in_left, &out_ptr, &out_left);
    const std::size_t written = buffer.size() - out_left;
    for (std::size_t i = 0; i + 1 < written; i += 2) {
      out += static_cast<char16_t>(static_cast<unsigned char>(buffer[i]) |
                                   (static_cast<unsigned char>(buffer[i + 1]) << 8));
    }
    if (result == static_cast<std::size_t>(-1) && in_left > 0) {
      out += u'\uFFFD';
      ++in;
      --in_left;
    }
  }
  iconv_close(converter);
  return out;
}

std::u16string DecodeBytes(std::string_view bytes) {
  if (auto utf8 = DecodeUtf8(bytes)) return *std::move(utf8);
  return FromCodePage932(bytes);
}

}  // namespace

std::string EncodeDxfText(std::u16string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (const char16_t unit : text) {
    if (unit >= 0x20 && unit < 0x7F && unit != u'\\') {
      out += static_cast<char>(unit);
    } else {
      out += "\\U+";
      for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(unit >> shift) & 0xF];
    }
  }
  return out;
}

std::u16string DecodeDxfText(std::string_view bytes) {
  std::u16string out;
  std::size_t plain_start = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    if (bytes.compare(i, 3, "\\U+") == 0 && i + 7 <= bytes.size()) {
      int value = 0;
      bool hex = true;
      for (std::size_t k = i + 3; k < i + 7; ++k) {
        const int digit = HexDigit(bytes[k]);
        hex = hex && digit >= 0;
        value = value * 16 + digit;
      }
      if (hex) {
        out += DecodeBytes(bytes.substr(plain_start, i - plain_start));
        out += static_cast<char16_t>(value);
        i += 7;
        plain_start = i;
        continue;
      }
    }
    ++i;
  }
  out += DecodeBytes(bytes.substr(plain_start));
  return out;
}

}  // namespace host
