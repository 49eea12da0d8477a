// Lookup of the control's dispatch interfaces, derived from qiv_interface.def.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace qiv {

// Kinds of values that cross the boundary; Boolean properties travel as 16-bit values.
enum class ValueKind : std::uint8_t { I16, I32, F64, Str };

enum class MemberKind : std::uint8_t { Method, Property, Event };

// Where an event's parameter list comes from.
enum class ParamOrigin : std::uint8_t { Fixed, Chosen, Open };

struct Param {
  std::string_view name;
  ValueKind kind;
};

struct Member {
  std::int32_t dispid;
  std::string_view name;
  MemberKind kind;
  std::vector<Param> params;  // methods and events
  ValueKind property_kind;    // properties
  bool property_is_boolean;   // properties declared BOOL
  ParamOrigin origin;         // events
};

inline constexpr std::int32_t kFirstMethodId = 0x60030000;
inline constexpr std::int32_t kFirstPropertyId = 0x40030000;
inline constexpr int kMethodCount = 26;
inline constexpr int kPropertyCount = 88;
inline constexpr int kEventCount = 417;

// The boundary's argument kind (QIV_ARG_...) of a value kind.
std::int32_t ArgKindOf(ValueKind kind);

// All methods, properties and events, in table order.
std::span<const Member> Methods();
std::span<const Member> Properties();
std::span<const Member> Events();

// The member with this dispatch id, or null.
const Member* FindMember(std::int32_t dispid);
// The member with this name (methods, properties and events share no names), or null.
const Member* FindMemberByName(std::string_view name);
// The event with dispatch id 1..417, or null.
const Member* FindEvent(std::int32_t dispid);

}  // namespace qiv
