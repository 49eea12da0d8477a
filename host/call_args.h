// The by-reference arguments of one call or event, built by parameter name from the interface
// table: every argument starts at 0 or empty.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "abi_values.h"
#include "interface_table.h"

namespace host {

class CallArgs {
 public:
  explicit CallArgs(const qiv::Member& method);
  CallArgs(const CallArgs&) = delete;
  CallArgs& operator=(const CallArgs&) = delete;

  const qiv::Member& method() const { return method_; }
  // Sets a numeric argument (narrowed to its kind) or a string argument; throws
  // std::logic_error for a name the method does not have.
  void Set(std::string_view name, double value);
  void Set(std::string_view name, std::u16string_view value);

  // The current value of an argument (after the call, what the other side wrote).
  double Number(std::string_view name) const;
  std::u16string Text(std::string_view name) const;

  QivArg* data() { return args_.data(); }
  std::int32_t count() const { return static_cast<std::int32_t>(args_.size()); }

 private:
  struct Value {
    std::int16_t i16 = 0;
    std::int32_t i32 = 0;
    double f64 = 0;
    std::u16string str;
    std::unique_ptr<qiv::StrRef> ref;
  };
  std::size_t IndexOf(std::string_view name) const;

  const qiv::Member& method_;
  std::vector<Value> values_;
  std::vector<QivArg> args_;
};

}  // namespace host
