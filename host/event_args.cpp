#include "event_args.h"

#include "abi_values.h"

namespace host {
namespace {

std::int32_t KindCode(qiv::ValueKind kind) {
  switch (kind) {
    case qiv::ValueKind::I16:
      return QIV_ARG_I16;
    case qiv::ValueKind::I32:
      return QIV_ARG_I32;
    case qiv::ValueKind::F64:
      return QIV_ARG_F64;
    case qiv::ValueKind::Str:
      return QIV_ARG_STR;
  }
  return 0;
}

}  // namespace

QivArg* EventArgs::Find(std::string_view name) const {
  const auto& params = event_.params;
  for (std::size_t i = 0; i < params.size(); ++i) {
    if (params[i].name != name) continue;
    if (static_cast<std::int32_t>(i) >= count_ || args_ == nullptr) return nullptr;
    QivArg* arg = &args_[i];
    if (arg->kind != KindCode(params[i].kind)) return nullptr;
    const bool bound = arg->kind == QIV_ARG_STR ? arg->ref.str != nullptr : arg->ref.i32 != nullptr;
    return bound ? arg : nullptr;
  }
  return nullptr;
}

std::int32_t EventArgs::Long(std::string_view name) const {
  const QivArg* arg = Find(name);
  if (arg == nullptr) return 0;
  if (arg->kind == QIV_ARG_I16) return *arg->ref.i16;
  if (arg->kind == QIV_ARG_I32) return *arg->ref.i32;
  return 0;
}

double EventArgs::Double(std::string_view name) const {
  const QivArg* arg = Find(name);
  return arg != nullptr && arg->kind == QIV_ARG_F64 ? *arg->ref.f64 : 0.0;
}

std::u16string EventArgs::Str(std::string_view name) const {
  const QivArg* arg = Find(name);
  return arg != nullptr && arg->kind == QIV_ARG_STR ? qiv::ReadStr(*arg->ref.str) : u"";
}

void EventArgs::SetLong(std::string_view name, std::int32_t value) const {
  QivArg* arg = Find(name);
  if (arg == nullptr) return;
  if (arg->kind == QIV_ARG_I16) *arg->ref.i16 = static_cast<std::int16_t>(value);
  if (arg->kind == QIV_ARG_I32) *arg->ref.i32 = value;
}

void EventArgs::SetDouble(std::string_view name, double value) const {
  QivArg* arg = Find(name);
  if (arg != nullptr && arg->kind == QIV_ARG_F64) *arg->ref.f64 = value;
}

void EventArgs::SetStr(std::string_view name, std::u16string_view value) const {
  QivArg* arg = Find(name);
  if (arg != nullptr && arg->kind == QIV_ARG_STR) qiv::WriteStr(*arg->ref.str, value);
}

}  // namespace host
