// A recording test host: answers a plug-in's events from handlers set per test and records every
// raise with its arguments as sent and as answered.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "qiv_plugin_abi.h"

namespace testhost {

using Value = std::variant<std::int16_t, std::int32_t, double, std::u16string>;

struct RaisedEvent {
  std::int32_t dispid = 0;
  std::string name;
  std::vector<std::string> params;
  std::vector<Value> sent;
  std::vector<Value> answered;

  // The argument named `param` as sent or as answered; throws when there is none.
  const Value& Sent(std::string_view param) const;
  const Value& Answered(std::string_view param) const;
};

// The arguments of one raise, as the host's handler sees them: read and write by name.
class EventCall {
 public:
  EventCall(std::int32_t dispid, QivArg* args, std::int32_t count);
  std::int32_t dispid() const { return dispid_; }
  Value Get(std::string_view param) const;
  void Set(std::string_view param, const Value& value);
  std::vector<Value> Values() const;

 private:
  QivArg& Find(std::string_view param) const;
  std::int32_t dispid_;
  QivArg* args_;
  std::int32_t count_;
};

class RecordingHost {
 public:
  using Handler = std::function<void(EventCall&)>;

  // Answers the event named `event` with `handler` from now on.
  void On(std::string_view event, Handler handler);
  // Answers with fixed values by parameter name.
  void Answer(std::string_view event, std::map<std::string, Value> values);

  QivEventSink sink() const { return &RecordingHost::Sink; }
  void* context() { return this; }

  const std::vector<RaisedEvent>& raised() const { return raised_; }
  std::vector<std::string> Names() const;
  int Count(std::string_view event) const;
  // The last raise of `event`; throws when there is none.
  const RaisedEvent& Last(std::string_view event) const;
  void Clear() { raised_.clear(); }

 private:
  static void Sink(void* context, std::int32_t dispid, QivArg* args, std::int32_t count);
  std::map<std::int32_t, Handler> handlers_;
  std::vector<RaisedEvent> raised_;
};

// Binds values held in a vector as by-reference arguments for an incoming call; the vector holds
// whatever the callee wrote when the call returns.
class ArgumentBinding {
 public:
  explicit ArgumentBinding(std::vector<Value>& values);
  ~ArgumentBinding();
  ArgumentBinding(const ArgumentBinding&) = delete;
  ArgumentBinding& operator=(const ArgumentBinding&) = delete;
  QivArg* data() { return args_.data(); }
  std::int32_t size() const { return static_cast<std::int32_t>(args_.size()); }

 private:
  std::vector<QivArg> args_;
  std::vector<QivStr> strings_;
};

}  // namespace testhost
