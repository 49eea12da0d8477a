#include "generic_raise.h"

#include <string>

#include "interface_table.h"
#include "runtime_error.h"

namespace qiv::services {
namespace {

// Names and numbers are ASCII.
std::u16string Widen(std::string_view text) {
  return std::u16string(text.begin(), text.end());
}

}  // namespace

EventId EventIdOf(std::int32_t dispid) {
  if (FindEvent(dispid) == nullptr)
    throw platform::RuntimeError(
        platform::error::kInvalidArgument,
        u"no host-service event with dispatch id " + Widen(std::to_string(dispid)));
  return static_cast<EventId>(dispid);
}

EventId EventIdOf(std::string_view name) {
  const Member* member = FindMemberByName(name);
  if (member == nullptr || member->kind != MemberKind::Event)
    throw platform::RuntimeError(platform::error::kInvalidArgument,
                                 u"no host-service event named " + Widen(name));
  return static_cast<EventId>(member->dispid);
}

}  // namespace qiv::services
