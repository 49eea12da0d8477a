// Plain wrappers that pass the caller's variables through (plain_wrappers.def). Each takes the
// variables its event declares, in order and by reference, so the host's answers land in them;
// 16-bit flags travel as the caller holds them (1/0). A wrong kind or count does not compile.
#pragma once

#include "generic_raise.h"

namespace qiv::services {

#define QIV_PLAIN(name)                                                                \
  static_assert(detail::DeclarationOf(EventId::Qiv##name).origin != ParamOrigin::Open, \
                "Qiv" #name " needs a parameter list in qiv_interface.def");           \
  template <typename... Vars>                                                          \
  requires DeclaredArguments<EventId::Qiv##name, Vars...>                              \
  void name(QivOptCmd200& control, Vars&... vars) {                                    \
    control.events().Raise(EventId::Qiv##name, vars...);                               \
  }
#include "plain_wrappers.def"

}  // namespace qiv::services
