// Code page 932 and UTF-8 conversion. Text decoded from any bytes encodes and decodes back to
// itself; UTF-16 units that are no character come back as "?".
#include "code_page.h"
#include "fuzz_input.h"

namespace {

// The text with every unpaired surrogate as "?", as the conversions promise to write it.
std::u16string WithoutLoneSurrogates(std::u16string text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
    if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      ++i;
    } else if (high || low) {
      text[i] = u'?';
    }
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::KeepConvertersLoaded();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::Bytes(data, size);
  const std::u16string from_932 = platform::FromCodePage932(bytes);
  if (platform::FromCodePage932(platform::ToCodePage932(from_932)) != from_932)
    fuzz::Broken("text read from code page 932 writes and reads back unchanged");
  const std::u16string from_utf8 = platform::FromUtf8(bytes);
  if (platform::FromUtf8(platform::ToUtf8(from_utf8)) != from_utf8)
    fuzz::Broken("text read from UTF-8 writes and reads back unchanged");

  std::u16string units(size / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i)
    units[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  if (platform::FromUtf8(platform::ToUtf8(units)) != WithoutLoneSurrogates(units))
    fuzz::Broken("UTF-16 writes as UTF-8 and reads back, unpaired surrogates as ?");
  platform::ToCodePage932(units);
  return 0;
}
