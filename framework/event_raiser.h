// Raising host-service events: the caller's variables go to the host by reference, so whatever
// the host writes into an argument lands in the property, record field or local behind it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <tuple>

#include "abi_values.h"
#include "interface_ids.h"
#include "qiv_plugin_abi.h"

namespace qiv {

namespace detail {

template <typename T>
class Binder {
 public:
  explicit Binder(T& value) : arg_(ArgOf(value)) {}
  QivArg arg() const { return arg_; }

 private:
  QivArg arg_;
};

template <>
class Binder<std::u16string> {
 public:
  explicit Binder(std::u16string& text) : ref_(text) {}
  QivArg arg() { return ArgOf(ref_); }

 private:
  StrRef ref_;
};

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
    std::tuple<detail::Binder<Vars>...> binders(vars...);
    std::apply(
        [&](auto&... bound) {
          std::array<QivArg, sizeof...(Vars)> args{bound.arg()...};
          RaiseArgs(id, args.data(), static_cast<std::int32_t>(args.size()));
        },
        binders);
  }

 private:
  QivEventSink sink_;
  void* context_;
};

}  // namespace qiv
