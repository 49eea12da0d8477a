#include "host_parameters.h"

#include <limits>

#include "runtime_error.h"

namespace qiv::services {
namespace {

constexpr std::int32_t kSelectStringList = 1951;
constexpr std::int32_t kStringListCount = 7003;
constexpr std::int32_t kFirstStringListItem = 10000;
constexpr std::int32_t kStringCommandMode = 7001;
constexpr std::int32_t kStringCommandText = 7002;
constexpr std::int32_t kRunStringCommand = 2063;

}  // namespace

std::vector<std::u16string> ReadStringList(QivOptCmd200& control, std::int32_t list) {
  detail::SetParameter<kinds::Long, EventId::QivSetLong>(control, kSelectStringList, list);
  const std::int32_t count =
      detail::GetParameter<kinds::Long, EventId::QivGetLong>(control, kStringListCount);
  // The identifier of the last string must stay a Long.
  if (count > std::numeric_limits<std::int32_t>::max() - kFirstStringListItem)
    throw platform::RuntimeError(platform::error::kOverflow);
  std::vector<std::u16string> strings;
  for (std::int32_t i = 0; i < count; ++i)
    strings.push_back(detail::GetParameter<kinds::String, EventId::QivGetString>(
        control, kFirstStringListItem + i));
  return strings;
}

VbBool RunStringCommand(QivOptCmd200& control, std::int32_t mode, const std::u16string& command) {
  detail::SetParameter<kinds::Long, EventId::QivSetLong>(control, kStringCommandMode, mode);
  detail::SetParameter<kinds::String, EventId::QivSetString>(control, kStringCommandText, command);
  std::int32_t nID = kRunStringCommand, para1 = 0, para2 = 0, result = 0;
  Raise<EventId::QivSimpleCommand>(control, nID, para1, para2, result);
  return ToVbBool(result == 1);
}

}  // namespace qiv::services
