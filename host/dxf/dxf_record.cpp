#include "dxf/dxf_record.h"

#include "drawing_files.h"

namespace host::dxf {

const Group* Record::Find(int code) const {
  const Group* found = nullptr;
  ForEachDataGroup(*this, [&](const Group& group) {
    if (found == nullptr && group.code == code) found = &group;
  });
  return found;
}

void Record::Fail(const Group& group, const std::string& what) const {
  // Named by the line of the group's value.
  throw DrawingFileError((file != nullptr ? *file : std::string("DXF")) + ":" +
                         std::to_string(group.line + 1) + ": " + what + " (in a " +
                         std::string(type()) + ")");
}

double Record::Real(int code, double fallback) const {
  const Group* group = Find(code);
  if (group == nullptr) return fallback;
  const auto number = ParseReal(group->value);
  if (!number)
    Fail(*group, "group code " + std::to_string(code) + " needs a number, not \"" +
                     std::string(group->value.substr(0, 40)) + "\"");
  return *number;
}

std::int64_t Record::Integer(int code, std::int64_t fallback) const {
  const Group* group = Find(code);
  if (group == nullptr) return fallback;
  const auto number = ParseInteger(group->value);
  if (!number)
    Fail(*group, "group code " + std::to_string(code) + " needs an integer, not \"" +
                     std::string(group->value.substr(0, 40)) + "\"");
  return *number;
}

std::string_view Record::Text(int code, std::string_view fallback) const {
  const Group* group = Find(code);
  return group == nullptr ? fallback : group->value;
}

void ReadRecordAt(std::string_view content, std::size_t begin, std::size_t end,
                  const std::string& file, Record& record) {
  record.groups.clear();
  record.file = &file;
  GroupCursor cursor(content.substr(begin, end - begin), file);
  Group group;
  while (cursor.Next(group)) {
    group.offset += begin;
    record.groups.push_back(group);
  }
}

}  // namespace host::dxf
