// Named access to the by-reference arguments of one host-service event.
//
// Arguments are found by the parameter names of the interface table. An argument that the
// control did not pass, or passed with another kind than the table declares, reads as 0 or
// empty and ignores writes, so a malformed raise cannot corrupt the host.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "interface_table.h"
#include "qiv_plugin_abi.h"

namespace host {

class EventArgs {
 public:
  EventArgs(const qiv::Member& event, QivArg* args, std::int32_t count)
      : event_(event), args_(args), count_(count) {}

  const qiv::Member& event() const { return event_; }
  QivArg* args() const { return args_; }
  std::int32_t count() const { return count_; }

  bool Has(std::string_view name) const { return Find(name) != nullptr; }
  // A 16-bit or 32-bit argument as a Long.
  std::int32_t Long(std::string_view name) const;
  double Double(std::string_view name) const;
  std::u16string Str(std::string_view name) const;

  // Writes a 16-bit argument with the value narrowed to 16 bits.
  void SetLong(std::string_view name, std::int32_t value) const;
  void SetDouble(std::string_view name, double value) const;
  void SetStr(std::string_view name, std::u16string_view value) const;

 private:
  QivArg* Find(std::string_view name) const;

  const qiv::Member& event_;
  QivArg* args_;
  std::int32_t count_;
};

}  // namespace host
