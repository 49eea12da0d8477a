// Raising any host-service event with the caller's variables bound by reference: whatever the
// host writes into an argument lands in the caller's variable.
#pragma once

#include <cstdint>
#include <string_view>

#include "event_signature.h"
#include "interface_ids.h"
#include "qiv_opt_cmd200.h"

namespace qiv::services {

// The event with dispatch id `dispid` or name `name`; an unknown one fails with the
// invalid-argument error.
EventId EventIdOf(std::int32_t dispid);
EventId EventIdOf(std::string_view name);

// Raises the event with the given variables (16-bit, Long, Double or String). For an event with
// a declared parameter list the variables must match it, or the raise fails with an internal
// error before anything is sent; an event whose list is still open takes any variables.
template <typename... Vars>
void RaiseEvent(QivOptCmd200& control, std::int32_t dispid, Vars&... vars) {
  control.events().Raise(EventIdOf(dispid), vars...);
}
template <typename... Vars>
void RaiseEvent(QivOptCmd200& control, std::string_view name, Vars&... vars) {
  control.events().Raise(EventIdOf(name), vars...);
}

// Raises an event with a declared parameter list; variables that do not match it do not compile.
template <EventId id, typename... Vars>
requires DeclaredArguments<id, Vars...>
void Raise(QivOptCmd200& control, Vars&... vars) {
  control.events().Raise(id, vars...);
}

}  // namespace qiv::services
