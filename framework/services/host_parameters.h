// Typed host parameters by numeric identifier (host_parameters.def), and the two sequences that
// are built on them: the string-list reader and the string command.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "generic_raise.h"
#include "value_kinds.h"

namespace qiv::services {

namespace detail {

template <typename Kind, EventId id>
requires DeclaredArguments<id, std::int32_t, typename Kind::Wire>
typename Kind::Value GetParameter(QivOptCmd200& control, std::int32_t parameter) {
  typename Kind::Wire value{};
  control.events().Raise(id, parameter, value);
  return Kind::FromHost(value);
}

template <typename Kind, EventId id>
requires DeclaredArguments<id, std::int32_t, typename Kind::Wire>
void SetParameter(QivOptCmd200& control, std::int32_t parameter,
                  const typename Kind::Value& value) {
  typename Kind::Wire sent = Kind::ToHost(value);
  control.events().Raise(id, parameter, sent);
}

}  // namespace detail

#define QIV_PARAMETER_GET(event, id, kind)                                         \
  inline kinds::kind::Value Get##event##id(QivOptCmd200& control) {                \
    return detail::GetParameter<kinds::kind, EventId::QivGet##event>(control, id); \
  }
#define QIV_PARAMETER_SET(event, id, kind)                                             \
  inline void Set##event##id(QivOptCmd200& control, const kinds::kind::Value& value) { \
    detail::SetParameter<kinds::kind, EventId::QivSet##event>(control, id, value);     \
  }
#include "host_parameters.def"

// Reads one of the host's string lists: Long 1951 selects `list`, Long 7003 answers the number
// of strings and String 10000 + i the string i. A count of 0 or less gives an empty list.
std::vector<std::u16string> ReadStringList(QivOptCmd200& control, std::int32_t list);

// Runs a host command written as a string: Long 7001 takes `mode`, String 7002 `command`, then
// QivSimpleCommand 2063 runs it. True when its result is 1.
VbBool RunStringCommand(QivOptCmd200& control, std::int32_t mode, const std::u16string& command);

}  // namespace qiv::services
