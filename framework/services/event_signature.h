// The declared parameter lists of the events, readable at compile time, so that a raise of a
// declared event with variables of the wrong kinds or number fails to compile.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "interface_ids.h"
#include "interface_table.h"

namespace qiv::services {

namespace detail {

struct EventDeclaration {
  std::string_view params;
  ParamOrigin origin;
};

inline constexpr EventDeclaration kEventDeclarations[] = {
#define QIV_EVENT(dispid, name, params, origin) {params, ParamOrigin::origin},
#include "qiv_interface.def"
};
static_assert(std::size(kEventDeclarations) == kEventCount);

constexpr const EventDeclaration& DeclarationOf(EventId id) {
  return kEventDeclarations[static_cast<std::size_t>(id) - 1];
}

// How many parameters a "name:K name:K" list holds, and the kind letter (I, L, D, S) of one.
constexpr std::size_t ParamCount(std::string_view params) {
  std::size_t count = 0;
  for (const char c : params) count += c == ':' ? 1 : 0;
  return count;
}
constexpr char KindLetter(std::string_view params, std::size_t index) {
  for (std::size_t i = 0; i < params.size(); ++i)
    if (params[i] == ':' && index-- == 0) return params[i + 1];
  return '\0';
}

template <typename T>
inline constexpr char kLetterOf = '\0';
template <>
inline constexpr char kLetterOf<std::int16_t> = 'I';
template <>
inline constexpr char kLetterOf<std::int32_t> = 'L';
template <>
inline constexpr char kLetterOf<double> = 'D';
template <>
inline constexpr char kLetterOf<std::u16string> = 'S';

template <EventId id, typename... Vars>
constexpr bool MatchesDeclaration() {
  constexpr const EventDeclaration& declaration = DeclarationOf(id);
  if (declaration.origin == ParamOrigin::Open) return false;
  if (ParamCount(declaration.params) != sizeof...(Vars)) return false;
  std::size_t index = 0;
  return ((KindLetter(declaration.params, index++) == kLetterOf<Vars>)&&...);
}

}  // namespace detail

// Holds when `id` has a declared parameter list (not an open one) and the variables match it in
// number and kind.
template <EventId id, typename... Vars>
concept DeclaredArguments = detail::MatchesDeclaration<id, Vars...>();

}  // namespace qiv::services
