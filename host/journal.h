// The session journal: one JSON object a line, in the order things happened.
//
//   {"call": "QivGCINEnd", "args": {...}}                  an incoming call, before it runs
//   {"dispid": 108, "event": "QivSetLine", "args": {...}}  an event, as it stood after the answer
//   {"msgbox": "TEXT"}                                     a message box (answered with OK)
//   {"form": "NAME", "shown": true} / {"form": "NAME", "hidden": true}
//   {"call": "QivGCINEnd", "error": {"number": N, "text": "..."}}   a call that failed
//   {"host": "undo", ...}                                  what the host did on its own
//
// Lines are kept in memory and written at the end, so a session that fails writes nothing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "interface_table.h"
#include "qiv_plugin_abi.h"

namespace host {

class Journal {
 public:
  void Call(const qiv::Member& method, const QivArg* args, std::int32_t count);
  // {"call": WHAT} for what the host does to a control outside its methods ("destroy").
  void Call(std::string_view what);
  void CallError(std::string_view method, std::int32_t number, std::u16string_view text);
  // An event; `event` may be null for a dispatch id the table does not know.
  void Event(std::int32_t dispid, const qiv::Member* event, const QivArg* args, std::int32_t count);
  void MessageBox(std::u16string_view text);
  void Form(std::u16string_view name, bool shown);
  // {"host": WHAT, KEY: VALUE}
  void Host(std::string_view what, std::string_view key, std::int64_t value);
  // {"host": "error", "text": TEXT}: the host itself failed to answer.
  void HostError(std::string_view text);

  const std::vector<std::string>& lines() const { return lines_; }
  // The journal as text, one line each, ending with a line break.
  std::string Text() const;

 private:
  std::vector<std::string> lines_;
};

}  // namespace host
