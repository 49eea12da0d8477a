// Raising host-service events: the caller's variables go to the host by reference, so whatever
// the host writes into an argument lands in the property, record field or local behind it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>

#include "abi_values.h"
#include "interface_ids.h"
#include "qiv_plugin_abi.h"

namespace qiv {

namespace detail {

inline QivArg Bind(std::int16_t& value, std::optional<StrRef>*&) {
  return ArgOf(value);
}
inline QivArg Bind(std::int32_t& value, std::optional<StrRef>*&) {
  return ArgOf(value);
}
inline QivArg Bind(double& value, std::optional<StrRef>*&) {
  return ArgOf(value);
}
// A string is bound through the next free StrRef slot, which lives as long as the raise.
inline QivArg Bind(std::u16string& text, std::optional<StrRef>*& next_slot) {
  std::optional<StrRef>& slot = *next_slot++;
  slot.emplace(text);
  return ArgOf(*slot);
}

}  // namespace detail

class EventRaiser {
 public:
  EventRaiser(QivEventSink sink, void* context) : sink_(sink), context_(context) {}

  // Raises `id` with the given arguments. The argument kinds must match the event's declared
  // parameter list; a mismatch is a fault of the caller and fails with an internal error.
  void RaiseArgs(EventId id, QivArg* args, std::int32_t count) const;

  // Raises `id` with the caller's variables (16-bit, Long, Double or String), bound by reference.
  template <typename... Vars>
  void Raise(EventId id, Vars&... vars) const {
    constexpr std::size_t kStrings = (std::size_t{std::is_same_v<Vars, std::u16string>} + ... + 0);
    std::array<std::optional<StrRef>, kStrings + 1> slots;
    [[maybe_unused]] std::optional<StrRef>* next_slot = slots.data();
    // Braced initialisers run left to right, so the string slots fill in argument order.
    std::array<QivArg, sizeof...(Vars)> args{detail::Bind(vars, next_slot)...};
    RaiseArgs(id, args.data(), static_cast<std::int32_t>(args.size()));
  }

 private:
  QivEventSink sink_;
  void* context_;
};

}  // namespace qiv
