#include "call_args.h"

#include <stdexcept>

namespace host {

CallArgs::CallArgs(const qiv::Member& method) : method_(method), values_(method.params.size()) {
  args_.reserve(values_.size());
  for (std::size_t i = 0; i < values_.size(); ++i) {
    Value& value = values_[i];
    switch (method.params[i].kind) {
      case qiv::ValueKind::I16:
        args_.push_back(qiv::ArgOf(value.i16));
        break;
      case qiv::ValueKind::I32:
        args_.push_back(qiv::ArgOf(value.i32));
        break;
      case qiv::ValueKind::F64:
        args_.push_back(qiv::ArgOf(value.f64));
        break;
      case qiv::ValueKind::Str:
        value.ref = std::make_unique<qiv::StrRef>(value.str);
        args_.push_back(qiv::ArgOf(*value.ref));
        break;
    }
  }
}

std::size_t CallArgs::IndexOf(std::string_view name) const {
  for (std::size_t i = 0; i < method_.params.size(); ++i) {
    if (method_.params[i].name == name) return i;
  }
  throw std::logic_error(std::string(method_.name) + " has no parameter " + std::string(name));
}

void CallArgs::Set(std::string_view name, double value) {
  const std::size_t i = IndexOf(name);
  switch (method_.params[i].kind) {
    case qiv::ValueKind::I16:
      values_[i].i16 = static_cast<std::int16_t>(value);
      break;
    case qiv::ValueKind::I32:
      values_[i].i32 = static_cast<std::int32_t>(value);
      break;
    case qiv::ValueKind::F64:
      values_[i].f64 = value;
      break;
    case qiv::ValueKind::Str:
      throw std::logic_error(std::string(name) + " is a string");
  }
}

double CallArgs::Number(std::string_view name) const {
  const std::size_t i = IndexOf(name);
  switch (method_.params[i].kind) {
    case qiv::ValueKind::I16:
      return values_[i].i16;
    case qiv::ValueKind::I32:
      return values_[i].i32;
    case qiv::ValueKind::F64:
      return values_[i].f64;
    case qiv::ValueKind::Str:
      break;
  }
  throw std::logic_error(std::string(name) + " is a string");
}

std::u16string CallArgs::Text(std::string_view name) const {
  const std::size_t i = IndexOf(name);
  if (method_.params[i].kind != qiv::ValueKind::Str)
    throw std::logic_error(std::string(name) + " is not a string");
  return values_[i].str;
}

void CallArgs::Set(std::string_view name, std::u16string_view value) {
  const std::size_t i = IndexOf(name);
  if (method_.params[i].kind != qiv::ValueKind::Str)
    throw std::logic_error(std::string(name) + " is not a string");
  qiv::WriteStr(*values_[i].ref->get(), value);
}

}  // namespace host
