// One record of a DXF file (an entity, a table entry, a block's start ...): its groups and
// typed look-ups of the values a reader needs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dxf/dxf_groups.h"

namespace host::dxf {

class Record {
 public:
  // groups[0] is the record's 0 group, which names its type.
  std::vector<Group> groups;
  const std::string* file = nullptr;  // the file's name, for messages

  std::string_view type() const { return groups.empty() ? std::string_view() : groups[0].value; }

  // The first group of that code among the record's own data: groups of application data
  // ({...} after 102), of embedded objects (after 101) and extended data (1000 and up) are
  // not looked at, as they repeat ordinary codes with other meanings.
  const Group* Find(int code) const;
  // The value of that code as a number; `fallback` when the record has none. Throws
  // DrawingFileError naming the file and line when the value is not a number.
  double Real(int code, double fallback = 0) const;
  std::int64_t Integer(int code, std::int64_t fallback = 0) const;
  std::string_view Text(int code, std::string_view fallback = {}) const;

  [[noreturn]] void Fail(const Group& group, const std::string& what) const;
};

// Reads the record that starts at `begin` and ends before `end` (its own groups only).
void ReadRecordAt(std::string_view content, std::size_t begin, std::size_t end,
                  const std::string& file, Record& record);

// The record's own groups in order, with the same rules as Record::Find.
template <typename Visit>
void ForEachDataGroup(const Record& record, Visit visit) {
  bool in_application_group = false;
  for (std::size_t i = 1; i < record.groups.size(); ++i) {
    const Group& group = record.groups[i];
    if (group.code == 102) {
      in_application_group = !group.value.empty() && group.value.front() == '{';
      continue;
    }
    if (in_application_group) continue;
    if (group.code == 101 || group.code >= 1000) break;
    visit(group);
  }
}

}  // namespace host::dxf
