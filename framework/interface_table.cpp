#include "interface_table.h"

#include "qiv_plugin_abi.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <unordered_map>

namespace qiv {
namespace {

ValueKind KindOfLetter(char letter) {
  switch (letter) {
    case 'I':
      return ValueKind::I16;
    case 'L':
      return ValueKind::I32;
    case 'D':
      return ValueKind::F64;
    case 'S':
      return ValueKind::Str;
    default:
      throw std::logic_error(std::string("bad parameter kind ") + letter);
  }
}

// Splits "name:K name:K ..." into parameters; the views point into the table's literals.
std::vector<Param> ParseParams(std::string_view text) {
  std::vector<Param> params;
  while (!text.empty()) {
    const auto end = std::min(text.find(' '), text.size());
    const auto item = text.substr(0, end);
    const auto colon = item.find(':');
    if (colon == std::string_view::npos || colon + 2 != item.size())
      throw std::logic_error("bad parameter " + std::string(item));
    params.push_back({item.substr(0, colon), KindOfLetter(item[colon + 1])});
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return params;
}

struct PropertyType {
  ValueKind kind;
  bool boolean;
};
constexpr PropertyType I32{ValueKind::I32, false};
constexpr PropertyType F64{ValueKind::F64, false};
constexpr PropertyType STR{ValueKind::Str, false};
constexpr PropertyType BOOL{ValueKind::I16, true};

constexpr ParamOrigin Fixed = ParamOrigin::Fixed;
constexpr ParamOrigin Chosen = ParamOrigin::Chosen;
constexpr ParamOrigin Open = ParamOrigin::Open;

struct Tables {
  std::vector<Member> methods;
  std::vector<Member> properties;
  std::vector<Member> events;
  std::unordered_map<std::int32_t, const Member*> by_id;
  std::unordered_map<std::string_view, const Member*> by_name;

  Tables() {
#define QIV_METHOD(dispid, name, params) \
  methods.push_back({dispid, #name, MemberKind::Method, ParseParams(params), {}, false, Fixed});
#define QIV_PROPERTY(dispid, name, type) \
  properties.push_back({dispid, #name, MemberKind::Property, {}, type.kind, type.boolean, Fixed});
#define QIV_EVENT(dispid, name, params, origin) \
  events.push_back({dispid, #name, MemberKind::Event, ParseParams(params), {}, false, origin});
#include "qiv_interface.def"
    for (const auto* list : {&methods, &properties, &events}) {
      for (const auto& member : *list) {
        by_id.emplace(member.dispid, &member);
        by_name.emplace(member.name, &member);
      }
    }
  }
};

const Tables& TheTables() {
  static const Tables tables;
  return tables;
}

}  // namespace

std::int32_t ArgKindOf(ValueKind kind) {
  switch (kind) {
    case ValueKind::I16:
      return QIV_ARG_I16;
    case ValueKind::I32:
      return QIV_ARG_I32;
    case ValueKind::F64:
      return QIV_ARG_F64;
    case ValueKind::Str:
      return QIV_ARG_STR;
  }
  return 0;
}

std::span<const Member> Methods() {
  return TheTables().methods;
}
std::span<const Member> Properties() {
  return TheTables().properties;
}
std::span<const Member> Events() {
  return TheTables().events;
}

const Member* FindMember(std::int32_t dispid) {
  const auto& ids = TheTables().by_id;
  const auto it = ids.find(dispid);
  return it == ids.end() ? nullptr : it->second;
}

const Member* FindMemberByName(std::string_view name) {
  const auto& names = TheTables().by_name;
  const auto it = names.find(name);
  return it == names.end() ? nullptr : it->second;
}

const Member* FindEvent(std::int32_t dispid) {
  const auto& events = TheTables().events;
  if (dispid < 1 || dispid > static_cast<std::int32_t>(events.size())) return nullptr;
  return &events[static_cast<std::size_t>(dispid - 1)];
}

}  // namespace qiv
