// Conversions between the host's UTF-16 strings and the UTF-8 of its files and terminal.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace host {

// UTF-8 of a UTF-16 string; an unpaired surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);

// UTF-16 of a UTF-8 string, or nothing when the bytes are not valid UTF-8.
std::optional<std::u16string> DecodeUtf8(std::string_view bytes);

// UTF-16 of a UTF-8 string; invalid bytes become U+FFFD.
std::u16string FromUtf8(std::string_view bytes);

// The shortest decimal text that reads back to the same double ("0.1", "1e+300", "-0").
std::string FormatNumber(double value);

}  // namespace host
