#include "dxf/dxf_encoding.h"

#include <iconv.h>

#include <cctype>
#include <vector>

#include "text_utf.h"

namespace host::dxf {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<int> Hex4(std::string_view text) {
  if (text.size() < 4) return std::nullopt;
  int value = 0;
  for (int i = 0; i < 4; ++i) {
    const int digit = HexDigit(text[static_cast<std::size_t>(i)]);
    if (digit < 0) return std::nullopt;
    value = value * 16 + digit;
  }
  return value;
}

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

// The iconv name of a $DWGCODEPAGE value, or empty when there is none.
std::string IconvName(std::string_view code_page) {
  const std::string name = Upper(code_page);
  if (name.empty()) return {};
  if (name.rfind("ANSI_", 0) == 0) return "CP" + name.substr(5);
  if (name.rfind("DOS", 0) == 0) return "CP" + name.substr(3);
  if (name.rfind("ISO8859-", 0) == 0) return "ISO-8859-" + name.substr(8);
  if (name == "MACINTOSH" || name == "BIG5" || name == "JOHAB" || name == "GB2312") return name;
  if (name == "KSC5601") return "CP949";
  return name;
}

// The code page of a \M+N escape's two bytes.
const char* MultiByteCodePage(char n) {
  switch (n) {
    case '1':
      return "CP932";
    case '2':
      return "CP950";
    case '3':
      return "CP949";
    case '4':
      return "JOHAB";
    case '5':
      return "CP936";
    default:
      return nullptr;
  }
}

// Bytes in `encoding` as UTF-16; bytes that do not convert become U+FFFD.
std::u16string Convert(iconv_t converter, std::string_view bytes) {
  std::u16string out;
  if (converter == kNoConverter) return FromUtf8(bytes);
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  std::string input(bytes);
  char* in = input.data();
  std::size_t in_left = input.size();
  std::vector<char> buffer(input.size() * 4 + 8);
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
  return out;
}

bool IsAsciiWithoutEscapes(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80 || c == '\\') return false;
  }
  return true;
}

}  // namespace

struct TextCodec::Converters {
  iconv_t decode = kNoConverter;
  iconv_t encode = kNoConverter;
  iconv_t fallback = kNoConverter;  // code page 932, for bytes that are not UTF-8

  ~Converters() {
    for (iconv_t converter : {decode, encode, fallback}) {
      if (converter != kNoConverter) iconv_close(converter);
    }
  }
};

bool IsUnicodeVersion(std::string_view version) {
  return version.size() == 6 && version.substr(0, 2) == "AC" && version >= "AC1021";
}

TextCodec::TextCodec(std::string_view version, std::string_view code_page)
    : converters_(std::make_unique<Converters>()) {
  if (IsUnicodeVersion(version)) {
    encoding_ = "UTF-8";
    return;
  }
  encoding_ = IconvName(code_page);
  if (!encoding_.empty()) {
    converters_->decode = iconv_open("UTF-16LE", encoding_.c_str());
    converters_->encode = iconv_open(encoding_.c_str(), "UTF-16LE");
  }
  if (converters_->decode == kNoConverter || converters_->encode == kNoConverter) {
    // No code page, or one iconv does not know.
    guess_ = true;
    encoding_ = "UTF-8";
    converters_->fallback = iconv_open("UTF-16LE", "CP932");
  }
}

TextCodec::~TextCodec() = default;

std::u16string TextCodec::Decode(std::string_view bytes) const {
  const auto plain = [&](std::string_view part) -> std::u16string {
    if (IsAsciiWithoutEscapes(part)) return std::u16string(part.begin(), part.end());
    if (guess_) {
      if (auto utf8 = DecodeUtf8(part)) return *std::move(utf8);
      return Convert(converters_->fallback, part);
    }
    if (encoding_ == "UTF-8") return FromUtf8(part);
    return Convert(converters_->decode, part);
  };
  if (IsAsciiWithoutEscapes(bytes)) return std::u16string(bytes.begin(), bytes.end());
  std::u16string out;
  std::size_t plain_start = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    if (bytes[i] != '\\') {
      ++i;
      continue;
    }
    const std::string_view rest = bytes.substr(i);
    if (rest.substr(0, 3) == "\\U+" || rest.substr(0, 3) == "\\u+") {
      if (const auto unit = Hex4(rest.substr(3))) {
        out += plain(bytes.substr(plain_start, i - plain_start));
        out += static_cast<char16_t>(*unit);
        i += 7;
        plain_start = i;
        continue;
      }
    }
    if (rest.size() >= 4 && (rest.substr(0, 3) == "\\M+" || rest.substr(0, 3) == "\\m+")) {
      const char* code_page = MultiByteCodePage(rest[3]);
      const auto pair = Hex4(rest.substr(4));
      if (code_page != nullptr && pair) {
        const std::string two{static_cast<char>(*pair >> 8), static_cast<char>(*pair & 0xFF)};
        iconv_t converter = iconv_open("UTF-16LE", code_page);
        out += plain(bytes.substr(plain_start, i - plain_start));
        out += Convert(converter, two);
        if (converter != kNoConverter) iconv_close(converter);
        i += 8;
        plain_start = i;
        continue;
      }
    }
    ++i;
  }
  out += plain(bytes.substr(plain_start));
  return out;
}

std::string TextCodec::Encode(std::u16string_view text) const {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  const auto escape = [&](char16_t unit) {
    out += "\\U+";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(unit >> shift) & 0xF];
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    // Line ends and other control characters cannot stand in a group's value; a backslash
    // would start an escape when the file is read again.
    if (unit < 0x20 || unit == u'\\' || unit == 0x7F) {
      escape(unit);
    } else if (unit < 0x80) {
      out += static_cast<char>(unit);
    } else if (guess_) {
      escape(unit);
    } else if (encoding_ == "UTF-8") {
      const bool pair = unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() &&
                        text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
      out += ToUtf8(text.substr(i, pair ? 2 : 1));
      if (pair) ++i;
    } else {
      iconv(converters_->encode, nullptr, nullptr, nullptr, nullptr);
      char input[2] = {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
      char* in = input;
      std::size_t in_left = 2;
      char buffer[8];
      char* out_ptr = buffer;
      std::size_t out_left = sizeof buffer;
      const std::size_t result = iconv(converters_->encode, &in, &in_left, &out_ptr, &out_left);
      if (result == static_cast<std::size_t>(-1) || result > 0) {
        // Not in the code page (or only approximated by iconv).
        escape(unit);
      } else {
        out.append(buffer, sizeof buffer - out_left);
      }
    }
  }
  return out;
}

}  // namespace host::dxf
