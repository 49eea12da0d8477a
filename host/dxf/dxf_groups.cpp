#include "dxf/dxf_groups.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "drawing_files.h"

namespace host::dxf {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

GroupCursor::GroupCursor(std::string_view content, const std::string& name)
    : content_(content), name_(name) {
  // A byte order mark before the first group is not part of it.
  if (content_.substr(0, 3) == "\xEF\xBB\xBF") offset_ = 3;
}

std::string_view GroupCursor::TakeLine() {
  const std::size_t start = offset_;
  const void* found = std::memchr(content_.data() + start, '\n', content_.size() - start);
  const std::size_t end =
      found != nullptr ? static_cast<std::size_t>(static_cast<const char*>(found) - content_.data())
                       : content_.size();
  offset_ = found != nullptr ? end + 1 : end;
  ++line_;
  std::string_view text = content_.substr(start, end - start);
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  return text;
}

bool GroupCursor::Next(Group& group) {
  if (offset_ >= content_.size()) return false;
  group.offset = offset_;
  const std::string_view code_text = TrimBlanks(TakeLine());
  group.line = line_;
  if (code_text.empty() && offset_ >= content_.size()) return false;  // a final blank line
  int code = 0;
  const auto parsed = std::from_chars(code_text.data(), code_text.data() + code_text.size(), code);
  if (parsed.ec != std::errc() || parsed.ptr != code_text.data() + code_text.size() || code < 0)
    throw DrawingFileError(name_ + ":" + std::to_string(line_) +
                           ": a group code was expected, not \"" +
                           std::string(code_text.substr(0, 40)) + "\"");
  if (offset_ >= content_.size())
    throw DrawingFileError(name_ + ":" + std::to_string(line_) + ": group code " +
                           std::to_string(code) + " has no value");
  group.code = code;
  group.value = TakeLine();
  return true;
}

std::optional<double> ParseReal(std::string_view value) {
  value = TrimBlanks(value);
  if (!value.empty() && value.front() == '+') value.remove_prefix(1);
  double number = 0;
  const auto result = std::from_chars(value.data(), value.data() + value.size(), number);
  if (result.ec != std::errc() || result.ptr != value.data() + value.size() ||
      !std::isfinite(number))
    return std::nullopt;
  return number;
}

std::optional<std::int64_t> ParseInteger(std::string_view value) {
  value = TrimBlanks(value);
  if (!value.empty() && value.front() == '+') value.remove_prefix(1);
  std::int64_t number = 0;
  const auto result = std::from_chars(value.data(), value.data() + value.size(), number);
  if (result.ec != std::errc() || result.ptr != value.data() + value.size()) return std::nullopt;
  return number;
}

std::optional<std::uint64_t> ParseHandle(std::string_view value) {
  value = TrimBlanks(value);
  std::uint64_t number = 0;
  const auto result = std::from_chars(value.data(), value.data() + value.size(), number, 16);
  if (value.empty() || result.ec != std::errc() || result.ptr != value.data() + value.size())
    return std::nullopt;
  return number;
}

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return out;
}

std::u16string UpperAscii(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
  }
  return text;
}

bool IsBinaryDxf(std::string_view content) {
  return content.substr(0, 18) == "AutoCAD Binary DXF";
}

}  // namespace host::dxf
