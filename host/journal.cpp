#include "journal.h"

#include <nlohmann/json.hpp>

#include "abi_values.h"
#include "text_utf.h"

namespace host {
namespace {

using Json = nlohmann::ordered_json;

Json ValueOf(const QivArg& arg) {
  switch (arg.kind) {
    case QIV_ARG_I16:
      return arg.ref.i16 ? Json(*arg.ref.i16) : Json();
    case QIV_ARG_I32:
      return arg.ref.i32 ? Json(*arg.ref.i32) : Json();
    case QIV_ARG_F64:
      return arg.ref.f64 ? Json(*arg.ref.f64) : Json();
    case QIV_ARG_STR:
      return arg.ref.str ? Json(ToUtf8(qiv::ReadStr(*arg.ref.str))) : Json();
    default:
      return Json();
  }
}

// The arguments by their table names; arguments beyond the table are named arg1, arg2, ...
Json ArgsOf(const qiv::Member* member, const QivArg* args, std::int32_t count) {
  Json object = Json::object();
  for (std::int32_t i = 0; i < count && args != nullptr; ++i) {
    const auto index = static_cast<std::size_t>(i);
    const std::string name = member != nullptr && index < member->params.size()
                                 ? std::string(member->params[index].name)
                                 : "arg" + std::to_string(i + 1);
    object[name] = ValueOf(args[i]);
  }
  return object;
}

std::string Line(const Json& object) {
  return object.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace

void Journal::Call(const qiv::Member& method, const QivArg* args, std::int32_t count) {
  Json line;
  line["call"] = method.name;
  if (count > 0) line["args"] = ArgsOf(&method, args, count);
  lines_.push_back(Line(line));
}

void Journal::Call(std::string_view what) {
  lines_.push_back(Line(Json{{"call", what}}));
}

void Journal::CallError(std::string_view method, std::int32_t number, std::u16string_view text) {
  Json line;
  line["call"] = method;
  line["error"] = Json{{"number", number}, {"text", ToUtf8(text)}};
  lines_.push_back(Line(line));
}

void Journal::Event(std::int32_t dispid, const qiv::Member* event, const QivArg* args,
                    std::int32_t count) {
  Json line;
  line["dispid"] = dispid;
  line["event"] = event != nullptr ? Json(event->name) : Json();
  line["args"] = ArgsOf(event, args, count);
  lines_.push_back(Line(line));
}

void Journal::MessageBox(std::u16string_view text) {
  lines_.push_back(Line(Json{{"msgbox", ToUtf8(text)}}));
}

void Journal::Form(std::u16string_view name, bool shown) {
  Json line;
  line["form"] = ToUtf8(name);
  line[shown ? "shown" : "hidden"] = true;
  lines_.push_back(Line(line));
}

void Journal::Host(std::string_view what, std::string_view key, std::int64_t value) {
  Json line;
  line["host"] = what;
  line[std::string(key)] = value;
  lines_.push_back(Line(line));
}

void Journal::HostError(std::string_view text) {
  lines_.push_back(Line(Json{{"host", "error"}, {"text", std::string(text)}}));
}

std::string Journal::Text() const {
  std::string text;
  for (const auto& line : lines_) {
    text += line;
    text += '\n';
  }
  return text;
}

}  // namespace host
