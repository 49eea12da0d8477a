#include "table_names.h"

#include "generic_raise.h"

namespace qiv::services {
namespace {

// Reads entry `no` with `get` into fresh variables, replaces the name and sends them with `set`.
template <EventId get, EventId set, typename... Fields>
VbBool Rename(QivOptCmd200& control, std::int32_t no, const std::u16string& name,
              Fields... fields) {
  std::u16string Name;
  Raise<get>(control, no, Name, fields...);
  Name = name;
  Raise<set>(control, no, Name, fields...);
  return kTrue;
}

}  // namespace

VbBool SetLayerName(QivOptCmd200& control, std::int32_t no, const std::u16string& name) {
  return Rename<EventId::QivGetLayerStr, EventId::QivSetLayerStr>(control, no, name,
                                                                  std::int16_t{0}, std::int16_t{0});
}

VbBool SetColorName(QivOptCmd200& control, std::int32_t no, const std::u16string& name) {
  return Rename<EventId::QivGetColorStr, EventId::QivSetColorStr>(control, no, name,
                                                                  std::int32_t{0});
}

VbBool SetLtypeName(QivOptCmd200& control, std::int32_t no, const std::u16string& name) {
  return Rename<EventId::QivGetLtypeStr, EventId::QivSetLtypeStr>(control, no, name,
                                                                  std::u16string());
}

VbBool SetWidthName(QivOptCmd200& control, std::int32_t no, const std::u16string& name) {
  return Rename<EventId::QivGetWidthStr, EventId::QivSetWidthStr>(control, no, name, 0.0);
}

}  // namespace qiv::services
