// Texts and names in DXF files: ASCII with \U+XXXX escapes on the way out; escapes, UTF-8 or
// code page 932 on the way in.
#pragma once

#include <string>
#include <string_view>

namespace host {

// Every UTF-16 unit outside printable ASCII, and the backslash, as \U+XXXX.
std::string EncodeDxfText(std::u16string_view text);

// Decodes \U+XXXX escapes; the other bytes are UTF-8, or code page 932 when they are not valid
// UTF-8 (as older Japanese drawings store them).
std::u16string DecodeDxfText(std::string_view bytes);

}  // namespace host
