// The groups of a DXF file: a group code on one line, its value on the next.
//
// Values are views into the file's own bytes (without the line end), so that a reader can look
// at them without copying and a writer can give back exactly what was read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace host::dxf {

struct Group {
  int code = 0;
  std::string_view value;  // as written, without its line end
  std::size_t offset = 0;  // where the group's code line starts in the file
  std::uint32_t line = 0;  // the code line's number, from 1
};

// Walks the groups of a file from its start. Throws DrawingFileError naming the file and line
// when a code line is not a group code or the file ends after a code.
class GroupCursor {
 public:
  GroupCursor(std::string_view content, const std::string& name);

  // The next group, or false at the end of the file.
  bool Next(Group& group);
  // The last line read.
  std::uint32_t line() const { return line_; }

 private:
  std::string_view TakeLine();

  std::string_view content_;
  const std::string& name_;
  std::size_t offset_ = 0;
  std::uint32_t line_ = 0;
};

// The number a value stands for, or nothing when it is not a (finite) number. Blanks around
// it are allowed, as writers pad numbers.
std::optional<double> ParseReal(std::string_view value);
std::optional<std::int64_t> ParseInteger(std::string_view value);
// A handle: hexadecimal digits.
std::optional<std::uint64_t> ParseHandle(std::string_view value);

// Names compared as DXF compares them: ASCII letters without case.
std::string UpperAscii(std::string_view text);
std::u16string UpperAscii(std::u16string text);

// The file starts with the sentinel of a binary DXF file.
bool IsBinaryDxf(std::string_view content);

}  // namespace host::dxf
