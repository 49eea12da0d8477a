// Binding C++ variables to the plug-in boundary's by-reference arguments.
//
// Both sides use these: the control binds its properties, record fields and locals when it raises
// an event; a host binds its variables when it calls a method. A StrRef must outlive the call and
// must not move while bound, because the other side writes through its QivStr.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "qiv_plugin_abi.h"

namespace qiv {

class StrRef {
 public:
  explicit StrRef(std::u16string& text);
  ~StrRef();
  StrRef(const StrRef&) = delete;
  StrRef& operator=(const StrRef&) = delete;

  QivStr* get() { return &str_; }

  // Brings the view of every StrRef bound on this thread up to date. A string may be assigned
  // directly while bound (a property put by the host from inside the event that passed it), which
  // frees the text the view pointed to.
  static void RefreshAll();

 private:
  static void Assign(QivStr* self, const std::uint16_t* data, std::int32_t length);
  void Refresh();

  std::u16string* text_;
  QivStr str_{};
  // The StrRefs bound on this thread, most recent first.
  StrRef* next_ = nullptr;
  StrRef* previous_ = nullptr;
};

inline QivArg ArgOf(std::int16_t& value) {
  QivArg arg{};
  arg.kind = QIV_ARG_I16;
  arg.ref.i16 = &value;
  return arg;
}
inline QivArg ArgOf(std::int32_t& value) {
  QivArg arg{};
  arg.kind = QIV_ARG_I32;
  arg.ref.i32 = &value;
  return arg;
}
inline QivArg ArgOf(double& value) {
  QivArg arg{};
  arg.kind = QIV_ARG_F64;
  arg.ref.f64 = &value;
  return arg;
}
inline QivArg ArgOf(StrRef& text) {
  QivArg arg{};
  arg.kind = QIV_ARG_STR;
  arg.ref.str = text.get();
  return arg;
}

// The current value of a by-reference string.
std::u16string ReadStr(const QivStr& str);
// Writes a new value into a by-reference string through its owner's assign function.
void WriteStr(QivStr& str, std::u16string_view value);

// A failed call's text as a string; and filling a QivError (text truncated to fit).
std::u16string ErrorText(const QivError& error);
void FillError(QivError* error, std::int32_t number, std::u16string_view text);

}  // namespace qiv
