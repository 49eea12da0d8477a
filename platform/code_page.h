// Text conversion between the system's UTF-16 strings and the byte encodings it meets: code page
// 932 (the ANSI code page of the Japanese systems the commands serve, used by their text files and
// by text measuring) and UTF-8 (file names, journals, messages).
//
// Stands in for the system's code page conversion, through iconv. As the system does, a
// character that code page 932 cannot hold becomes "?", and so does a byte sequence that is not
// valid in the source encoding (UTF-16 units that are no character included). Not provided: other
// code pages, best-fit mappings.
#pragma once

#include <string>
#include <string_view>

#include "platform_export.h"

namespace platform {

PLATFORM_API std::string ToCodePage932(std::u16string_view text);
PLATFORM_API std::u16string FromCodePage932(std::string_view bytes);

PLATFORM_API std::string ToUtf8(std::u16string_view text);
PLATFORM_API std::u16string FromUtf8(std::string_view bytes);

}  // namespace platform
