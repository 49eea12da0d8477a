#include "recording_host.h"

#include <stdexcept>

#include "abi_values.h"
#include "interface_table.h"

namespace testhost {
namespace {

Value ValueOf(const QivArg& arg) {
  switch (arg.kind) {
    case QIV_ARG_I16:
      return *arg.ref.i16;
    case QIV_ARG_I32:
      return *arg.ref.i32;
    case QIV_ARG_F64:
      return *arg.ref.f64;
    case QIV_ARG_STR:
      return qiv::ReadStr(*arg.ref.str);
    default:
      throw std::logic_error("unknown argument kind");
  }
}

void Store(const QivArg& arg, const Value& value) {
  switch (arg.kind) {
    case QIV_ARG_I16:
      *arg.ref.i16 = std::get<std::int16_t>(value);
      return;
    case QIV_ARG_I32:
      *arg.ref.i32 = std::get<std::int32_t>(value);
      return;
    case QIV_ARG_F64:
      *arg.ref.f64 = std::get<double>(value);
      return;
    case QIV_ARG_STR:
      qiv::WriteStr(*arg.ref.str, std::get<std::u16string>(value));
      return;
    default:
      throw std::logic_error("unknown argument kind");
  }
}

std::size_t IndexOf(const std::vector<std::string>& params, std::string_view param) {
  for (std::size_t i = 0; i < params.size(); ++i)
    if (params[i] == param) return i;
  throw std::out_of_range("no parameter " + std::string(param));
}

std::vector<std::string> ParamNames(std::int32_t dispid) {
  std::vector<std::string> names;
  if (const auto* event = qiv::FindEvent(dispid))
    for (const auto& param : event->params) names.emplace_back(param.name);
  return names;
}

}  // namespace

const Value& RaisedEvent::Sent(std::string_view param) const {
  return sent.at(IndexOf(params, param));
}
const Value& RaisedEvent::Answered(std::string_view param) const {
  return answered.at(IndexOf(params, param));
}

EventCall::EventCall(std::int32_t dispid, QivArg* args, std::int32_t count)
    : dispid_(dispid), args_(args), count_(count) {}

QivArg& EventCall::Find(std::string_view param) const {
  const auto index = IndexOf(ParamNames(dispid_), param);
  if (index >= static_cast<std::size_t>(count_)) throw std::out_of_range("argument missing");
  return args_[index];
}

Value EventCall::Get(std::string_view param) const {
  return ValueOf(Find(param));
}
void EventCall::Set(std::string_view param, const Value& value) {
  Store(Find(param), value);
}

std::vector<Value> EventCall::Values() const {
  std::vector<Value> values;
  for (std::int32_t i = 0; i < count_; ++i) values.push_back(ValueOf(args_[i]));
  return values;
}

void RecordingHost::On(std::string_view event, Handler handler) {
  const auto* member = qiv::FindMemberByName(event);
  if (member == nullptr || member->kind != qiv::MemberKind::Event)
    throw std::invalid_argument("no event " + std::string(event));
  handlers_[member->dispid] = std::move(handler);
}

void RecordingHost::Answer(std::string_view event, std::map<std::string, Value> values) {
  On(event, [values = std::move(values)](EventCall& call) {
    for (const auto& [param, value] : values) call.Set(param, value);
  });
}

void RecordingHost::Sink(void* context, std::int32_t dispid, QivArg* args, std::int32_t count) {
  auto* host = static_cast<RecordingHost*>(context);
  EventCall call(dispid, args, count);
  RaisedEvent raised;
  raised.dispid = dispid;
  const auto* event = qiv::FindEvent(dispid);
  raised.name = event ? std::string(event->name) : std::to_string(dispid);
  raised.params = ParamNames(dispid);
  raised.sent = call.Values();
  if (const auto it = host->handlers_.find(dispid); it != host->handlers_.end()) it->second(call);
  raised.answered = call.Values();
  host->raised_.push_back(std::move(raised));
}

std::vector<std::string> RecordingHost::Names() const {
  std::vector<std::string> names;
  for (const auto& raised : raised_) names.push_back(raised.name);
  return names;
}

int RecordingHost::Count(std::string_view event) const {
  int count = 0;
  for (const auto& raised : raised_) count += raised.name == event ? 1 : 0;
  return count;
}

const RaisedEvent& RecordingHost::Last(std::string_view event) const {
  for (auto it = raised_.rbegin(); it != raised_.rend(); ++it)
    if (it->name == event) return *it;
  throw std::out_of_range("event not raised: " + std::string(event));
}

namespace {

void AssignString(QivStr* self, const std::uint16_t* data, std::int32_t length) {
  auto* text = static_cast<std::u16string*>(self->owner);
  text->assign(reinterpret_cast<const char16_t*>(data), static_cast<std::size_t>(length));
  self->data = reinterpret_cast<const std::uint16_t*>(text->data());
  self->length = static_cast<std::int32_t>(text->size());
}

}  // namespace

ArgumentBinding::ArgumentBinding(std::vector<Value>& values) {
  strings_.reserve(values.size());
  for (auto& value : values) {
    QivArg arg{};
    if (auto* i16 = std::get_if<std::int16_t>(&value)) {
      arg = qiv::ArgOf(*i16);
    } else if (auto* i32 = std::get_if<std::int32_t>(&value)) {
      arg = qiv::ArgOf(*i32);
    } else if (auto* f64 = std::get_if<double>(&value)) {
      arg = qiv::ArgOf(*f64);
    } else {
      auto& text = std::get<std::u16string>(value);
      strings_.push_back(QivStr{reinterpret_cast<const std::uint16_t*>(text.data()),
                                static_cast<std::int32_t>(text.size()), &AssignString, &text});
      arg.kind = QIV_ARG_STR;
      arg.ref.str = &strings_.back();
    }
    args_.push_back(arg);
  }
}

ArgumentBinding::~ArgumentBinding() = default;

}  // namespace testhost
