// Getters and setters of the host settings that travel as one value (settings.def): Get<Setting>
// returns the host's answer, Set<Setting> sends the caller's value.
#pragma once

#include "generic_raise.h"
#include "value_kinds.h"

namespace qiv::services {

namespace detail {

template <typename Kind, EventId id>
requires DeclaredArguments<id, typename Kind::Wire>
typename Kind::Value GetSetting(QivOptCmd200& control) {
  typename Kind::Wire value{};
  control.events().Raise(id, value);
  return Kind::FromHost(value);
}

template <typename Kind, EventId id>
requires DeclaredArguments<id, typename Kind::Wire>
void SetSetting(QivOptCmd200& control, const typename Kind::Value& value) {
  typename Kind::Wire sent = Kind::ToHost(value);
  control.events().Raise(id, sent);
}

}  // namespace detail

#define QIV_SETTING_GET(setting, kind)                                         \
  inline kinds::kind::Value Get##setting(QivOptCmd200& control) {              \
    return detail::GetSetting<kinds::kind, EventId::QivGet##setting>(control); \
  }
#define QIV_SETTING_SET(setting, kind)                                               \
  inline void Set##setting(QivOptCmd200& control, const kinds::kind::Value& value) { \
    detail::SetSetting<kinds::kind, EventId::QivSet##setting>(control, value);       \
  }
#include "settings.def"

}  // namespace qiv::services
